// The system's part of windows: building and closing native windows,
// showing, hiding, geometry, background, and the per-turn window pass of the
// event loop. Declared without the system headers so portable code can ask
// for these steps; defined in native_window_win32.cpp.
#pragma once

#include "runtime/ui/definition_stream.h"
#include "runtime/ui/native_window.h"
#include "runtime/ui/placement.h"

namespace zrt {

void register_window_classes();

// Builds the native window of a window object whose properties are set and
// reads the definition's control part; false when nothing could be built.
[[nodiscard]] bool build_native_window(ZObject* window, WindowKind kind, DefinitionStream& stream, Word* variable);

// The closing sequence: controls' Close, the window's Close, the control
// table released, the system window destroyed, the window taken off the
// lists, its implicit instance variable cleared and the record freed. Safe to
// ask for again while the sequence runs.
void close_native_window(NativeWindow& native);

void show_native_window(NativeWindow& native);
void hide_native_window(NativeWindow& native);

// Moves and sizes the system window to the desired client rectangle when
// they differ; a size set through Width or Height runs the resize handling.
void apply_pending_geometry(NativeWindow& native);
// For every open window, newest first: pending geometry, then showing.
void run_window_pass();
// Makes sure the event loop turns soon, and with it the window pass, even
// when no input comes: a window made or moved by a handler that runs inside
// the wait for a message (a message sent from another thread) would otherwise
// stay hidden or unmoved until the next input.
void request_window_pass(NativeWindow& native);

// Resize handling: new bounds, control layout by the change against the
// last bounds, Resized.
void handle_resize(NativeWindow& native);

// A colour 0x00RRGGBB as the window's background.
void set_native_background(NativeWindow& native, std::uint32_t color);
void clear_native_background(NativeWindow& native);

void set_native_title(NativeWindow& native, ZString* title);
// The window's BalloonHelp as the tool tip of its client area.
void show_window_tool_tip(const NativeWindow& native);
void invalidate_native(NativeWindow& native, const Bounds* client_area);

// The client area in screen coordinates (frame-client coordinates for
// children of the frame window), as the system has it now.
[[nodiscard]] Bounds actual_client_bounds(const NativeWindow& native);

[[nodiscard]] bool is_visible_window(WindowHandle handle);

// The owner of new windows and standard dialogs.
[[nodiscard]] WindowHandle current_owner_window();

// The multiple-document frame window, or null (frame_window_win32.cpp).
// Closing it asks to quit; an accepted quit ends the event loop.
void create_frame_window(const std::string& title);
[[nodiscard]] WindowHandle frame_window();
void destroy_frame_window();

[[nodiscard]] ScreenSize screen_size();

// Destroys every runtime window without events, as the process ends.
void destroy_remaining_windows();

// Gives the layers below the windows their hooks into this layer: the window
// pass and the mouse tracking of the event loop, the count of open windows and
// the owner of message boxes and dialogs (window_hooks_win32.cpp).
void install_window_hooks();

}  // namespace zrt
