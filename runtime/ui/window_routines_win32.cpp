// The exported routines of windows: creation, showing and hiding, modal
// display, closing, redrawing, focus and the control table. The accessors
// of window properties are in window_properties_win32.cpp.
#include "runtime/core/application.h"
#include "runtime/core/event_loop.h"
#include "runtime/core/events.h"
#include "runtime/core/image_bases.h"
#include "runtime/core/image_literals.h"
#include "runtime/core/runtime_message.h"
#include "runtime/interface/exports.h"
#include "runtime/ui/native_windows.h"
#include "runtime/ui/window_controls.h"
#include "runtime/ui/window_creation.h"
#include "runtime/ui/window_object.h"

#include <windows.h>

namespace {

namespace fields = zif::window_fields;

zrt::NativeWindow* native_of(ZObject* window) {
  return window == nullptr ? nullptr : zrt::WindowFields(window).native();
}

}  // namespace

extern "C" {

ZObject* RuntimeCreateWindow(void* definition, void* instance_variable) {
  const auto bytes = zrt::copy_window_definition(zrt::image_data(), zrt::word_of_pointer(definition));
  if (!bytes) {
    zrt::show_failure_message("window definition at " + zrt::hex_address(zrt::word_of_pointer(definition)) +
                              ": its length runs past the image data");
    return nullptr;
  }
  zrt::WindowCreation made = zrt::create_window(*bytes, static_cast<zrt::Word*>(instance_variable),
                                                zrt::screen_size(), &zrt::build_native_window);
  if (!made.fault.empty()) zrt::show_failure_message(made.fault);
  return made.window;
}

void RuntimeShowWindow(ZObject* window) {
  if (window == nullptr) return;
  zrt::WindowFields(window).set_flag(fields::visible, true);
  if (zrt::NativeWindow* native = native_of(window)) zrt::show_native_window(*native);
}

void RuntimeHideWindow(ZObject* window) {
  if (window == nullptr) return;
  zrt::WindowFields(window).set_flag(fields::visible, false);
  if (zrt::NativeWindow* native = native_of(window); native != nullptr && native->shown)
    zrt::hide_native_window(*native);
}

void RuntimeShowModal(ZObject* window) {
  zrt::NativeWindow* native = native_of(window);
  if (native == nullptr) return;
  const zrt::ObjectRef keep = zrt::ObjectRef::share(window);
  zrt::show_native_window(*native);
  // The loop also ends when the application quits meanwhile, or the modal
  // window would keep a finished application running.
  while (!zrt::application_state().quit) {
    native = native_of(window);
    if (native == nullptr || !native->shown) return;
    zrt::run_event_loop_turn();
  }
}

void RuntimeCloseWindow(ZObject* window) {
  if (native_of(window) == nullptr) return;
  const zrt::ObjectRef keep = zrt::ObjectRef::share(window);
  if (zrt::raise_boolean_event(window, {"Window", "CancelClose"})) return;
  if (zrt::NativeWindow* native = native_of(window)) zrt::close_native_window(*native);
}

void formRefresh(ZObject* window) {
  if (zrt::NativeWindow* native = native_of(window)) zrt::invalidate_native(*native, nullptr);
}

void formRefreshRect(ZObject* window, std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) {
  zrt::NativeWindow* native = native_of(window);
  if (native == nullptr) return;
  const zrt::Bounds area{static_cast<std::int16_t>(top), static_cast<std::int16_t>(left),
                         static_cast<std::int16_t>(top + height), static_cast<std::int16_t>(left + width)};
  zrt::invalidate_native(*native, &area);
}

void formSetFocus(ZObject* window) {
  if (zrt::NativeWindow* native = native_of(window)) ::SetFocus(static_cast<HWND>(native->handle));
}

ZObject* windowControl(ZObject* window, std::int32_t n) {
  return window == nullptr ? nullptr : zrt::window_control_at(window, n);
}

std::int32_t windowControlCountGetter(ZObject* window, std::int32_t) {
  return window == nullptr ? 0 : zrt::window_control_count(window);
}

}
