// The order of the runtime's initialisation.
#include "runtime/core/runtime_init.h"

#include "runtime/core/application.h"
#include "runtime/core/class_table.h"
#include "runtime/core/plugin_registry.h"

namespace zrt {
namespace {

bool build_application_tables(StartupPlatform& platform, MemoryView& data, Address descriptor) {
  const ClassTableBuild classes = build_class_table(data, descriptor, &find_class_by_name);
  if (!classes.trace.empty()) platform.write_debug_trace(classes.trace);
  if (!classes.built) {
    platform.show_failure(classes.error);
    return false;
  }
  ProjectObjectsBuild objects = build_project_objects(data, descriptor);
  if (!objects.built) {
    platform.show_failure(objects.error);
    return false;
  }
  if (objects.menu_bar) platform.install_menu_bar(*objects.menu_bar);
  if (objects.settings) apply_settings(*objects.settings);
  return true;
}

bool run_steps(StartupPlatform& platform, MemoryView& data, Address application_descriptor) {
  platform.register_window_classes();
  platform.initialise_ole();
  if (!runtime_classes_registered()) {
    register_runtime_classes(platform.routine_resolver());
    platform.complete_runtime_classes();
  }
  platform.install_plugins();
  ApplicationState& state = application_state();
  state.default_font_name = "System";
  state.default_font_size = 12;
  if (const std::string failure = platform.resolve_deferred_imports(); !failure.empty()) {
    platform.show_failure(failure);
    return false;
  }
  if (!build_application_tables(platform, data, application_descriptor)) return false;
  if (state.multiple_document) platform.create_frame_window(state.frame_title);
  create_application_object();
  return true;
}

}  // namespace

bool initialise_runtime(StartupPlatform& platform, MemoryView& data, Address application_descriptor) {
  if (run_steps(platform, data, application_descriptor)) return true;
  platform.end_program(k_failed_start_exit_code);
  return false;
}

}  // namespace zrt
