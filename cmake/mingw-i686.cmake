# The 32-bit build: the programs for Windows 95, 98 and NT 4.0.
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)

# PE subsystem version of the shipped programs, the PE format objdump names,
# and the sizes that setup.exe and twremove.exe must stay within (bytes).
set(SHIPPED_SUBSYSTEM 4.0)
set(SHIPPED_PE_FORMAT pei-i386)
set(SETUP_SIZE_CAP 262144)
set(TWREMOVE_SIZE_CAP 184320)
# For the Pentium: no CMOV, FCOMI or anything newer in any code that goes
# into a shipped program, which also links the runtime of our own (runtime/)
# instead of MinGW's, for Windows 95 has no msvcrt.dll.
set(CMAKE_C_FLAGS_INIT -march=i586)
set(CMAKE_CXX_FLAGS_INIT -march=i586)
# The shipped programs' files are also checked against what Windows 95 and
# NT 4.0 export, and for Pentium instructions (tests/check-exe).
set(OLD_WINDOWS ON)
