// Support for the window tests under Windows: an image with a window class
// and an application class whose event handlers are C++ functions called
// as compiled code calls them, a fixture that starts the runtime from that
// image and checks that a test leaves no window, object, string or byte
// behind, and an event log the handlers write.
#pragma once

#include "runtime/core/application.h"
#include "runtime/ui/application_quit.h"
#include "runtime/core/class_table.h"
#include "runtime/core/event_loop.h"
#include "runtime/core/exceptions.h"
#include "runtime/core/message_box.h"
#include "runtime/core/memory.h"
#include "runtime/core/module_instance.h"
#include "runtime/core/objects.h"
#include "runtime/core/project_objects.h"
#include "runtime/core/runtime_classes.h"
#include "runtime/interface/exports.h"
#include "runtime/ui/mouse_tracking.h"
#include "runtime/ui/native_windows.h"
#include "runtime/ui/window_creation.h"
#include "runtime/ui/window_object.h"
#include "runtime/ui/window_list.h"
#include "tests/core/image_data_builder.h"
#include "tests/driver/gui_driver.h"
#include "tests/ui/definition_builder.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

namespace window_tests {

// What the handlers saw, one line per event: "Open", "MouseDown 20 30".
inline std::vector<std::string>& events() {
  static std::vector<std::string> log;
  return log;
}

// The texts of the message boxes the runtime showed; each is answered OK at
// once, so no test waits for a person.
inline std::vector<std::string>& shown_messages() {
  static std::vector<std::string> texts;
  return texts;
}

inline int answer_message_box(zrt::WindowHandle, std::string_view text, std::string_view, unsigned) {
  shown_messages().emplace_back(text);
  return IDOK;
}

// Answers of the Boolean events and work a test wants done inside a handler.
struct HandlerScript {
  std::int32_t cancel_close = 0;
  std::int32_t mouse_down = 0;
  std::int32_t key_down = 0;
  void (*on_open)(ZObject* window) = nullptr;
  void (*on_resized)(ZObject* window) = nullptr;
  void (*on_paint)(ZObject* graphics) = nullptr;
};

inline HandlerScript& script() {
  static HandlerScript answers;
  return answers;
}

inline std::string with_point(const char* event, std::int32_t x, std::int32_t y) {
  return std::string(event) + " " + std::to_string(x) + " " + std::to_string(y);
}

extern "C" {
inline std::int32_t on_open(ZObject* window) {
  events().push_back("Open");
  if (script().on_open != nullptr) script().on_open(window);
  return 0;
}
inline std::int32_t on_close(ZObject*) { events().push_back("Close"); return 0; }
inline std::int32_t on_cancel_close(ZObject*) { events().push_back("CancelClose"); return script().cancel_close; }
inline std::int32_t on_paint(ZObject*, ZObject* graphics) {
  events().push_back("Paint " + std::string(zrt::class_name(zrt::class_of(graphics))));
  if (script().on_paint != nullptr) script().on_paint(graphics);
  return 0;
}
inline std::int32_t on_mouse_down(ZObject*, std::int32_t x, std::int32_t y) {
  events().push_back(with_point("MouseDown", x, y));
  return script().mouse_down;
}
inline std::int32_t on_mouse_drag(ZObject*, std::int32_t x, std::int32_t y) { events().push_back(with_point("MouseDrag", x, y)); return 0; }
inline std::int32_t on_mouse_up(ZObject*, std::int32_t x, std::int32_t y) { events().push_back(with_point("MouseUp", x, y)); return 0; }
inline std::int32_t on_mouse_move(ZObject*, std::int32_t x, std::int32_t y) { events().push_back(with_point("MouseMove", x, y)); return 0; }
inline std::int32_t on_mouse_enter(ZObject*) { events().push_back("MouseEnter"); return 0; }
inline std::int32_t on_mouse_exit(ZObject*) { events().push_back("MouseExit"); return 0; }
inline std::int32_t on_moved(ZObject*) { events().push_back("Moved"); return 0; }
inline std::int32_t on_resized(ZObject* window) {
  events().push_back("Resized");
  if (script().on_resized != nullptr) script().on_resized(window);
  return 0;
}
inline std::int32_t on_activate(ZObject*) { events().push_back("Activate"); return 0; }
inline std::int32_t on_deactivate(ZObject*) { events().push_back("Deactivate"); return 0; }
inline std::int32_t on_key_down(ZObject*, ZString* key) {
  events().push_back("KeyDown " + std::to_string(static_cast<unsigned char>(zrt::string_text(key).at(0))));
  return script().key_down;
}
inline std::int32_t on_application_open(ZObject*) { events().push_back("Application Open"); return 0; }
inline std::int32_t on_application_close(ZObject*) { events().push_back("Application Close"); return 0; }
}

template <typename Handler>
std::uint32_t code(Handler* handler) {
  return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(handler));
}

