// Runs the C and C++ support of the 32-bit shipped programs as they use it,
// linked the way they are linked (our runtime, no msvcrt.dll). Prints each
// failed check; the exit code is the number of failures.
#include <windows.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <map>
#include <new>
#include <stdexcept>
#include <string>

namespace {

int failures = 0;

void Check(bool ok, int line, const char* what) {
  if (ok) return;
  ++failures;
  char text[300];
  const int n = wsprintfA(text, "FAIL: line %d: %s\r\n", line, what);
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text, static_cast<DWORD>(n), &written, nullptr);
}
#define CHECK(expression) Check((expression), __LINE__, #expression)

// Static construction runs before WinMain, in order within one file.
int constructed = 0;
struct Early {
  int order;
  Early() : order(++constructed) {}
};
Early first, second;

int calls = 0;
int& Counted() {
  static int value = ++calls;  // made once, on the first call
  return value;
}

int destroyed = 0;
struct Counter {
  ~Counter() { ++destroyed; }
};

struct Base : std::exception {
  const char* what() const noexcept override { return "base"; }
};
struct Derived : Base {
  const char* what() const noexcept override { return "derived"; }
};

[[noreturn]] void ThrowThroughFrames(int depth) {
  Counter local;
  if (depth == 0) throw Derived();
  ThrowThroughFrames(depth - 1);
}

void Memory() {
  void* empty = std::malloc(0);
  CHECK(empty != nullptr);
  std::free(empty);
  std::free(nullptr);
  auto* zeroed = static_cast<unsigned char*>(std::calloc(1000, 4));
  bool allZero = zeroed != nullptr;
  for (int i = 0; allZero && i < 4000; ++i) allZero = zeroed[i] == 0;
  CHECK(allZero);
  std::free(zeroed);
  volatile std::size_t tooMany = SIZE_MAX / 2;
  CHECK(std::calloc(tooMany, 4) == nullptr);
  auto* grown = static_cast<char*>(std::realloc(nullptr, 8));
  std::memcpy(grown, "1234567", 8);
  grown = static_cast<char*>(std::realloc(grown, 100000));
  CHECK(grown && std::strcmp(grown, "1234567") == 0);
  std::free(grown);

  char overlap[] = "abcdefgh";
  std::memmove(overlap + 2, overlap, 5);
  CHECK(std::strcmp(overlap, "ababcdeh") == 0);
  std::memmove(overlap, overlap + 3, 5);
  CHECK(std::strcmp(overlap, "bcdeh") == 0 || std::memcmp(overlap, "bcdeh", 5) == 0);
  const unsigned char high[] = {0x80}, low[] = {0x7f};
  CHECK(std::memcmp(high, low, 1) > 0);
  CHECK(std::strcmp("ab", "abc") < 0 && std::strcmp("b", "abc") > 0 && std::strcmp("", "") == 0);
  CHECK(std::strncmp("abcX", "abcY", 3) == 0 && std::strncmp("\xe9", "e", 1) > 0);
  const char* text = "find me";
  CHECK(std::strchr(text, 'm') == text + 5 && std::strchr(text, '\0') == text + 7 && !std::strchr(text, 'z'));
  CHECK(std::memchr(text, 'd', 7) == text + 3 && std::strlen(text) == 7);
  char filled[5];
  std::memset(filled, 'x', 4);
  filled[4] = '\0';
  CHECK(std::strcmp(filled, "xxxx") == 0);
}

void Exceptions() {
  destroyed = 0;
  try {
    ThrowThroughFrames(3);
  } catch (const Base& error) {
    CHECK(std::strcmp(error.what(), "derived") == 0);
  }
  CHECK(destroyed == 4);  // every frame's local, on the way out

  bool rethrown = false;
  try {
    try {
      throw std::string("text");
    } catch (...) {
      throw;
    }
  } catch (const std::string& s) {
    rethrown = s == "text";
  }
  CHECK(rethrown);

  bool outOfRange = false;
  try {
    std::string("abc").at(10);
  } catch (const std::exception& error) {
    outOfRange = error.what() != nullptr;
  }
  CHECK(outOfRange);

  bool badAlloc = false;
  try {
    volatile std::size_t huge = SIZE_MAX / 2;
    char* volatile block = new char[huge];  // kept: a new and delete pair may be left out
    delete[] block;
  } catch (const std::bad_alloc&) {
    badAlloc = true;
  }
  CHECK(badAlloc);
}

// 64-bit division, which the 32-bit processor leaves to the runtime.
void Division() {
  volatile unsigned long long big = 0x123456789ABCDEF0ull, divisor = 0x12345;
  CHECK(big / divisor == 0x100005b00205ull && big % divisor == 0xa497);
  volatile long long negative = -0x123456789ABCDEFll, by = 0x1234567;
  CHECK(negative / by == -4294967417ll && negative % by == -64);
}

// The x87 control word the start-up leaves: MinGW's (64-bit mantissas,
// round to nearest, every exception masked), not the system's 53-bit one.
void FloatingPoint() {
  unsigned short control = 0;
  __asm__ __volatile__("fnstcw %0" : "=m"(control));
  CHECK(control == 0x37F);
}

void Library() {
  std::string s;
  for (int i = 0; i < 20000; ++i) s += "abcde";
  CHECK(s.size() == 100000 && s.find("eab", 99990) == 99994 && s.substr(3, 4) == "deab");
  std::map<std::string, int> map;
  for (const char* key : {"pear", "apple", "fig", "apple"}) ++map[key];
  map.erase("fig");
  std::string order;
  for (const auto& [key, count] : map) order += key + std::to_string(count);
  CHECK(order == "apple2pear1");
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  CHECK(first.order == 1 && second.order == 2);
  CHECK(Counted() == 1 && Counted() == 1 && calls == 1);
  Memory();
  Exceptions();
  Division();
  FloatingPoint();
  Library();
  return failures;
}
