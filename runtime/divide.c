/* 64-bit division for the 32-bit programs, from GCC's own libgcc2.c, built
   here for the Pentium instead of taken prebuilt. */
#define L_udivdi3
#define L_umoddi3
#define L_divdi3
#define L_moddi3
#include "libgcc2.c"
