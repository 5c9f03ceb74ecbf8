#pragma once
#include <objbase.h>

#include "platform/late_bound.h"

namespace platform {

// COM for the life of the scope, for the shell's objects (shortcuts):
// initialised on this thread, and uninitialised again only when it was.
class ComScope {
 public:
  ComScope() {
    static const auto initialize = LateBound<decltype(&CoInitialize)>("ole32.dll", "CoInitialize");
    ready_ = initialize && SUCCEEDED(initialize(nullptr));
  }
  ~ComScope() {
    static const auto uninitialize = LateBound<decltype(&CoUninitialize)>("ole32.dll", "CoUninitialize");
    if (ready_) uninitialize();
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;

 private:
  bool ready_;
};

}  // namespace platform
