# How a program that this project ships to end users is linked. Include this
# in the folder that defines it, then call shipped_program(target).

# Shipped programs link against the runtime built for Windows' own threads:
# the POSIX-thread runtime that the tests need adds 25 KB of pthread
# emulation. The compiler versions are the same.
string(REPLACE "-posix" "-win32" win32_linker "${CMAKE_CXX_COMPILER}")
if(OLD_WINDOWS)
  # Our runtime alone, between the exception tables' start and end marks.
  set(rt ${CMAKE_BINARY_DIR}/runtime)
  set(CMAKE_CXX_LINK_EXECUTABLE "${win32_linker} <FLAGS> <CMAKE_CXX_LINK_FLAGS> <LINK_FLAGS> -nostdlib -Wl,-u,_WinMainCRTStartup \
${rt}/frame_begin.o <OBJECTS> -o <TARGET> <LINK_LIBRARIES> ${rt}/libruntime.a -lkernel32 -lgcc ${rt}/frame_end.o")
else()
  set(CMAKE_CXX_LINK_EXECUTABLE
    "${win32_linker} <FLAGS> <CMAKE_CXX_LINK_FLAGS> <LINK_FLAGS> <OBJECTS> -o <TARGET> <LINK_LIBRARIES>")
endif()

# Stripped, whole-program optimised, GUI, for the PE subsystem that the
# build's toolchain file names, with the version resource, left in the build
# folder's top.
# LTO runs as one partition: GCC 12 crashes (internal compiler error in
# binds_to_current_def_p) when it partitions the x86_64 program, and one
# partition also gives the smaller 32-bit program.
function(shipped_program target description)
  version_resource(${target} "${description}")
  string(REPLACE "." ";" version "${SHIPPED_SUBSYSTEM}")
  list(GET version 0 major)
  list(GET version 1 minor)
  target_link_options(${target} PRIVATE -flto -flto-partition=one -Os -s -mwindows
    -Wl,--disable-reloc-section -Wl,--subsystem,windows:${SHIPPED_SUBSYSTEM}
    -Wl,--major-os-version,${major} -Wl,--minor-os-version,${minor})
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
  if(OLD_WINDOWS)
    # The link map tells the instruction check where the code ends: the
    # constructor list and the exception tables follow it inside .text.
    target_link_options(${target} PRIVATE -Wl,-Map,${CMAKE_BINARY_DIR}/${target}.map)
    add_dependencies(${target} runtime runtime_frames)
    set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${CMAKE_BINARY_DIR}/runtime/libruntime.a)
  else()
    # Our runtime has the plain terminate handler; MinGW's would bring its demangler.
    target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/runtime/verbose_terminate.cpp)
  endif()
endfunction()
