# The platform's pieces that need no Win32. Included by the Windows build and
# by the native sanitizer build.
add_library(path_chars STATIC ${CMAKE_CURRENT_LIST_DIR}/path_chars.cpp)
target_include_directories(path_chars PUBLIC ${CMAKE_CURRENT_LIST_DIR}/..)
