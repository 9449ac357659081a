// Calling compiled code on the target: the address becomes a cdecl function
// taking and returning 32-bit words. Compiled code keeps only EBP and ESP
// for its caller: a handler it enters after an exception starts with
// whatever the abandoned runtime frames left in EBX, ESI and EDI, so the
// call is treated as changing them.
#include "runtime/core/code_calls.h"

#include <array>
#include <cstdint>
#include <utility>

namespace zrt {
namespace {

template <std::size_t... Index>
Word call_with_words(CodeAddress routine, [[maybe_unused]] std::span<const Word> arguments,
                     std::index_sequence<Index...>) {
  using Routine = Word (*)(decltype(static_cast<void>(Index), Word{})...);
  const auto target = reinterpret_cast<Routine>(static_cast<std::uintptr_t>(routine));
  const Word result = target(arguments[Index]...);
  // Nothing of this caller may be expected in these registers after the
  // call; the function saves its own caller's values and restores them.
  asm volatile("" : : : "ebx", "esi", "edi", "memory");
  return result;
}

template <std::size_t... Count>
constexpr auto callers_by_count(std::index_sequence<Count...>) {
  using Caller = Word (*)(CodeAddress, std::span<const Word>);
  return std::array<Caller, sizeof...(Count)>{[](CodeAddress routine, std::span<const Word> arguments) {
    return call_with_words(routine, arguments, std::make_index_sequence<Count>());
  }...};
}

Word call_compiled_routine(CodeAddress routine, std::span<const Word> arguments) {
  static constexpr auto callers = callers_by_count(std::make_index_sequence<max_code_arguments + 1>());
  return callers[arguments.size()](routine, arguments);
}

}  // namespace

CodeCaller platform_code_caller() {
  return &call_compiled_routine;
}

}  // namespace zrt
