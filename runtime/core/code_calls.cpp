// The seam through which the runtime calls compiled code.
#include "runtime/core/code_calls.h"

#include "runtime/core/assert.h"

#include <utility>

namespace zrt {
namespace {

CodeCaller g_code_caller = nullptr;

}  // namespace

Word call_code(CodeAddress routine, std::span<const Word> arguments) {
  ZASSERT(routine != 0, "calling a null routine");
  ZASSERT(arguments.size() <= max_code_arguments, "too many arguments for a compiled routine");
  if (g_code_caller == nullptr) g_code_caller = platform_code_caller();
  return g_code_caller(routine, arguments);
}

CodeCaller set_code_caller(CodeCaller caller) {
  if (g_code_caller == nullptr) g_code_caller = platform_code_caller();
  return std::exchange(g_code_caller, caller);
}

}  // namespace zrt
