#pragma once
#include <string>

namespace install {

// The 8.3 form of a path, whole however long. When the system gives none
// (the path does not exist, or the volume keeps no short names) the path
// itself: it still names the same place, where an empty text would name none.
std::string ShortPathOrLong(const std::string& path);

}  // namespace install
