#pragma once
#include <string>

#include "script/lines.h"

namespace install {

// The two registry sections know different data codes.
enum class CodeSet { Reg, Reg1 };

struct CodeInputs {
  std::string destination;       // no trailing backslash
  std::string shortDestination;  // its 8.3 form
  std::string windowsFolder;
  const script::Lines& exe;     // line 1 is the first program line
  const script::Lines& uninst;  // line 0 is the removal program
};

// The destination folder, "\" and the first program line. Throws
// ListIndexError when ":exe" has no program line.
std::string ProgramCommand(const std::string& destination, const script::Lines& exe);

// The Windows folder, "\", the removal program, a blank and the short
// destination folder. Throws ListIndexError when ":unin" is empty.
std::string UninstallCommand(const CodeInputs& in);

// The data line of a registry entry with its code, if it is one (whole line,
// case-sensitive), replaced. Only the code in use reads its script line, so a
// missing line fails at the entry that needs it.
std::string ExpandDataCode(const std::string& data, CodeSet set, const CodeInputs& in);

}  // namespace install
