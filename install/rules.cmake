# The install engine's rules that need no Win32: names, directives, data
# codes, record and path-file lines. Included by the Windows build and by the
# native sanitizer build.
add_library(engine_rules STATIC
  ${CMAKE_CURRENT_LIST_DIR}/data_codes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/digest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/driver_lines.cpp
  ${CMAKE_CURRENT_LIST_DIR}/file_list.cpp
  ${CMAKE_CURRENT_LIST_DIR}/file_rules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/journal_format.cpp
  ${CMAKE_CURRENT_LIST_DIR}/path_file_lines.cpp
  ${CMAKE_CURRENT_LIST_DIR}/paths.cpp
  ${CMAKE_CURRENT_LIST_DIR}/plan/entries.cpp
  ${CMAKE_CURRENT_LIST_DIR}/plan/install_plan.cpp
  ${CMAKE_CURRENT_LIST_DIR}/registry_rules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shortcut_names.cpp
  ${CMAKE_CURRENT_LIST_DIR}/space_rules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/szdd.cpp
  ${CMAKE_CURRENT_LIST_DIR}/uninstall_record.cpp
  ${CMAKE_CURRENT_LIST_DIR}/wininit.cpp
)
target_include_directories(engine_rules PUBLIC ${CMAKE_CURRENT_LIST_DIR}/..)
target_link_libraries(engine_rules PUBLIC script path_chars)
