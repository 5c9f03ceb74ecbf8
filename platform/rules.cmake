# The platform's pieces that need no Win32. Included by the Windows build and
# by the native sanitizer build.
add_library(path_chars STATIC ${CMAKE_CURRENT_LIST_DIR}/path_chars.cpp)
target_include_directories(path_chars PUBLIC ${CMAKE_CURRENT_LIST_DIR}/..)
# A command line split into words as Windows' own programs split it.
add_library(command_words STATIC ${CMAKE_CURRENT_LIST_DIR}/command_words.cpp)
target_include_directories(command_words PUBLIC ${CMAKE_CURRENT_LIST_DIR}/..)
target_link_libraries(command_words PUBLIC script)
