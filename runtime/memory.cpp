// The C library's memory and string functions that the program, the C++
// library and the unwinder call. Built without the compiler's builtins, so
// that these loops are not turned back into calls to themselves.
#include <cstddef>

extern "C" {

void* memcpy(void* to, const void* from, size_t n) {
  auto* d = static_cast<unsigned char*>(to);
  const auto* s = static_cast<const unsigned char*>(from);
  while (n--) *d++ = *s++;
  return to;
}

void* memmove(void* to, const void* from, size_t n) {
  auto* d = static_cast<unsigned char*>(to);
  const auto* s = static_cast<const unsigned char*>(from);
  if (d <= s || d >= s + n) return memcpy(to, from, n);
  while (n--) d[n] = s[n];
  return to;
}

void* memset(void* to, int value, size_t n) {
  auto* d = static_cast<unsigned char*>(to);
  while (n--) *d++ = static_cast<unsigned char>(value);
  return to;
}

int memcmp(const void* a, const void* b, size_t n) {
  const auto* x = static_cast<const unsigned char*>(a);
  const auto* y = static_cast<const unsigned char*>(b);
  for (; n; --n, ++x, ++y) {
    if (*x != *y) return *x < *y ? -1 : 1;
  }
  return 0;
}

void* memchr(const void* block, int value, size_t n) {
  const auto* p = static_cast<const unsigned char*>(block);
  for (; n; --n, ++p) {
    if (*p == static_cast<unsigned char>(value)) return const_cast<unsigned char*>(p);
  }
  return nullptr;
}

size_t strlen(const char* s) {
  const char* p = s;
  while (*p) ++p;
  return static_cast<size_t>(p - s);
}

size_t strnlen(const char* s, size_t limit) {
  size_t n = 0;
  while (n < limit && s[n]) ++n;
  return n;
}

int strncmp(const char* a, const char* b, size_t n) {
  for (; n; --n, ++a, ++b) {
    const auto x = static_cast<unsigned char>(*a);
    const auto y = static_cast<unsigned char>(*b);
    if (x != y) return x < y ? -1 : 1;
    if (!x) break;
  }
  return 0;
}

int strcmp(const char* a, const char* b) { return strncmp(a, b, static_cast<size_t>(-1)); }

char* strchr(const char* s, int c) {
  for (;; ++s) {
    if (*s == static_cast<char>(c)) return const_cast<char*>(s);
    if (!*s) return nullptr;
  }
}

}  // extern "C"
