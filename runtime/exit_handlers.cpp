// atexit and __cxa_atexit: the compiler registers each static object's
// destructor through one of them as the object is constructed.
#include "runtime/exit_handlers.h"

#include <cstdlib>

namespace {

struct Handler {
  void (*function)(void*);
  void* argument;
};

Handler* handlers = nullptr;
int count = 0;
int capacity = 0;

int Add(void (*function)(void*), void* argument) {
  if (count == capacity) {
    const int grown = capacity ? capacity * 2 : 16;
    void* more = std::realloc(handlers, grown * sizeof(Handler));
    if (!more) return -1;
    handlers = static_cast<Handler*>(more);
    capacity = grown;
  }
  handlers[count++] = {function, argument};
  return 0;
}

void CallPlain(void* function) { reinterpret_cast<void (*)()>(function)(); }

}  // namespace

extern "C" {
void* __dso_handle = nullptr;

int __cxa_atexit(void (*function)(void*), void* argument, void*) { return Add(function, argument); }

int atexit(void (*function)()) { return Add(CallPlain, reinterpret_cast<void*>(function)); }
}

namespace runtime {
void RunExitHandlers() {
  // A handler may register another; it runs too.
  while (count > 0) {
    const Handler h = handlers[--count];
    h.function(h.argument);
  }
  std::free(handlers);
  handlers = nullptr;
  capacity = 0;
}
}  // namespace runtime
