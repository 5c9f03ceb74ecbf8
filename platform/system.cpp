#include "platform/system.h"

#include <windows.h>

#include <vector>

#include "platform/handle.h"
#include "platform/late_bound.h"
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
  // Windows 95 and 98 have no tokens: their advapi32 exports only stubs.
  const auto openToken = LateBound<decltype(&OpenProcessToken)>("advapi32.dll", "OpenProcessToken");
  const auto lookup = LateBound<decltype(&LookupPrivilegeValueA)>("advapi32.dll", "LookupPrivilegeValueA");
  const auto adjust = LateBound<decltype(&AdjustTokenPrivileges)>("advapi32.dll", "AdjustTokenPrivileges");
  if (!IsWindowsNT() || !openToken || !lookup || !adjust) return false;
  HANDLE raw = nullptr;
  if (!openToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &raw)) return false;
  const FileHandle token(raw);
  TOKEN_PRIVILEGES privileges{};
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  if (!lookup(nullptr, "SeShutdownPrivilege", &privileges.Privileges[0].Luid)) return false;
  // Success is partial when the privilege is not held: ERROR_NOT_ALL_ASSIGNED.
  return adjust(token.get(), FALSE, &privileges, 0, nullptr, nullptr) && GetLastError() == ERROR_SUCCESS;
}


void StartProgram(const std::string& commandLine) { WinExec(commandLine.c_str(), SW_SHOWNORMAL); }

// The high bit of GetVersion is set on Windows 95, 98 and Me.
bool ReplacesInOneStep() { return IsWindowsNT(); }

}  // namespace platform
