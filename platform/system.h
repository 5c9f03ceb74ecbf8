#pragma once
#include <string>

namespace platform {

// Asks Windows to restart (ExitWindowsEx with EWX_REBOOT); the result is not
// tested. When the environment names a file in SETUP_RESTART_LOG, the request
// is written there instead, so that a test run restarts nothing.
void RequestRestart();

// Starts a command line with WinExec and SW_SHOWNORMAL; the result is not tested.
void StartProgram(const std::string& commandLine);

}  // namespace platform
