// The programs have one thread: the unwinder's locks are no-ops.
#include "gthr-single.h"
