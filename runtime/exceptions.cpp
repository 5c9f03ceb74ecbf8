// What the C++ exception machinery needs beside the unwinder and the
// personality routine, for a program with one thread: the per-thread
// exception state, exception memory, the terminate handler, and the C++
// library's error paths.
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <exception>
#include <new>

#include "unwind-cxx.h"

namespace {

// Thrown where the C++ library reports misuse or exhaustion (a length past
// max_size(), an index out of range): the message reaches the program's
// error box like any other exception.
class LibraryFailure : public std::exception {
 public:
  explicit LibraryFailure(const char* message) : message_(message) {}
  const char* what() const noexcept override { return message_; }

 private:
  const char* message_;
};

__cxxabiv1::__cxa_eh_globals globals;

}  // namespace

extern "C" {

void abort() { ExitProcess(3); }

}  // extern "C"

namespace __cxxabiv1 {

// The program has one thread, so one set of exception state serves.
extern "C" __cxa_eh_globals* __cxa_get_globals_fast() noexcept { return &globals; }
extern "C" __cxa_eh_globals* __cxa_get_globals() noexcept { return &globals; }

// An exception object is allocated with its header in front, zeroed as the
// unwinder expects. Out of memory, there is nothing left to throw with.
extern "C" void* __cxa_allocate_exception(std::size_t size) noexcept {
  const std::size_t total = size + sizeof(__cxa_refcounted_exception);
  void* block = std::calloc(1, total);
  if (!block) std::terminate();
  return static_cast<char*>(block) + sizeof(__cxa_refcounted_exception);
}

extern "C" void __cxa_free_exception(void* object) noexcept {
  std::free(static_cast<char*>(object) - sizeof(__cxa_refcounted_exception));
}

extern "C" __cxa_dependent_exception* __cxa_allocate_dependent_exception() noexcept {
  void* block = std::calloc(1, sizeof(__cxa_dependent_exception));
  if (!block) std::terminate();
  return static_cast<__cxa_dependent_exception*>(block);
}

extern "C" void __cxa_free_dependent_exception(__cxa_dependent_exception* object) noexcept { std::free(object); }

// No demangled message on the way out: there is no console to print it to.
std::terminate_handler __terminate_handler = std::abort;

extern "C" void __cxa_pure_virtual() { std::terminate(); }

}  // namespace __cxxabiv1

namespace std {

void __throw_bad_alloc() { throw bad_alloc(); }
void __throw_bad_array_new_length() { throw bad_alloc(); }
void __throw_length_error(const char* message) { throw LibraryFailure(message); }
void __throw_logic_error(const char* message) { throw LibraryFailure(message); }
void __throw_out_of_range(const char* message) { throw LibraryFailure(message); }
// The format's arguments are left out: the pattern names the failing call.
void __throw_out_of_range_fmt(const char* format, ...) { throw LibraryFailure(format); }
void __throw_invalid_argument(const char* message) { throw LibraryFailure(message); }
void __throw_bad_function_call() { throw LibraryFailure("bad function call"); }

}  // namespace std
