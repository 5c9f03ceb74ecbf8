#pragma once
// The one set of rules that says what the removal program may touch: the
// record and the journal are text in a folder that others may write, so a
// line of theirs can only ask for what an install of this program could
// have done. Nothing here touches the system: the folders to protect, the
// Programs folders and the way to read a path part's long name are handed in.
#include <map>
#include <string>
#include <vector>

#include "remove/record.h"

namespace uninstall {

// The long name of the last part of an existing path, as the system lists it
// ("Program Files" for "C:\PROGRA~1"); "" when there is none.
using LongNameFn = std::string (*)(const std::string& path);

struct ScopeFolders {
  // The folder that holds the record.
  std::string destination;
  // The Windows folder, its system folder, the Program Files, Common Files and
  // shell folders: never removed, nor any drive root.
  std::vector<std::string> protectedFolders;
  // The Start Menu's Programs folders (the user's and all users'): shortcuts
  // and the group folder lie below one of them.
  std::vector<std::string> programsFolders;
};

class SafetyRules {
 public:
  SafetyRules(const ScopeFolders& folders, LongNameFn longName);

  // One form for every spelling of an existing path: separators as "\", long
  // names for short ones, lower case; "" for a path that is not full or that
  // holds "." or ".." parts. A part that does not exist is taken as given.
  std::string Canonical(const std::string& path) const;

  // Why a file or folder may not be removed, "" when it may: not a full
  // path, "." or ".." parts, wildcards, a drive root, a protected folder.
  std::string PathRefusal(const std::string& path) const;
  // A shortcut: a ".lnk" or ".pif" file below a Programs folder.
  std::string ShortcutRefusal(const std::string& path) const;
  // The group folder: a folder below a Programs folder.
  std::string GroupRefusal(const std::string& path) const;
  // A folder an install made: below the destination, or one that holds it.
  std::string MadeFolderRefusal(const std::string& path) const;
  // A profile entry: a file of the Windows folder named by a plain name, and
  // not a section Windows reads to start programs or drivers.
  static std::string ProfileRefusal(const std::string& file, const std::string& section);

  // Whether the path lies below the folder (not the folder itself).
  bool Inside(const std::string& path, const std::string& folder) const;
  bool InDestination(const std::string& path) const { return Inside(path, destination_); }
  // The folder the item belongs to: the destination or the Programs folder
  // it lies below; "" for any other.
  std::string ScopeFolder(const std::string& path) const;
  bool SameFolder(const std::string& a, const std::string& b) const;
  // Folders emptied by the removal may go from a removed file's folder up to,
  // not including, the destination folder.
  bool MayPruneFolder(const std::string& folder) const;
  // Whether a start-up command starts a program in the destination folder,
  // in any spelling, quoted or not.
  bool CommandInDestination(const std::string& command) const;
  const std::string& Destination() const { return destination_; }

  // Why a key may not be removed, "" when it may: a root key, a key directly
  // under one (except file classes that Windows does not own), a key of
  // Windows or one that holds one, under any of its names.
  static std::string KeyRefusal(const RegKey& key);
  // Why a value may not be removed or put back: a value of a root key, or of
  // a key that Windows owns.
  static std::string ValueRefusal(const RegValueRef& value);
  // One spelling of a key for comparing: the root HKEY_CLASSES_ROOT stands
  // for the classes under both roots, HKEY_CURRENT_USER for a user's hive,
  // the 32-bit view's "Wow6432Node" is dropped; lower case.
  static RegKey CanonicalKey(const RegKey& key);
  // A Run or RunServices key, whose values start programs.
  static bool IsStartupKey(const RegKey& key);

 private:
  bool BelowPrograms(const std::string& path) const;
  bool IsProtected(const std::string& canonical) const;
  // The long form of a folder's parts, once per folder.
  std::string LongFolder(const std::string& spelled) const;

  std::string destination_;
  std::string destinationForm_;
  std::vector<std::string> protected_, programs_;  // canonical
  LongNameFn longName_;
  mutable std::map<std::string, std::string> longFolders_;
};

// Lower case (A-Z only), without trailing backslashes.
std::string NormalPath(const std::string& path);

}  // namespace uninstall
