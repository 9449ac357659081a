// The exported routines of the application's life on Win32: RuntimeInit
// with the system's start-up steps, RuntimeRun and its shutdown,
// ApplicationQuit, the background call of long loops, the stack check and
// RuntimeMsgBox. They join the layers: RuntimeInit installs the hooks and
// services the upper layers lend the lower ones.
#include "runtime/core/application.h"
#include "runtime/core/deferred_imports.h"
#include "runtime/core/event_loop.h"
#include "runtime/core/exceptions.h"
#include "runtime/core/image_bases.h"
#include "runtime/core/loaded_image.h"
#include "runtime/core/native_destructors.h"
#include "runtime/core/periodic_tasks.h"
#include "runtime/core/plugin_installation.h"
#include "runtime/core/plugin_registry.h"
#include "runtime/core/runtime_init.h"
#include "runtime/core/runtime_message.h"
#include "runtime/core/system_queries.h"
#include "runtime/interface/exports.h"
#include "runtime/net/socket_connection_win32.h"
#include "runtime/net/socket_object.h"
#include "runtime/runtime_exports.h"
#include "runtime/ui/application_quit.h"
#include "runtime/ui/keyboard.h"
#include "runtime/ui/menu_events_win32.h"
#include "runtime/ui/menu_item_object.h"
#include "runtime/ui/native_windows.h"
#include "runtime/ui/plugin_control_kinds.h"
#include "runtime/ui/timer_list.h"
#include "runtime/ui/window_list.h"
#include "runtime/ui/window_object.h"

#include <windows.h>

#include <ole2.h>

namespace {

zrt::CodeAddress exported_routine(std::string_view name) {
  const zrt::ExportSlot* slot = zrt::runtime_exports().find(name);
  return slot == nullptr ? 0 : static_cast<zrt::CodeAddress>(reinterpret_cast<std::uintptr_t>(slot->routine));
}

// Runs as the destructor of the class "Window", for every window instance.
void destroy_window_instance(ZObject* window, zrt::ClassRecord*) {
  zrt::release_window_fields(window);
}

class SystemStartup final : public zrt::StartupPlatform {
 public:
  void register_window_classes() override { zrt::register_window_classes(); }
  void initialise_ole() override { static_cast<void>(::OleInitialize(nullptr)); }
  zrt::RoutineResolver routine_resolver() override { return &exported_routine; }
  void complete_runtime_classes() override {
    zrt::runtime_class("Window").destructor =
        static_cast<zrt::CodeAddress>(reinterpret_cast<std::uintptr_t>(&destroy_window_instance));
    // An item the program makes itself holds texts too, with or without a
    // menu bar.
    zrt::set_native_destructor("MenuItem", &zrt::release_menu_item_fields);
    zrt::install_timers();
    zrt::install_sockets(&zrt::make_winsock_connection);
  }
  void install_plugins() override {
    zrt::install_recorded_plugins(zrt::runtime_exports());
    zrt::give_plugin_controls_kinds();
  }
  std::string resolve_deferred_imports() override {
    zrt::LoadedImage& image = zrt::loaded_image();
    zrt::LoadError error;
    if (zrt::link_member_imports(image.deferred_imports, image.code1, &zrt::find_class_by_name, error)) return {};
    return error.message;
  }
  // A definition that cannot be read is reported; the application runs
  // without a menu bar then.
  void install_menu_bar(const zrt::MenuBarStream& menu_bar) override {
    const std::string error = zrt::install_menu_bar_from_image(menu_bar);
    if (!error.empty()) show_failure(error);
  }
  void create_frame_window(const std::string& title) override { zrt::create_frame_window(title); }
  void show_failure(const std::string& message) override { zrt::show_failure_message(message); }
  void end_program(int exit_code) override { ::ExitProcess(static_cast<UINT>(exit_code)); }
  void write_debug_trace(const std::string& text) override { ::OutputDebugStringA(text.c_str()); }
};

zrt::BackgroundTicker g_background_ticker;

}  // namespace

extern "C" {

void RuntimeInit(void* application_descriptor) {
  SystemStartup platform;
  zrt::install_window_hooks();
  zrt::set_remaining_windows_deleter(&zrt::destroy_remaining_windows);
  zrt::set_message_filter(&zrt::handle_key_message);
  static_cast<void>(zrt::initialise_runtime(platform, zrt::image_data(), zrt::word_of_pointer(application_descriptor)));
}

void RuntimeRun() {
  zrt::run_event_loop();
  while (zrt::NativeWindow* native = zrt::newest_window()) zrt::close_native_window(*native);
  // FIXME: release the sound and movie services here once they exist.
  ::OleUninitialize();
  zrt::destroy_remaining_windows();
}

void ApplicationQuit() {
  if (zrt::run_quit_sequence()) zrt::raise_new_exception("EndException");
}

void RuntimeBackgroundTask() {
  g_background_ticker.tick(zrt::millisecond_tick());
}

// Every application function calls this on entry; the system's own stack
// guard catches runaway recursion on this platform.
void RuntimeStackCheck() {}

void RuntimeMsgBox(ZString* text) {
  zrt::show_runtime_message(zrt::string_text(text));
}

}
