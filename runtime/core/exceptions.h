// Raising exceptions: runtime routines that fail raise an instance of one
// of the runtime's exception classes; the walk over the frames finds the
// handler or the application ends with a message. The text of that message
// and the choice of a silent end are decided here; the walk itself lives in
// frame_walk.cpp and entering a handler in exceptions_win32.cpp.
#pragma once

#include "runtime/interface/abi_types.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zrt {

// Takes a reference to the exception, then enters the nearest handler that
// takes it or ends the application. Never returns to its caller, which must
// hold nothing that needs releasing.
[[noreturn]] void raise_exception(ZObject* exception);

// Raises a new instance of the named runtime exception class.
[[noreturn]] void raise_new_exception(std::string_view class_name);

// The platform's part of raising: walking the real stack and jumping into
// a handler, or the unhandled end of the application.
[[noreturn]] void raise_on_platform(ZObject* exception);

// Tests that call raising routines without compiled frames around them
// catch what is raised here instead. The interceptor receives the exception
// with the walk's reference and must not return (a test throws). Returns
// the interceptor it replaces; null restores the platform's raising.
using RaiseInterceptor = void (*)(ZObject* exception);
RaiseInterceptor set_raise_interceptor(RaiseInterceptor interceptor);

// Entry 4 of the message table with every "%1" replaced by the class name;
// empty when the table has fewer than five entries.
[[nodiscard]] std::string unhandled_exception_message(std::span<const std::string> messages,
                                                      std::string_view class_name);

// Only an exception of exactly the class EndException ends the application
// without a message; a subclass of it is reported like any other.
[[nodiscard]] bool ends_silently(const ZObject* exception);

// The runtime message table of the settings stream.
void set_runtime_messages(std::vector<std::string> messages);
[[nodiscard]] const std::vector<std::string>& runtime_messages();

// The routine that deletes the remaining runtime windows at the unhandled
// end; the window subsystem installs it. Null means there are none.
using WindowsDeleter = void (*)();
void set_remaining_windows_deleter(WindowsDeleter deleter);
[[nodiscard]] WindowsDeleter remaining_windows_deleter();

}  // namespace zrt
