// The default terminate handler that std::set_terminate(nullptr) restores.
// No demangled message: a GUI program has no console to print it to. In a
// file of its own, so that a program defining its own handler links.
#include <cstdlib>

namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx
