// Tells by its exit code which way a file is replaced in this prefix: 40 for
// the one-step rename of Windows NT, 95 for the backup sequence of 95 and 98.
#include <windows.h>

#include "platform/system.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return platform::ReplacesInOneStep() ? 40 : 95; }
