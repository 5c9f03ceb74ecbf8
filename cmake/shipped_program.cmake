# A program shipped to Windows 95 and NT 4: linked against the runtime built
# for Windows' own threads (the POSIX-thread runtime that the tests need adds
# 25 KB of pthread emulation; the compiler versions are the same), optimised
# whole for size, stripped, PE subsystem 4.0, left in the build folder.
# A macro, so that the link rule is set for the calling folder.
macro(shipped_program target)
  string(REPLACE "-posix" "-win32" win32_linker "${CMAKE_CXX_COMPILER}")
  set(CMAKE_CXX_LINK_EXECUTABLE
    "${win32_linker} <FLAGS> <CMAKE_CXX_LINK_FLAGS> <LINK_FLAGS> <OBJECTS> -o <TARGET> <LINK_LIBRARIES>")
  target_link_options(${target} PRIVATE -flto ${ARGN} -Os -s -mwindows -Wl,--disable-reloc-section
    -Wl,--subsystem,windows:4.0 -Wl,--major-os-version,4 -Wl,--minor-os-version,0)
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
endmacro()
