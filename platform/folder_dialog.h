#pragma once
#include <windows.h>

#include <optional>
#include <string>

namespace platform {

// The system's folder picker; the chosen folder, or nothing when cancelled.
std::optional<std::string> BrowseForFolder(HWND owner, const std::string& initial);

}  // namespace platform
