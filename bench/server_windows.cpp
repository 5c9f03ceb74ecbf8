#include "server_windows.h"

#include "driver.h"

namespace bench {

std::string ServerText(HWND window) {
  char text[256] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

HWND FindVisible(DWORD pid, const char* windowClass, const char* caption) {
  for (HWND w : driver::TopLevelWindows(pid)) {
    char name[64] = {};
    GetClassNameA(w, name, sizeof name);
    if (std::string(name) == windowClass && ServerText(w) == caption) return w;
  }
  return nullptr;
}

}  // namespace bench
