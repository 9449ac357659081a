// Where no x86 code runs, a call into compiled code is a bug of the test
// that made it: tests install their own caller first.
#include "runtime/core/code_calls.h"

#include "runtime/core/assert.h"

namespace zrt {
namespace {

Word refuse_compiled_call(CodeAddress, std::span<const Word>) {
  ZASSERT(false, "compiled code cannot run on this host; install a code caller");
  return 0;
}

}  // namespace

CodeCaller platform_code_caller() {
  return &refuse_compiled_call;
}

}  // namespace zrt
