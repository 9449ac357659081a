// The system cursors as MouseCursor objects, the application's MouseCursor,
// and which cursor a window shows.
#include "runtime/graphics/cursors_win32.h"

#include "runtime/core/application.h"
#include "runtime/core/objects.h"
#include "runtime/core/runtime_classes.h"
#include "runtime/interface/device_layout.h"
#include "runtime/interface/exports.h"

#include <cstdint>

namespace zrt {
namespace {

namespace fields = zif::mouse_cursor_fields;

// The system's cursors by their numbers.
const char* const arrow_cursor = MAKEINTRESOURCEA(32512);
const char* const ibeam_cursor = MAKEINTRESOURCEA(32513);
const char* const watch_cursor = MAKEINTRESOURCEA(32514);

ZObject* new_cursor(const char* system_cursor) {
  ZObject* cursor = new_instance(runtime_class("MouseCursor"));
  *field_at(cursor, fields::handle) = static_cast<Word>(reinterpret_cast<std::uintptr_t>(::LoadCursorA(nullptr, system_cursor)));
  return cursor;
}

HCURSOR arrow() { return ::LoadCursorA(nullptr, arrow_cursor); }

// A cursor object without a system cursor (a project cursor) shows the arrow.
HCURSOR handle_of(ZObject* cursor) {
  const auto handle = reinterpret_cast<HCURSOR>(static_cast<std::uintptr_t>(*field_at(cursor, fields::handle)));
  return handle != nullptr ? handle : arrow();
}

}  // namespace

HCURSOR cursor_over_window(ZObject* window_cursor) {
  if (ZObject* application_cursor = application_state().mouse_cursor.get()) return handle_of(application_cursor);
  return window_cursor != nullptr ? handle_of(window_cursor) : arrow();
}

}  // namespace zrt

extern "C" {

ZObject* getArrowCursor() { return zrt::new_cursor(zrt::arrow_cursor); }
ZObject* getWatchCursor() { return zrt::new_cursor(zrt::watch_cursor); }
ZObject* getIBeamCursor() { return zrt::new_cursor(zrt::ibeam_cursor); }

// Shown from the next time the system asks a window for its cursor.
void appMouseCursorSetter(ZObject*, std::int32_t, ZObject* cursor) {
  zrt::application_state().mouse_cursor = zrt::ObjectRef::share(cursor);
}

}
