#include "install/plan/file_rules.h"

namespace install {

namespace {

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

std::string InstalledName(const std::string& line, char lastCharacter) {
  static const struct {
    const char* line;
    const char* name;
  } dataFiles[] = {
      {"file1.dat", "kofxq11.dll"}, {"file2.dat", "qzmnd.386"}, {"file3.dat", "halter1.vbx"},
      {"file4.dat", "wqdll.dll"},   {"file5.dat", "wqdrv.vxd"},
  };
  for (const auto& data : dataFiles)
    if (line == data.line) return data.name;
  if (line.empty() || line.back() != '_') return line;
  std::string name = script::LowerAscii(line.substr(0, line.size() - 1));
  if (lastCharacter != 0) return name + script::LowerAscii(std::string(1, lastCharacter));
  // Only the two extensions whose lost letter is known get it back: EX_ was
  // exe, DL_ was dll. Any other name keeps what is left (READ.TX_ gives
  // read.tx, not read.txe).
  if (EndsWith(name, ".ex")) name += 'e';
  if (EndsWith(name, ".dl")) name += 'l';
  return name;
}

std::optional<std::string> DirectivePrefix(const std::string& line, const std::string& windowsFolder,
                                           const std::string& destination) {
  if (line.empty() || line[0] != ':') return std::nullopt;
  const std::string rest = line.substr(1);
  if (rest == "win") return windowsFolder + "\\";
  if (rest == "win\\system") return windowsFolder + "\\system\\";
  if (rest == "install") return destination + "\\";
  return rest;
}

int ProgressPosition(std::size_t index, std::size_t count) {
  if (count < 2) return 100;
  // The position is defined as the share index / (count - 1), rounded to a
  // 64-bit mantissa, times 100, rounded again, truncated. Worked out in
  // integers, so that no state of the x87 unit (53-bit precision, which a
  // DLL loaded into the process may set) can change it. Where 100 * index
  // is no multiple of count - 1, the two roundings are far too small to
  // cross an integer: the exact quotient's integer part is the result.
  // Where it is, the share is exactly k/100, and for k = 53 and 59 the
  // rounded share falls below it, so the extended product is k - 1.
  const auto divisor = static_cast<unsigned long long>(count - 1);
  const auto scaled = static_cast<unsigned long long>(index) * 100;
  const int whole = static_cast<int>(scaled / divisor);
  if (scaled % divisor == 0 && (whole == 53 || whole == 59)) return whole - 1;
  return whole;
}

bool IsJournaled(const std::string& installedName) { return installedName != "twremove.exe"; }

bool IsRecorded(const std::string& line, const std::string& installedName) {
  return IsJournaled(installedName) && line.compare(0, 4, "file") != 0;
}

KeepList::KeepList(const script::Lines& keep) {
  for (const auto& name : keep) names_.insert(script::LowerAscii(name));
}

bool KeepList::Contains(const std::string& fileName) const {
  return names_.count(script::LowerAscii(fileName)) != 0;
}

}  // namespace install
