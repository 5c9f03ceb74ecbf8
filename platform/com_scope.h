#pragma once
#include <objbase.h>

namespace platform {

// COM for the calling thread for the life of the object.
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
