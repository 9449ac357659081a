// Calling compiled code through its address: constructors, destructors and
// event handlers of the application. Every call goes through one seam, so
// host tests observe the calls with C++ functions where no x86 code can run.
#pragma once

#include "runtime/core/class_records.h"
#include "runtime/core/pointer_words.h"

#include <span>

namespace zrt {

// Calls the routine with the argument words pushed right to left (cdecl) and
// returns the word it leaves in EAX.
using CodeCaller = Word (*)(CodeAddress routine, std::span<const Word> arguments);

Word call_code(CodeAddress routine, std::span<const Word> arguments);

// Installs another caller and returns the one it replaces.
CodeCaller set_code_caller(CodeCaller caller);

// The platform's own caller: a real call on the target; on the host a
// failed check, since there is no compiled code to run.
[[nodiscard]] CodeCaller platform_code_caller();

// Calls of compiled routines take at most this many argument words.
inline constexpr std::size_t max_code_arguments = 8;

}  // namespace zrt
