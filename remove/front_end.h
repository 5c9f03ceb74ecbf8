#pragma once
#include "remove/command_line.h"

namespace uninstall {

// The whole removal: read and check the record and the journal, ask, remove
// with the progress window, tell. Returns the exit code.
int RunRemoval(const Options& options);

// What the command line must look like, for the usage error.
inline constexpr char kUsage[] = "Usage: twremove.exe [/S] [/LOG=file] FOLDER";

}  // namespace uninstall
