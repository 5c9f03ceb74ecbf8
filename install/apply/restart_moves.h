#pragma once
// A file in use can be neither replaced nor removed until Windows starts
// again: the move is left to Windows for its next start.
#include <string>

namespace install {

// Moves `source` over `target` at the next start of Windows, or deletes
// `source` when `target` is "". Windows NT does it through MoveFileEx;
// Windows 95 and 98 do not support that and read wininit.ini's [rename]
// section instead. False when it cannot be arranged.
bool MoveAtRestart(const std::string& source, const std::string& target);

}  // namespace install
