#include "install/paths.h"

namespace install {

std::string InFolder(const std::string& folder, const std::string& name) {
  if (!folder.empty() && folder.back() == '\\') return folder + name;
  return folder + "\\" + name;
}

}  // namespace install
