# The one version number of the programs this project ships: setup.exe,
# twremove.exe and setupkit. It goes into their version resources (which an
# install compares before it replaces a shared copy) and their usage texts.
set(PROGRAM_VERSION 1.1.0)
add_compile_definitions(PROGRAM_VERSION="${PROGRAM_VERSION}")
set(VERSION_RC_TEMPLATE ${CMAKE_CURRENT_LIST_DIR}/version.rc.in)

# version_resource(target description): a version resource for the program.
function(version_resource target description)
  string(REPLACE "." "," PROGRAM_VERSION_PARTS "${PROGRAM_VERSION}")
  set(PROGRAM_DESCRIPTION "${description}")
  set(PROGRAM_FILE "${target}.exe")
  configure_file(${VERSION_RC_TEMPLATE} ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc @ONLY)
  target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
endfunction()
