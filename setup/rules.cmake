# The wizard's rules that need no Win32, and the command line. Included by the
# Windows build and by the native sanitizer build.
add_library(setup_rules STATIC ${CMAKE_CURRENT_LIST_DIR}/wizard_rules.cpp ${CMAKE_CURRENT_LIST_DIR}/command_line.cpp
  ${CMAKE_CURRENT_LIST_DIR}/switch_paths.cpp)
target_include_directories(setup_rules PUBLIC ${CMAKE_CURRENT_LIST_DIR}/..)
target_link_libraries(setup_rules PUBLIC path_chars command_words script)
