#pragma once
#include <objbase.h>

namespace platform {

// COM for the life of the scope, for the shell's objects (shortcuts):
// initialised on this thread, and uninitialised again only when it was.
class ComScope {
 public:
  ComScope() : ready_(SUCCEEDED(CoInitialize(nullptr))) {}
  ~ComScope() {
    if (ready_) CoUninitialize();
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;

 private:
  bool ready_;
};

}  // namespace platform
