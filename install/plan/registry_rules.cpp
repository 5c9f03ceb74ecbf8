#include "install/plan/registry_rules.h"

#include <iterator>

namespace install {

RegEntry ReadRegEntry(const script::Lines& list, std::size_t first) {
  RegEntry entry{list.at(first), list.at(first + 1), list.at(first + 2), list.at(first + 3)};
  if (entry.valueName == "**") entry.valueName.clear();
  return entry;
}

std::optional<std::size_t> RootKeyIndex(const std::string& name) {
  static const char* const names[] = {
      "HKEY_CLASSES_ROOT",     "HKEY_CURRENT_USER",   "HKEY_LOCAL_MACHINE", "HKEY_USERS",
      "HKEY_PERFORMANCE_DATA", "HKEY_CURRENT_CONFIG", "HKEY_DYN_DATA",
  };
  static_assert(std::size(names) == kRootKeyCount);
  for (std::size_t i = 0; i < kRootKeyCount; ++i)
    if (name == names[i]) return i;
  return std::nullopt;
}

Setting SplitSetting(const std::string& line) {
  const auto comma = line.find(',');
  if (comma == std::string::npos) return {line, line};
  return {line.substr(0, comma), line.substr(comma + 1)};
}

bool IsProductSettings(const script::Lines& lines) {
  return lines.size() >= 2 && lines.at(0) == "Marrowgate";
}

bool NamesSubkey(const std::string& line) {
  const std::size_t start = !line.empty() && line[0] == '\\' ? 1 : 0;
  return line.size() > start && line[start] != '\\';
}

}  // namespace install
