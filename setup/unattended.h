#pragma once
#include "setup/command_line.h"

namespace setup {

// The exit codes of an unattended run (and of a usage error).
enum ExitCode : int {
  kInstalled = 0,
  kNotAllowed = 1,     // the licence not accepted, or No to a disk too small
  kUsageError = 2,     // nothing was done
  kFilesFailed = 3,    // installed, but some files could not be copied
  kStopped = 4,        // a step raised an error: nothing after it was done
  kRunning = 5,        // the product is running
  kValuesNotWritten = 6,  // installed, but some registry values could not be written
  kRestartNeeded = 3010,
};

// The install with every question answered from the switches, no window made
// and each step written to the /LOG file.
int RunUnattended(const Options& options);

}  // namespace setup
