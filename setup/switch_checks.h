#pragma once
// The switches' checks that need this machine: which folders are Windows'
// own, and the short forms the system gives.
#include "setup/command_line.h"

namespace setup {

// Refuses a /D= folder that is the Windows folder or its system folder, in
// long or short form.
void CheckDestinationFolder(Options& options);

// A usage error told where the run can tell it: in the /LOG file under /S
// (when one was given and can be made), else in the usage box.
void ReportUsageError(const Options& options);

}  // namespace setup
