#include "platform/system.h"

#include <windows.h>

#include <vector>

#include "platform/handle.h"
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
  // Without the privilege Windows NT refuses the restart, and the user who
  // answered Yes would see nothing happen.
  EnableShutdownPrivilege();
  ExitWindowsEx(EWX_REBOOT, 0);
}

bool EnableShutdownPrivilege() {
  HANDLE raw = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &raw)) return false;
  const FileHandle token(raw);
  TOKEN_PRIVILEGES privileges{};
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  if (!LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &privileges.Privileges[0].Luid)) return false;
  // Success is partial when the privilege is not held: ERROR_NOT_ALL_ASSIGNED.
  return AdjustTokenPrivileges(token.get(), FALSE, &privileges, 0, nullptr, nullptr) &&
         GetLastError() == ERROR_SUCCESS;
}

bool IsWindowsNt() { return (GetVersion() & 0x80000000u) == 0; }

void StartProgram(const std::string& commandLine) { WinExec(commandLine.c_str(), SW_SHOWNORMAL); }

}  // namespace platform
