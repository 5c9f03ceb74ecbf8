#include "install/apply/short_path.h"

#include "platform/files.h"

namespace install {

std::string ShortPathOrLong(const std::string& path) {
  std::string shortPath = platform::ShortPathName(path);
  return shortPath.empty() ? path : shortPath;
}

}  // namespace install
