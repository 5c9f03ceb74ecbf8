// The program's entry point: what the C runtime's start-up would do, for a
// GUI program that has only WinMain. Registers the exception tables, runs
// the static constructors, calls WinMain, then the exit handlers.
#include <windows.h>

#include "runtime/exit_handlers.h"

extern "C" {
// Bounds of the static constructor table, laid out by the linker: -1, the
// constructors, 0.
extern void (*__CTOR_LIST__[])();
// The first byte of the exception frame tables: frame_begin.s, linked first.
extern const char __EH_FRAME_BEGIN__[];
// The unwinder's frame registry (libgcc's unwind-dw2-fde.c).
void __register_frame_info(const void* begin, void* object);
void* __deregister_frame_info(const void* begin);
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int);
}

namespace {

// The unwinder keeps its own record of the table here: the size of libgcc's
// struct object, with room to spare.
void* frameObject[8];

void RunConstructors() {
  int count = 0;
  while (__CTOR_LIST__[count + 1]) ++count;
  // Last to first, as the linker collects them in reverse order of priority.
  for (int i = count; i >= 1; --i) __CTOR_LIST__[i]();
}

// The command line after the program's name, as WinMain wants it.
LPSTR Arguments() {
  char* p = GetCommandLineA();
  if (*p == '"') {
    ++p;
    while (*p && *p != '"') ++p;
    if (*p) ++p;
  } else {
    while (*p && *p != ' ' && *p != '\t') ++p;
  }
  while (*p == ' ' || *p == '\t') ++p;
  return p;
}

int ShowCommand() {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  GetStartupInfoA(&startup);
  return (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : SW_SHOWDEFAULT;
}

}  // namespace

extern "C" void WinMainCRTStartup() {
  // The x87 unit as MinGW's start-up leaves it (control word 0x37F: 64-bit
  // mantissas, round to nearest, exceptions masked), not the system's 53-bit
  // default, so that both builds compute alike.
  __asm__ __volatile__("fninit");
  __register_frame_info(__EH_FRAME_BEGIN__, frameObject);
  RunConstructors();
  const int code = WinMain(GetModuleHandleA(nullptr), nullptr, Arguments(), ShowCommand());
  runtime::RunExitHandlers();
  __deregister_frame_info(__EH_FRAME_BEGIN__);
  ExitProcess(static_cast<UINT>(code));
}
