#include "install/plan/wininit.h"

#include "script/lines.h"

namespace install {

std::string AddMoveAtRestart(const std::string& text, const std::string& destination, const std::string& source) {
  script::Lines lines = script::SplitLines(text);
  const std::string entry = destination + "=" + source;
  std::size_t at = lines.size();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (script::LowerAscii(lines.at(i)) != "[rename]") continue;
    at = i + 1;
    // After the section's last entry, before any blank lines that end it.
    for (std::size_t j = i + 1; j < lines.size() && (lines.at(j).empty() || lines.at(j)[0] != '['); ++j)
      if (!lines.at(j).empty()) at = j + 1;
    lines.insert(at, entry);
    return script::JoinLines(lines);
  }
  lines.add("[rename]");
  lines.add(entry);
  return script::JoinLines(lines);
}

}  // namespace install
