# The removal program's parts that need no Win32: the record and journal
# readers, the safety rules, the plan and what it puts back, the command line and the outcomes.
# Included by the Windows build and by the native sanitizer build.
add_library(remove_rules STATIC
  ${CMAKE_CURRENT_LIST_DIR}/command_line.cpp
  ${CMAKE_CURRENT_LIST_DIR}/journal.cpp
  ${CMAKE_CURRENT_LIST_DIR}/outcomes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/plan.cpp
  ${CMAKE_CURRENT_LIST_DIR}/put_back.cpp
  ${CMAKE_CURRENT_LIST_DIR}/record.cpp
  ${CMAKE_CURRENT_LIST_DIR}/safety.cpp
)
target_include_directories(remove_rules PUBLIC ${CMAKE_CURRENT_LIST_DIR}/..)
target_link_libraries(remove_rules PUBLIC engine_rules command_words script)
