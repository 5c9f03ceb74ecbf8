#include "install/plan/driver_lines.h"

#include <string_view>

namespace install {

bool DropDriverLines(std::string& text) {
  constexpr std::string_view kDriver = "qzmnd";
  std::string kept;
  bool changed = false;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t lf = text.find('\n', start);
    const std::size_t end = lf == std::string::npos ? text.size() : lf + 1;
    const std::string_view line(text.data() + start, end - start);
    if (line.find(kDriver) != std::string_view::npos)
      changed = true;
    else
      kept.append(line);
    start = end;
  }
  if (changed) text.swap(kept);
  return changed;
}

}  // namespace install
