#pragma once
// Another process's windows looked up through the window server alone:
// GetWindowText of a foreign window sends it nothing, so that watching a
// program does not slow it down.
#include <windows.h>

#include <string>

namespace bench {

std::string ServerText(HWND window);
// A visible top-level window of the process with this class and caption, or nullptr.
HWND FindVisible(DWORD pid, const char* windowClass, const char* caption);

}  // namespace bench