// Class indexes of the test image.
inline constexpr std::int32_t window_class = 1;
inline constexpr std::int32_t plain_window_class = 0;

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_strings = zrt::live_string_count();
    m_bytes = zrt::live_bytes();
    events().clear();
    shown_messages().clear();
    script() = HandlerScript{};
    zrt::set_module_instance(::GetModuleHandleA(nullptr));
    m_previous_answerer = zrt::set_message_box_answerer(&answer_message_box);
  }

  void TearDown() override {
    zrt::set_message_box_answerer(m_previous_answerer);
    while (zrt::NativeWindow* native = zrt::newest_window()) zrt::close_native_window(*native);
    zrt::destroy_remaining_windows();
    zrt::reset_application_state();
    zrt::destroy_project_objects();
    zrt::destroy_class_table();
    EXPECT_EQ(zrt::newest_object(), nullptr) << "an object is still alive";
    zrt::unregister_runtime_classes();
    zrt::set_runtime_messages({});
    zrt::set_image_segments({}, {});
    EXPECT_EQ(zrt::live_string_count(), m_strings) << "a string leaked";
    EXPECT_EQ(zrt::live_bytes(), m_bytes) << "memory leaked or was released with the wrong size";
  }

  // Starts the runtime with the window classes and, when asked, an
  // Application subclass with Open and Close handlers.
  void start(bool with_application_class = false, bool multiple_document = false) {
    const zrt::Address window_reference = m_image.runtime_class_reference("Window");
    auto window = object_tests::class_described("TestWindow", 0, 112);
    window.handlers = {{"Open", code(&on_open), 0},           {"Close", code(&on_close), 0},
                       {"CancelClose", code(&on_cancel_close), 0}, {"Paint", code(&on_paint), 0},
                       {"MouseDown", code(&on_mouse_down), 0}, {"MouseDrag", code(&on_mouse_drag), 0},
                       {"MouseUp", code(&on_mouse_up), 0},     {"Moved", code(&on_moved), 0},
                       {"Resized", code(&on_resized), 0},      {"Activate", code(&on_activate), 0},
                       {"Deactivate", code(&on_deactivate), 0}, {"MouseMove", code(&on_mouse_move), 0},
                       {"MouseEnter", code(&on_mouse_enter), 0}, {"MouseExit", code(&on_mouse_exit), 0},
                       {"KeyDown", code(&on_key_down), 0}};
    std::vector<zrt::Address> classes = {window_reference, m_image.class_descriptor(window)};
    classes.insert(classes.end(), m_added_classes.begin(), m_added_classes.end());
    if (with_application_class) {
      const auto application_index = static_cast<std::uint32_t>(classes.size());
      classes.push_back(m_image.runtime_class_reference("Application"));
      auto application = object_tests::class_described("TestApplication", application_index, 28);
      application.handlers = {{"Open", code(&on_application_open), 0}, {"Close", code(&on_application_close), 0}};
      classes.push_back(m_image.class_descriptor(application));
    }
    for (const auto& definition : m_pending_definitions) m_definition_addresses.push_back(m_image.bytes(definition));
    std::vector<zrt::Address> objects = m_added_objects;
    if (multiple_document) objects.push_back(mdi_settings());
    const zrt::Address descriptor = m_image.application_descriptor(classes, objects);
    m_image.install_as_data1();
    RuntimeInit(reinterpret_cast<void*>(static_cast<std::uintptr_t>(descriptor)));
  }

  // A class of the image after the two window classes, for the controls of
  // the definitions; returns its class index. Classes are added before the
  // runtime starts.
  std::int32_t add_class(zrt::Address descriptor) {
    m_added_classes.push_back(descriptor);
    return static_cast<std::int32_t>(m_added_classes.size()) + 1;
  }

  // A project object the test laid into the image, made when it starts.
  void add_project_object(zrt::Address descriptor) { m_added_objects.push_back(descriptor); }

  // Definitions are laid into the image when it starts; returns their number.
  std::size_t define(std::int32_t class_index, definition_tests::Pairs pairs,
                     std::initializer_list<definition_tests::ControlEntry> controls = {}) {
    definition_tests::DefinitionBuilder built;
    built.window(class_index, pairs, controls);
    m_pending_definitions.push_back(built.with_length());
    return m_pending_definitions.size() - 1;
  }

  // The new window with the caller's reference, which the test releases.
  zrt::ObjectRef create(std::size_t definition, zrt::Word* variable = nullptr) {
    void* address = reinterpret_cast<void*>(static_cast<std::uintptr_t>(m_definition_addresses.at(definition)));
    return zrt::ObjectRef::adopt(RuntimeCreateWindow(address, variable));
  }

  static HWND handle_of(const zrt::ObjectRef& window) {
    return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(windowHWNDGetter(window.get(), 0)));
  }

  // One turn of the event loop that never waits: a message is there.
  static void turn() {
    ::PostThreadMessageA(::GetCurrentThreadId(), WM_NULL, 0, 0);
    zrt::run_event_loop_turn();
  }

  static POINT client_origin(HWND handle) {
    POINT origin{0, 0};
    ::ClientToScreen(handle, &origin);
    return origin;
  }

  // The cursor the window shows once the pointer is at (x, y) of its client
  // area: the window under the pointer is asked for its cursor as the system
  // asks it on a mouse move (under Wine a pointer moved by a program brings
  // no such request).
  static HCURSOR cursor_after_moving_to(HWND handle, int x, int y) {
    const POINT origin = client_origin(handle);
    const POINT pointer{origin.x + x, origin.y + y};
    ::SetCursorPos(pointer.x, pointer.y);
    HWND under = ::WindowFromPoint(pointer);
    ::SendMessageA(under, WM_SETCURSOR, reinterpret_cast<WPARAM>(under), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return ::GetCursor();
  }

  static SIZE client_size(HWND handle) {
    RECT client{};
    ::GetClientRect(handle, &client);
    return {client.right, client.bottom};
  }

  object_tests::ImageDataBuilder m_image;
  zrt::MessageBoxAnswerer m_previous_answerer = nullptr;

 private:
  // A settings stream for multiple-document mode with the frame title "Frame".
  zrt::Address mdi_settings() {
    const std::vector<std::uint8_t> stream = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 5, 'F', 'r', 'a', 'm', 'e'};
    const zrt::Address at = m_image.words({4, 0, static_cast<std::uint32_t>(stream.size())});
    m_image.bytes(stream);
    return at;
  }

  std::vector<zrt::Address> m_added_classes;
  std::vector<zrt::Address> m_added_objects;
  std::vector<std::vector<std::uint8_t>> m_pending_definitions;
  std::vector<zrt::Address> m_definition_addresses;
  std::int64_t m_strings = 0;
  std::size_t m_bytes = 0;
};

}  // namespace window_tests
