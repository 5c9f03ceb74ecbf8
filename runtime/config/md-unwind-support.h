// The Windows frame fallbacks that GCC's build would name here.
#include "config/i386/w32-unwind.h"
