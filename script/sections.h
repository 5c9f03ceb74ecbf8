// Everything the install engine reads from the script, filled once per pass.
#pragma once

#include <string>

#include "script/lines.h"

namespace script {

struct Sections {
  Lines files, exe, unin, delreg, systemIni, regremove, regadd, reg, keep,
      reg1, iniLines;
  std::string runProgram;              // ":run"
  bool rebootRequested = false;        // ":reboot"
  std::string extraFile, extraFolder;  // ":extra"
  std::string exitMessage;             // ":exit"
  std::string runServices, runStart;   // ":runservices", ":runstart"
  std::string windowTitle;             // ":window", see FindWindowTitle
};

// Reads every section, each by its own scan from line 0. Throws
// ListIndexError for an unclosed list section or a value marker too near the
// end of the script.
Sections ReadSections(const Lines& script);

// The title of the product's main window: unlike other markers, the last
// ":window" wins. Empty when there is none; ":window" on the last line throws
// ListIndexError.
std::string FindWindowTitle(const Lines& script);

}  // namespace script
