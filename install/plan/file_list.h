#pragma once
// The walk over the ":files" list: which lines are copied, under which
// destination prefix, and which of them the uninstall record lists. No file
// is touched, so the install pass and the author's tool take the same walk.
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "script/lines.h"

namespace install {

// One file line that is copied.
struct FileStep {
  std::size_t index;   // its entry in `files`, for the progress bar
  std::string line;    // its name in the source folder, as written
  std::string target;  // destination prefix + installed name
  bool recorded;       // listed in the uninstall record
};

struct FileList {
  std::vector<FileStep> steps;
  std::string prefix;  // the destination prefix in force after the last line
};

// Copying is off after the empty first entry until the first directive; a
// directive only changes the prefix and is never copied itself.
// `lastCharacterOf` gives, for a file line ending in "_", the character its
// compressed source's header names (see InstalledName); none: the plain rule.
using LastCharacterOf = std::function<char(const std::string& line)>;
FileList WalkFileList(const script::Lines& files, const std::string& windowsFolder,
                      const std::string& destination, const LastCharacterOf& lastCharacterOf = nullptr);

}  // namespace install
