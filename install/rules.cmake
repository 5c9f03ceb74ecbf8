# The install engine's rules that need no Win32: names, directives, data
# codes, record and path-file lines. Included by the Windows build and by the
# native sanitizer build.
add_library(engine_rules STATIC
  ${CMAKE_CURRENT_LIST_DIR}/plan/data_codes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/plan/digest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/plan/driver_lines.cpp
  ${CMAKE_CURRENT_LIST_DIR}/plan/file_list.cpp
  ${CMAKE_CURRENT_LIST_DIR}/plan/file_rules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/plan/journal_format.cpp
  ${CMAKE_CURRENT_LIST_DIR}/plan/path_file_lines.cpp
  ${CMAKE_CURRENT_LIST_DIR}/plan/paths.cpp
  ${CMAKE_CURRENT_LIST_DIR}/plan/entries.cpp
  ${CMAKE_CURRENT_LIST_DIR}/plan/install_plan.cpp
  ${CMAKE_CURRENT_LIST_DIR}/plan/registry_rules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/plan/shortcut_names.cpp
  ${CMAKE_CURRENT_LIST_DIR}/plan/space_rules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/plan/szdd.cpp
  ${CMAKE_CURRENT_LIST_DIR}/plan/uninstall_record.cpp
  ${CMAKE_CURRENT_LIST_DIR}/plan/wininit.cpp
)
target_include_directories(engine_rules PUBLIC ${CMAKE_CURRENT_LIST_DIR}/..)
target_link_libraries(engine_rules PUBLIC script path_chars)
