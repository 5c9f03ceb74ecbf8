#include "install/plan/data_codes.h"

#include "install/plan/paths.h"

namespace install {

namespace {

bool HasBlank(const std::string& path) { return path.find(' ') != std::string::npos; }

// Windows cuts an unquoted command line at its first blank and tries that
// as the program (C:\Program.exe for C:\Program Files\...): a path with a
// blank is quoted; one without stays exactly as it was.
std::string QuotedIfBlank(const std::string& path) { return HasBlank(path) ? "\"" + path + "\"" : path; }

// The program with its arguments for Windows to parse: the first one quoted
// too where the program is, so a document path with blanks stays whole.
std::string OpenCommand(const std::string& program, const char* moreArguments) {
  return QuotedIfBlank(program) + (HasBlank(program) ? " \"%1\"" : " %1") + moreArguments;
}

}  // namespace

std::string ProgramPath(const std::string& destination, const script::Lines& exe) {
  return InFolder(destination, exe.at(1));
}

std::string ProgramCommand(const std::string& destination, const script::Lines& exe) {
  return QuotedIfBlank(ProgramPath(destination, exe));
}

std::string UninstallCommand(const CodeInputs& in) {
  return InFolder(in.windowsFolder, in.unin.at(0)) + " " + in.shortDestination;
}

std::string ExpandDataCode(const std::string& data, CodeSet set, const CodeInputs& in) {
  const bool reg = set == CodeSet::Reg;
  if (data == "p") return reg ? OpenCommand(ProgramPath(in.destination, in.exe), "") : ProgramPath(in.destination, in.exe);
  if (data == "u") return UninstallCommand(in);
  if (!reg) return data;
  if (data == "P") return OpenCommand(ProgramPath(in.destination, in.exe), " %2 %3 %4 %5 %6 %7 %8 %9");
  if (data == "r") return in.destination;
  if (data == "s") return in.shortDestination;
  return data;
}

std::string RunCommand(const std::string& destination, const std::string& runLine, bool wholeLineIsProgram) {
  const std::size_t blank = wholeLineIsProgram ? std::string::npos : runLine.find(' ');
  const std::string program = destination + "\\" + runLine.substr(0, blank);
  return QuotedIfBlank(program) + (blank == std::string::npos ? "" : runLine.substr(blank));
}

}  // namespace install
