// Guards of function-local statics. The programs have one thread, so a
// guard needs no lock: its first byte says whether the static is made.
#include <cxxabi.h>

namespace __cxxabiv1 {

extern "C" int __cxa_guard_acquire(__guard* guard) { return *reinterpret_cast<char*>(guard) == 0; }
extern "C" void __cxa_guard_release(__guard* guard) { *reinterpret_cast<char*>(guard) = 1; }
// The constructor threw: the next call tries again.
extern "C" void __cxa_guard_abort(__guard*) {}

}  // namespace __cxxabiv1
