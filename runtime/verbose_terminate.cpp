// The terminate handler of the shipped programs, also the default that
// std::set_terminate(nullptr) restores. The C++ library's own prints the
// demangled type of an uncaught exception, and its demangler alone weighs
// 46 KB; errors never leave a window procedure or the message loop here, and
// a GUI program has no console, so a plain abort serves. In a file of its
// own: part of our runtime in the 32-bit build, added to each shipped
// program in the 64-bit one.
#include <cstdlib>

namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx
