#include "platform/system.h"

#include <windows.h>

#include <vector>

#include "platform/text_file.h"

namespace platform {

void RequestRestart() {
  const DWORD n = GetEnvironmentVariableA("SETUP_RESTART_LOG", nullptr, 0);
  if (n > 0) {
    std::vector<char> path(n);
    GetEnvironmentVariableA("SETUP_RESTART_LOG", path.data(), n);
    WriteTextFile(path.data(), "ExitWindowsEx EWX_REBOOT\r\n");
    return;
  }
  ExitWindowsEx(EWX_REBOOT, 0);
}

void StartProgram(const std::string& commandLine) { WinExec(commandLine.c_str(), SW_SHOWNORMAL); }

}  // namespace platform
