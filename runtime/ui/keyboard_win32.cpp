// Keys pressed in a runtime window, in the order the event loop offers them:
// a pane's own child window (a list's edit field), the menu shortcuts, the focused control's KeyDown, the window's KeyDown,
// then Return and Escape for the default and cancel buttons and Tab for the
// focus.
#include "runtime/ui/keyboard.h"

#include "runtime/core/events.h"
#include "runtime/core/strings.h"
#include "runtime/interface/control_layout.h"
#include "runtime/ui/control_object.h"
#include "runtime/ui/menu_events_win32.h"
#include "runtime/ui/native_window.h"
#include "runtime/ui/system_pane_win32.h"
#include "runtime/ui/window_controls.h"
#include "runtime/ui/window_list.h"

#include <windows.h>

#include <algorithm>
#include <vector>

extern "C" void pushButtonPush(ZObject* b);

namespace zrt {
namespace {

// The runtime window a message is for: the top-level window above its
// target, when it is one of the runtime's.
ZObject* runtime_window_of(HWND target) {
  const NativeWindow* native = target == nullptr ? nullptr : window_of_handle(::GetAncestor(target, GA_ROOT));
  return native == nullptr ? nullptr : native->window.get();
}

// A control's pane in the window that has the keyboard focus, or null.
SystemPane* focused_pane(ZObject* window) {
  SystemPane* pane = focused_system_pane();
  return pane != nullptr && ControlFields(pane->control()).window() == window ? pane : nullptr;
}

// Focused controls get these codes for the navigation keys, and the
// virtual-key code for the others.
std::uint8_t control_key_code(WPARAM virtual_key) {
  switch (virtual_key) {
    case VK_PRIOR: return 11;
    case VK_NEXT: return 12;
    case VK_END: return 4;
    case VK_HOME: return 1;
    case VK_UP: return 30;
    case VK_DOWN: return 31;
    default: return static_cast<std::uint8_t>(virtual_key);
  }
}

// Raises KeyDown on the object with the key as a one-character string.
bool raise_key_down(ZObject* object, std::uint8_t code) {
  const char key = static_cast<char>(code);
  const StringRef text = StringRef::adopt(make_string(std::string_view(&key, 1)));
  return raise_boolean_event(object, {"Window|Listbox", "KeyDown"}, {word_of_pointer(text.get())});
}

// The enabled push button on screen whose flag (Default or Cancel) is set.
ZObject* flagged_button(ZObject* window, std::int32_t flag) {
  for (ZObject* control : window_controls_in_order(window)) {
    SystemPane* pane = system_pane_of(control);
    if (is_control_of_kind(control, "PushButton") && ControlFields(control).flag(flag) && pane != nullptr &&
        pane->enabled() && pane->visible())
      return control;
  }
  return nullptr;
}

// Return pushes the default button; when there is one and the focus is on
// another push button, that button is pushed instead.
void push_default_button(ZObject* window, SystemPane* focus) {
  ZObject* button = flagged_button(window, zif::push_button_fields::is_default);
  if (button == nullptr) return;
  if (focus != nullptr && is_control_of_kind(focus->control(), "PushButton")) button = focus->control();
  pushButtonPush(button);
}

void push_cancel_button(ZObject* window) {
  if (ZObject* button = flagged_button(window, zif::push_button_fields::is_cancel)) pushButtonPush(button);
}

// Tab moves the focus to the next pane in the window's order that accepts
// it, Shift+Tab to the previous one, wrapping around.
void move_focus(ZObject* window, SystemPane* focus, bool backwards) {
  std::vector<SystemPane*> order;
  for (ZObject* control : window_controls_in_order(window))
    if (SystemPane* pane = system_pane_of(control)) order.push_back(pane);
  if (order.empty()) return;
  if (backwards) std::reverse(order.begin(), order.end());
  // Without a focused pane the first one in the order comes next.
  const auto at = std::find(order.begin(), order.end(), focus);
  const std::size_t start = at == order.end() ? order.size() - 1 : static_cast<std::size_t>(at - order.begin());
  for (std::size_t step = 1; step <= order.size(); ++step) {
    SystemPane* next = order[(start + step) % order.size()];
    if (next->accepts_focus()) {
      next->take_focus();
      return;
    }
  }
}

bool key_is_down(int virtual_key) { return (::GetKeyState(virtual_key) & 0x8000) != 0; }

bool handle_window_key(ZObject* window, WPARAM virtual_key) {
  SystemPane* focus = focused_pane(window);
  if (focus != nullptr && raise_key_down(focus->control(), control_key_code(virtual_key))) return true;
  if (raise_key_down(window, static_cast<std::uint8_t>(virtual_key))) return true;
  switch (virtual_key) {
    case VK_RETURN: push_default_button(window, focus); return true;
    case VK_ESCAPE: push_cancel_button(window); return true;
    case VK_TAB:
      if (key_is_down(VK_CONTROL)) return false;
      move_focus(window, focus, key_is_down(VK_SHIFT));
      return true;
    default: return false;
  }
}

}  // namespace

bool handle_key_message(void* message) {
  const MSG& key = *static_cast<const MSG*>(message);
  if (key.message != WM_KEYDOWN) return false;
  ZObject* window = runtime_window_of(key.hwnd);
  // Handlers may close the window: it is held for the whole handling.
  const ObjectRef held = ObjectRef::share(window);
  if (window == nullptr) return false;
  if (SystemPane* owner = pane_of_handle(::GetParent(key.hwnd));
      owner != nullptr && pane_of_handle(key.hwnd) == nullptr && owner->child_key(key.wParam))
    return true;
  return run_menu_shortcut(key.wParam) || handle_window_key(window, key.wParam);
}

}  // namespace zrt
