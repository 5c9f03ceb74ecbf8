#include "install/plan/space_rules.h"

#include "platform/path_chars.h"

namespace install {

std::string DriveRoot(const std::string& path) {
  if (path.size() >= 2 && path[1] == ':') return path.substr(0, 2) + "\\";
  if (path.rfind("\\\\", 0) != 0) return "";
  // \\server\share\: the backslash after the share's name ends the root.
  const std::size_t server = platform::NextDelimiter(path, 2, "\\");
  if (server == std::string::npos) return "";
  const std::size_t share = platform::NextDelimiter(path, server + 1, "\\");
  return share == std::string::npos ? path + "\\" : path.substr(0, share + 1);
}

std::string NotEnoughSpaceText(const std::string& root, const std::string& title, std::uint64_t neededBytes,
                               std::uint64_t freeBytes) {
  return "There is not enough space on drive " + platform::WithoutTrailingBackslash(root) + " to install " +
         title + ". " + std::to_string((neededBytes + 1023) / 1024) + " KB are needed and " +
         std::to_string(freeBytes / 1024) + " KB are free. Continue anyway?";
}

}  // namespace install
