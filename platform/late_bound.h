#pragma once
#include <windows.h>

namespace platform {

// A system function that not every Windows this program runs on has in
// working form (Windows 95 and NT 4.0 lack some, or export only a stub), or
// one in a library that only a later step needs (comctl32, ole32, shell32 and
// version cost more to load under Wine than the rest of the start-up), so it is
// looked up when first needed instead of imported. Null when the system
// does not have it; callers keep a path for that case.
template <typename Function>
Function LateBound(const char* module, const char* name) {
  HMODULE handle = GetModuleHandleA(module);
  if (!handle) handle = LoadLibraryA(module);  // stays loaded: the process uses it to the end
  return handle ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(handle, name))) : nullptr;
}

// True on Windows NT, where the NT-only calls work; false on 95 and 98.
inline bool IsWindowsNT() { return (GetVersion() & 0x80000000u) == 0; }

}  // namespace platform
