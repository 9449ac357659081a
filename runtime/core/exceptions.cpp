// The portable part of raising: the exported routines, the exception of a
// runtime class, and the message of an exception no handler took.
#include "runtime/core/exceptions.h"

#include "runtime/core/assert.h"
#include "runtime/core/objects.h"
#include "runtime/core/runtime_classes.h"
#include "runtime/interface/exports.h"

#include <utility>

namespace zrt {
namespace {

constexpr std::size_t unhandled_message_entry = 4;

std::vector<std::string>& message_table() {
  static std::vector<std::string> messages;
  return messages;
}

WindowsDeleter g_windows_deleter = nullptr;
RaiseInterceptor g_interceptor = nullptr;

[[noreturn]] void deliver(ZObject* exception) {
  if (g_interceptor != nullptr) {
    g_interceptor(exception);
    ZASSERT(false, "a raise interceptor returned");
  }
  raise_on_platform(exception);
}

}  // namespace

RaiseInterceptor set_raise_interceptor(RaiseInterceptor interceptor) {
  return std::exchange(g_interceptor, interceptor);
}

void raise_exception(ZObject* exception) {
  lock_object(exception);
  deliver(exception);
}

void raise_new_exception(std::string_view class_name) {
  // Nobody else holds the new instance: its creation reference is the one
  // the walk takes.
  deliver(new_instance(runtime_class(class_name)));
}

std::string unhandled_exception_message(std::span<const std::string> messages, std::string_view class_name) {
  if (messages.size() <= unhandled_message_entry) return {};
  std::string text = messages[unhandled_message_entry];
  constexpr std::string_view placeholder = "%1";
  for (std::size_t at = text.find(placeholder); at != std::string::npos;
       at = text.find(placeholder, at + class_name.size()))
    text.replace(at, placeholder.size(), class_name);
  return text;
}

bool ends_silently(const ZObject* exception) {
  return class_of(exception) == find_runtime_class("EndException");
}

void set_runtime_messages(std::vector<std::string> messages) {
  message_table() = std::move(messages);
}

const std::vector<std::string>& runtime_messages() {
  return message_table();
}

void set_remaining_windows_deleter(WindowsDeleter deleter) {
  g_windows_deleter = deleter;
}

WindowsDeleter remaining_windows_deleter() {
  return g_windows_deleter;
}

}  // namespace zrt

extern "C" {

void RuntimeRaiseException(ZObject* exception) {
  // Raising nil is using a nil reference.
  if (exception == nullptr) zrt::raise_new_exception("NilObjectException");
  zrt::raise_exception(exception);
}

void RuntimeNilObject() {
  zrt::raise_new_exception("NilObjectException");
}

void RuntimeReraiseException() {
  // Re-raising has no effect in this runtime: a handler that wants its
  // callers to see the exception raises it again.
}

}
