#pragma once
#include <string>

namespace platform {

// Asks Windows to restart (ExitWindowsEx with EWX_REBOOT), after enabling the
// shutdown privilege that Windows NT asks for; the result is not tested. When the environment names a file in SETUP_RESTART_LOG, the request
// is written there instead, so that a test run restarts nothing.
void RequestRestart();

// Enables the shutdown privilege in the process token. False where there is no
// token to change (Windows 95, which restarts without one) or the privilege
// is not held.
bool EnableShutdownPrivilege();

// Windows NT, 2000 and later; false on Windows 95, 98 and Me, where
// MoveFileEx does not work.
bool IsWindowsNt();

// Starts a command line with WinExec and SW_SHOWNORMAL; the result is not tested.
void StartProgram(const std::string& commandLine);

}  // namespace platform
