/* Quotient and remainder in one call, as the compiler asks for both; apart
   from divide.c because libgcc2.c builds it only on its own. */
#define L_udivmoddi4
#include "libgcc2.c"
