// The unwinder is built from GCC's sources outside GCC's own build, which
// would generate this file: it is compiled for the target.
#define USED_FOR_TARGET
