#pragma once
// The copy phase's rules that need no file system: names, directives,
// progress and what the uninstall record lists.
#include <optional>
#include <string>
#include <set>

#include "script/lines.h"

namespace install {

// The name a file line installs under: distribution names ending in "_" are
// restored (SETUP.EX_ gives setup.exe, MAIN.DL_ main.dll), the data files
// "file1.dat" to "file5.dat" get their fixed product names, any other name is
// kept as written. A compressed file whose header gives the character that
// "_" replaced (`lastCharacter`, 0 for none) gets that one back instead:
// READ.TX_ made from read.txt installs as read.txt.
std::string InstalledName(const std::string& line, char lastCharacter = 0);

// The destination prefix a directive line (":...") selects, ending in a
// backslash for the named folders; nothing for a file line.
std::optional<std::string> DirectivePrefix(const std::string& line, const std::string& windowsFolder,
                                           const std::string& destination);

// Progress position of entry `index` of a file list of `count` entries: the
// integer part of index / (count - 1) * 100, in extended precision.
int ProgressPosition(std::size_t index, std::size_t count);

// Whether the uninstall record lists an installed file: not the removal
// program itself, nor anything whose script name begins with "file".
bool IsRecorded(const std::string& line, const std::string& installedName);
// Whether the install journal lists it: every file but the removal program,
// which all products installed by this system share.
bool IsJournaled(const std::string& installedName);

// The ":keep" names, looked up without regard to case in constant time.
class KeepList {
 public:
  explicit KeepList(const script::Lines& keep);
  bool Contains(const std::string& fileName) const;

 private:
  std::set<std::string> names_;
};

}  // namespace install
