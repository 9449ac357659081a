// The accessors of window properties. Each stores into the window's field;
// with a native window, the setters that have a visible effect also apply
// it. A nil window raises the nil-object exception, as any property access
// through nil does.
#include "runtime/core/exceptions.h"
#include "runtime/graphics/cursors_win32.h"
#include "runtime/interface/exports.h"
#include "runtime/ui/native_window.h"
#include "runtime/ui/native_windows.h"
#include "runtime/ui/window_object.h"

#include <windows.h>

namespace {

namespace fields = zif::window_fields;

zrt::WindowFields window_fields_of(ZObject* window) {
  if (window == nullptr) zrt::raise_new_exception("NilObjectException");
  return zrt::WindowFields(window);
}

std::int32_t boolean_word(bool value) { return value ? 1 : 0; }

enum class Position : std::int32_t { Left = 0, Top = 1, Width = 2, Height = 3 };

zrt::Bounds moved_or_sized(zrt::Bounds bounds, Position selector, std::int32_t value) {
  const auto to_16 = [](std::int32_t v) { return static_cast<std::int16_t>(v); };
  switch (selector) {
    case Position::Left: return {bounds.top, to_16(value), bounds.bottom, to_16(value + bounds.width())};
    case Position::Top: return {to_16(value), bounds.left, to_16(value + bounds.height()), bounds.right};
    case Position::Width: bounds.right = to_16(bounds.left + value); return bounds;
    case Position::Height: bounds.bottom = to_16(bounds.top + value); return bounds;
  }
  return bounds;
}

POINT pointer_in_client(const zrt::WindowFields& window) {
  POINT point{};
  ::GetCursorPos(&point);
  if (zrt::NativeWindow* native = window.native()) ::ScreenToClient(static_cast<HWND>(native->handle), &point);
  return point;
}

}  // namespace

