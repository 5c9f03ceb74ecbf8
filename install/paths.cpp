#include "install/paths.h"

namespace install {

std::string InFolder(const std::string& folder, const std::string& name) {
  if (!folder.empty() && folder.back() == '\\') return folder + name;
  return folder + "\\" + name;
}

std::string ExtractFileName(const std::string& path) {
  const auto cut = path.find_last_of("\\:");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string ExtractFilePath(const std::string& path) {
  const auto cut = path.find_last_of("\\:");
  return cut == std::string::npos ? "" : path.substr(0, cut + 1);
}

}  // namespace install
