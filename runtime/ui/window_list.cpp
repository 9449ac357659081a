// The window list, the modal stack and the owner rule.
#include "runtime/ui/window_list.h"

#include "runtime/core/name_equality.h"

#include <algorithm>

namespace zrt {
namespace {

NativeWindow* g_newest = nullptr;
std::vector<WindowHandle> g_modal_stack;  // newest last

}  // namespace

std::int32_t NativeWindow::named_flag(std::string_view name) const {
  for (const auto& [flag, value] : named_flags)
    if (names_equal(flag, name)) return value;
  return 0;
}

void insert_window(NativeWindow& window) {
  window.next = g_newest;
  g_newest = &window;
}

void remove_window(NativeWindow& window) {
  for (NativeWindow** link = &g_newest; *link != nullptr; link = &(*link)->next) {
    if (*link != &window) continue;
    *link = window.next;
    window.next = nullptr;
    return;
  }
}

NativeWindow* newest_window() { return g_newest; }

std::size_t open_window_count() {
  std::size_t count = 0;
  for (NativeWindow* window = g_newest; window != nullptr; window = window->next) ++count;
  return count;
}

NativeWindow* window_of_handle(WindowHandle handle) {
  for (NativeWindow* window = g_newest; window != nullptr; window = window->next)
    if (handle != nullptr && window->handle == handle) return window;
  return nullptr;
}

void push_modal(WindowHandle handle) { g_modal_stack.push_back(handle); }

void remove_modal(WindowHandle handle) {
  g_modal_stack.erase(std::remove(g_modal_stack.begin(), g_modal_stack.end(), handle), g_modal_stack.end());
}

WindowHandle first_visible_modal(const std::function<bool(WindowHandle)>& is_visible) {
  for (auto handle = g_modal_stack.rbegin(); handle != g_modal_stack.rend(); ++handle)
    if (is_visible(*handle)) return *handle;
  return nullptr;
}

WindowHandle owner_window(const std::function<bool(WindowHandle)>& is_visible, WindowHandle frame) {
  if (WindowHandle modal = first_visible_modal(is_visible)) return modal;
  if (frame != nullptr) return frame;
  for (NativeWindow* window = g_newest; window != nullptr; window = window->next)
    if (is_document_kind(window->kind) && window->handle != nullptr) return window->handle;
  return nullptr;
}

}  // namespace zrt
