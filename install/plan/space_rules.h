#pragma once
// The free-space check before the copy phase, as far as it needs no file
// system: which drive a path is on, and the question to the user.
#include <cstdint>
#include <string>

namespace install {

// The root of the drive a full path lies on: "C:\" for C:\..., "\\server\share\"
// for a network path; "" when the path names none (a relative path).
std::string DriveRoot(const std::string& path);

// "There is not enough space on drive X: to install <title>. N KB are needed
// and M KB are free. Continue anyway?" with the root's trailing backslash
// dropped; the needed kilobytes rounded up, the free ones down.
std::string NotEnoughSpaceText(const std::string& root, const std::string& title, std::uint64_t neededBytes,
                               std::uint64_t freeBytes);

}  // namespace install
