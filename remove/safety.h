#pragma once
// The one set of rules that says what the removal program may remove. Nothing
// here touches the system: the folders to protect and the way to get a
// path's 8.3 form are handed in.
#include <string>
#include <vector>

#include "remove/record.h"

namespace uninstall {

// The 8.3 form of an existing path, "" when the system gives none.
using ShortFormFn = std::string (*)(const std::string& path);

class SafetyRules {
 public:
  // `destination`: the folder that holds the record. `protectedFolders`: the
  // Windows folder, its system folder, the Program Files, Common Files and
  // shell folders; never removed, nor any drive root.
  SafetyRules(const std::string& destination, const std::vector<std::string>& protectedFolders, ShortFormFn shortForm);

  // Why a recorded file or folder may not be removed, "" when it may: not a
  // full path, "." or ".." parts, wildcards, a drive root, a protected folder.
  std::string PathRefusal(const std::string& path) const;
  // Whether the path lies below the folder (not the folder itself), comparing
  // the long and short forms of both without regard to case.
  bool Inside(const std::string& path, const std::string& folder) const;
  bool InDestination(const std::string& path) const { return Inside(path, destination_); }
  bool SameFolder(const std::string& a, const std::string& b) const;
  // Folders emptied by the removal may go from a removed file's folder up to,
  // not including, the destination folder.
  bool MayPruneFolder(const std::string& folder) const;
  // Whether a start-up command starts a program in the destination folder,
  // in its long or short form, quoted or not.
  bool CommandInDestination(const std::string& command) const;
  const std::string& Destination() const { return destination_; }

  // Why a key may not be removed, "" when it may: a root key, a key directly
  // under one (except file classes below HKEY_CLASSES_ROOT that Windows does
  // not own), a key that holds the system's own keys (Run, Uninstall, ...).
  static std::string KeyRefusal(const RegKey& key);
  // Why a value may not be removed or put back: only a value in a root key itself.
  static std::string ValueRefusal(const RegValueRef& value);

 private:
  std::vector<std::string> Forms(const std::string& path) const;
  bool IsProtected(const std::string& path) const;

  std::string destination_;
  std::vector<std::string> protected_;  // every form, normalised
  ShortFormFn shortForm_;
};

// Lower case (A-Z only), without trailing backslashes.
std::string NormalPath(const std::string& path);

}  // namespace uninstall
