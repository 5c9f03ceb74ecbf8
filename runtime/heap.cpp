// malloc and operator new on the process heap, which every Windows has.
#include <windows.h>

#include <cstddef>
#include <cstring>
#include <new>

extern "C" {

void* malloc(size_t size) { return HeapAlloc(GetProcessHeap(), 0, size ? size : 1); }

void free(void* block) {
  if (block) HeapFree(GetProcessHeap(), 0, block);
}

void* calloc(size_t count, size_t size) {
  if (size && count > static_cast<size_t>(-1) / size) return nullptr;
  return HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, count * size ? count * size : 1);
}

void* realloc(void* block, size_t size) {
  if (!block) return malloc(size);
  if (!size) {
    free(block);
    return nullptr;
  }
  return HeapReAlloc(GetProcessHeap(), 0, block, size);
}

}  // extern "C"

void* operator new(std::size_t size) {
  if (void* block = malloc(size)) return block;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return malloc(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return malloc(size); }
void operator delete(void* block) noexcept { free(block); }
void operator delete[](void* block) noexcept { free(block); }
void operator delete(void* block, std::size_t) noexcept { free(block); }
void operator delete[](void* block, std::size_t) noexcept { free(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { free(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { free(block); }
