# The author's tool's rules: plain C++ over the script reader and the engine's
# Win32-free rules. Included by the Windows build, the host build of setupkit
# and the native sanitizer build.
add_library(kit STATIC
  ${CMAKE_CURRENT_LIST_DIR}/check.cpp
  ${CMAKE_CURRENT_LIST_DIR}/diagnostics.cpp
  ${CMAKE_CURRENT_LIST_DIR}/disk_set.cpp
  ${CMAKE_CURRENT_LIST_DIR}/file_set.cpp
  ${CMAKE_CURRENT_LIST_DIR}/layout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/plan.cpp
  ${CMAKE_CURRENT_LIST_DIR}/szdd_compress.cpp
)
target_include_directories(kit PUBLIC ${CMAKE_CURRENT_LIST_DIR}/..)
target_link_libraries(kit PUBLIC engine_rules setup_rules path_chars script)
