#include "install/plan/paths.h"

#include "platform/path_chars.h"
#include "script/lines.h"

namespace install {

std::string InFolder(const std::string& folder, const std::string& name) {
  if (platform::EndsWithBackslash(folder)) return folder + name;
  return folder + "\\" + name;
}

bool InsideFolder(const std::string& path, const std::string& folder) {
  const std::string head = platform::EndsWithBackslash(folder) ? folder : folder + "\\";
  return path.size() > head.size() && script::LowerAscii(path.substr(0, head.size())) == script::LowerAscii(head);
}

std::string ExtractFileName(const std::string& path) {
  const auto cut = platform::LastDelimiter(path, "\\:");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string ExtractFilePath(const std::string& path) {
  const auto cut = platform::LastDelimiter(path, "\\:");
  return cut == std::string::npos ? "" : path.substr(0, cut + 1);
}

}  // namespace install
