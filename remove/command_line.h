#pragma once
// twremove.exe [/S] [/LOG=file] FOLDER
#include <string>

namespace uninstall {

struct Options {
  bool usageError = false;  // no folder, or a switch that is not known
  bool help = false;        // /?: the version and the usage, nothing else
  bool silent = false;
  std::string logFile;
  std::string folder;  // the folder that holds unin.ini, without a trailing backslash
};

// The switches in any order, case-insensitive, then the folder: the rest of
// the line, which may hold blanks, quoted or not.
Options ParseCommandLine(const std::string& arguments);

}  // namespace uninstall
