#include "install/data_codes.h"

#include "install/paths.h"

namespace install {

std::string ProgramCommand(const std::string& destination, const script::Lines& exe) {
  return InFolder(destination, exe.at(1));
}

std::string UninstallCommand(const CodeInputs& in) {
  return InFolder(in.windowsFolder, in.uninst.at(0)) + " " + in.shortDestination;
}

std::string ExpandDataCode(const std::string& data, CodeSet set, const CodeInputs& in) {
  const bool reg = set == CodeSet::Reg;
  if (data == "p") return ProgramCommand(in.destination, in.exe) + (reg ? " %1" : "");
  if (data == "u") return UninstallCommand(in);
  if (!reg) return data;
  if (data == "P") return ProgramCommand(in.destination, in.exe) + " %1 %2 %3 %4 %5 %6 %7 %8 %9";
  if (data == "r") return in.destination;
  if (data == "s") return in.shortDestination;
  return data;
}

}  // namespace install
