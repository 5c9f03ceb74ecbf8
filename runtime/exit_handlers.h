#pragma once

namespace runtime {
// Runs what atexit and __cxa_atexit registered, last first (static
// destructors among them).
void RunExitHandlers();
}  // namespace runtime
