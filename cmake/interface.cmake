# The C declarations of every exported routine and the export-table entries,
# written by zifgen from the declarative interface tables into this tree.
set(Z_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
set(Z_EXPORTS_HEADER ${Z_GENERATED_DIR}/runtime/interface/exports.h)
set(Z_EXPORT_ENTRIES ${Z_GENERATED_DIR}/runtime/interface/export_entries.inc)
file(MAKE_DIRECTORY ${Z_GENERATED_DIR}/runtime/interface)
if(CMAKE_CROSSCOMPILING)
  set(zifgen_command ${Z_HOST_TOOLS}/zifgen)
else()
  set(zifgen_command $<TARGET_FILE:zifgen>)
endif()
add_custom_command(
  OUTPUT ${Z_EXPORTS_HEADER} ${Z_EXPORT_ENTRIES}
  COMMAND ${zifgen_command} ${Z_EXPORTS_HEADER} ${Z_EXPORT_ENTRIES}
  DEPENDS ${zifgen_command}
  COMMENT "Generating the runtime's export declarations")
add_custom_target(runtime_interface DEPENDS ${Z_EXPORTS_HEADER} ${Z_EXPORT_ENTRIES})
