# The 32-bit build: the programs for Windows 95, 98 and NT 4.0.
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)

# PE subsystem version of the shipped programs, the PE format objdump names,
# and the size that setup.exe must stay within (bytes).
set(SHIPPED_SUBSYSTEM 4.0)
set(SHIPPED_PE_FORMAT pei-i386)
set(SETUP_SIZE_CAP 262144)
