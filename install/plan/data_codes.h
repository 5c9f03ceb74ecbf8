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
  const script::Lines& unin;  // line 0 is the removal program
};

// The destination folder, "\" and the first program line. Throws
// ListIndexError when ":exe" has no program line.
std::string ProgramPath(const std::string& destination, const script::Lines& exe);
// The same as a command line for a Run or RunServices value: in quotation
// marks when it holds a blank, as written otherwise.
std::string ProgramCommand(const std::string& destination, const script::Lines& exe);

// The Windows folder, "\", the removal program, a blank and the short
// destination folder. Throws ListIndexError when ":unin" is empty.
std::string UninstallCommand(const CodeInputs& in);

// The data line of a registry entry with its code, if it is one (whole line,
// case-sensitive), replaced. Only the code in use reads its script line, so a
// missing line fails at the entry that needs it.
// The ":reg" codes "p" and "P" give a command line: the program quoted when
// it holds a blank, and then its first argument "%1" too.
std::string ExpandDataCode(const std::string& data, CodeSet set, const CodeInputs& in);

// The ":run" line as the command line started at the end: the destination,
// "\" and the line. Its program part (the whole line when it names the
// program alone, else the line up to its first blank, the arguments after it
// kept as written) is quoted when it holds a blank.
std::string RunCommand(const std::string& destination, const std::string& runLine, bool wholeLineIsProgram);

}  // namespace install
