# The 64-bit build: the same programs for 64-bit Windows (XP x64 and later,
# whose loader wants subsystem 5.2 at least).
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)

set(SHIPPED_SUBSYSTEM 5.2)
set(SHIPPED_PE_FORMAT pei-x86-64)
set(SETUP_SIZE_CAP 393216)
set(TWREMOVE_SIZE_CAP 262144)