extern "C" {

std::int32_t WindowVisibleGetter(ZObject* window, std::int32_t) {
  return boolean_word(window_fields_of(window).flag(fields::visible));
}

void WindowVisibleSetter(ZObject* window, std::int32_t, std::int32_t value) {
  window_fields_of(window);
  if (value != 0) {
    RuntimeShowWindow(window);
  } else {
    RuntimeHideWindow(window);
  }
}

std::int32_t windowPosGetter(ZObject* window, std::int32_t selector) {
  const zrt::Bounds bounds = window_fields_of(window).bounds();
  switch (static_cast<Position>(selector)) {
    case Position::Left: return bounds.left;
    case Position::Top: return bounds.top;
    case Position::Width: return bounds.width();
    case Position::Height: return bounds.height();
  }
  return 0;
}

void windowPosSetter(ZObject* window, std::int32_t selector, std::int32_t value) {
  const zrt::WindowFields fields_of = window_fields_of(window);
  if (selector < 0 || selector > 3) return;
  const auto position = static_cast<Position>(selector);
  fields_of.set_bounds(moved_or_sized(fields_of.bounds(), position, value));
  zrt::NativeWindow* native = fields_of.native();
  if (native == nullptr) return;
  native->desired = fields_of.bounds();
  if (position == Position::Width || position == Position::Height) native->size_changed = true;
  zrt::request_window_pass(*native);
}

std::int32_t windowPlacementGetter(ZObject* window, std::int32_t) {
  return window_fields_of(window).value<std::int32_t>(fields::placement);
}

void windowPlacementSetter(ZObject* window, std::int32_t, std::int32_t value) {
  window_fields_of(window).set_value(fields::placement, value);
}

ZString* windowTitleGetter(ZObject* window, std::int32_t) {
  return zrt::share_string(window_fields_of(window).string(fields::title));
}

void windowTitleSetter(ZObject* window, std::int32_t, ZString* title) {
  const zrt::WindowFields fields_of = window_fields_of(window);
  fields_of.store_string(fields::title, title);
  if (zrt::NativeWindow* native = fields_of.native()) zrt::set_native_title(*native, title);
}

std::int32_t windowCloseBoxGetter(ZObject* window, std::int32_t) {
  return boolean_word(window_fields_of(window).flag(fields::close_box));
}

void windowCloseBoxSetter(ZObject* window, std::int32_t, std::int32_t value) {
  window_fields_of(window).set_flag(fields::close_box, value != 0);
}

std::int32_t windowGrowIconGetter(ZObject* window, std::int32_t) {
  return boolean_word(window_fields_of(window).flag(fields::grow_icon));
}

void windowGrowIconSetter(ZObject* window, std::int32_t, std::int32_t value) {
  window_fields_of(window).set_flag(fields::grow_icon, value != 0);
}

std::int32_t windowZoomIconGetter(ZObject* window, std::int32_t) {
  return boolean_word(window_fields_of(window).flag(fields::zoom_icon));
}

void windowZoomIconSetter(ZObject* window, std::int32_t, std::int32_t value) {
  window_fields_of(window).set_flag(fields::zoom_icon, value != 0);
}

std::int32_t windowFrameGetter(ZObject* window, std::int32_t) {
  return window_fields_of(window).value<std::int32_t>(fields::frame);
}

void windowFrameSetter(ZObject* window, std::int32_t, std::int32_t value) {
  window_fields_of(window).set_value(fields::frame, value);
}

ZObject* windowBackdropGetter(ZObject* window, std::int32_t) {
  return zrt::share_object(window_fields_of(window).reference(fields::backdrop));
}

void windowBackdropSetter(ZObject* window, std::int32_t, ZObject* picture) {
  window_fields_of(window).store_reference(fields::backdrop, picture);
}

std::int32_t windowHasBackColorGetter(ZObject* window, std::int32_t) {
  return boolean_word(window_fields_of(window).flag(fields::has_back_color));
}

void windowHasBackColorSetter(ZObject* window, std::int32_t, std::int32_t value) {
  const zrt::WindowFields fields_of = window_fields_of(window);
  fields_of.set_flag(fields::has_back_color, value != 0);
  zrt::NativeWindow* native = fields_of.native();
  if (native == nullptr) return;
  if (value != 0) {
    zrt::set_native_background(*native, fields_of.value<std::uint32_t>(fields::back_color));
  } else {
    zrt::clear_native_background(*native);
  }
}

std::uint32_t windowBackColorGetter(ZObject* window, std::int32_t) {
  return window_fields_of(window).value<std::uint32_t>(fields::back_color);
}

void windowBackColorSetter(ZObject* window, std::int32_t, std::uint32_t color) {
  const zrt::WindowFields fields_of = window_fields_of(window);
  fields_of.set_value(fields::back_color, color);
  zrt::NativeWindow* native = fields_of.native();
  if (native != nullptr && fields_of.flag(fields::has_back_color)) zrt::set_native_background(*native, color);
}

void windowBalloonHelpSetter(ZObject* window, std::int32_t, ZString* text) {
  const zrt::WindowFields fields_of = window_fields_of(window);
  fields_of.store_string(fields::balloon_help, text);
  if (zrt::NativeWindow* native = fields_of.native()) zrt::show_window_tool_tip(*native);
}

// With the pointer over the window's content the new cursor shows at once.
void formMouseCursorSetter(ZObject* window, std::int32_t, ZObject* cursor) {
  const zrt::WindowFields fields_of = window_fields_of(window);
  fields_of.store_reference(fields::mouse_cursor, cursor);
  const zrt::NativeWindow* native = fields_of.native();
  POINT pointer{};
  if (native == nullptr || !::GetCursorPos(&pointer)) return;
  const auto handle = static_cast<HWND>(native->handle);
  const HWND under = ::WindowFromPoint(pointer);
  if (under == handle || ::IsChild(handle, under)) ::SetCursor(zrt::cursor_over_window(cursor));
}

std::int32_t windowMouseXGetter(ZObject* window, std::int32_t) {
  return pointer_in_client(window_fields_of(window)).x;
}

std::int32_t windowMouseYGetter(ZObject* window, std::int32_t) {
  return pointer_in_client(window_fields_of(window)).y;
}

std::int32_t windowWindowPtrGetter(ZObject* window, std::int32_t) {
  window_fields_of(window);
  return 0;
}

std::int32_t windowHWNDGetter(ZObject* window, std::int32_t) {
  const zrt::NativeWindow* native = window_fields_of(window).native();
  return native == nullptr ? 0 : static_cast<std::int32_t>(reinterpret_cast<std::uintptr_t>(native->handle));
}

}
