// A program built for the Pentium 4 (tests/CMakeLists.txt): the instruction
// check of the shipped programs must refuse it and name what it found.
#include <windows.h>

namespace {

volatile double left = 1, right = 2;
volatile int flag = 1;
char buffer[64];

// A choice between two doubles: FCMOV on a Pentium Pro or later.
__attribute__((noinline)) double Pick(double a, double b, int which) { return which ? a : b; }

// The long NOP that assemblers pad with for a Pentium Pro or later, cache
// hints and fences.
__attribute__((noinline)) void Touch() {
  __asm__ __volatile__("nopl 0(%eax)");
  __builtin_prefetch(buffer);
  __builtin_ia32_sfence();
  __builtin_ia32_lfence();
  __builtin_ia32_mfence();
  __builtin_ia32_clflush(buffer);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  Touch();
  return static_cast<int>(Pick(left, right, flag));
}
