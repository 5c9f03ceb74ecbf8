#pragma once
// twremove.exe [/S] [/LOG=file] FOLDER
#include <optional>
#include <string>

namespace uninstall {

struct Options {
  bool silent = false;
  std::string logFile;
  std::string folder;  // the folder that holds unin.ini, without a trailing backslash
};

// The switches in any order, case-insensitive, then the folder: the rest of
// the line, which may hold blanks, quoted or not. Nothing when no folder is
// given or a switch is unknown.
std::optional<Options> ParseCommandLine(const std::string& arguments);

}  // namespace uninstall
