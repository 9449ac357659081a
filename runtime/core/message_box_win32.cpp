// Message boxes through MessageBoxA, unless a test answers them.
#include "runtime/core/message_box.h"

#include <windows.h>

#include <string>
#include <utility>

namespace zrt {
namespace {

MessageBoxAnswerer g_answerer = nullptr;

}  // namespace

int show_message_box(WindowHandle owner, std::string_view text, std::string_view caption, unsigned style) {
  if (g_answerer != nullptr) return g_answerer(owner, text, caption, style);
  const std::string text_copy(text);
  const std::string caption_copy(caption);
  return ::MessageBoxA(static_cast<HWND>(owner), text_copy.c_str(), caption.empty() ? nullptr : caption_copy.c_str(),
                       style);
}

MessageBoxAnswerer set_message_box_answerer(MessageBoxAnswerer answerer) {
  return std::exchange(g_answerer, answerer);
}

}  // namespace zrt
