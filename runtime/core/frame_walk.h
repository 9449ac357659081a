// The walk that raising an exception makes over the EBP frames of the
// running code. Behind every call in compiled code lies a call-site list
// naming the pushed references to release and whether the call sits in a
// handler; behind every function's one "leave; ret" lies its cleanup trailer
// naming its reference locals and its handlers (docs/image-format.md). All
// memory is read through checked access, so a corrupt or foreign frame ends
// the walk as unhandled.
#pragma once

#include "runtime/core/checked_memory.h"
#include "runtime/core/image_bases.h"
#include "runtime/interface/abi_types.h"

#include <cstdint>
#include <optional>

namespace zrt {

// Where execution continues: the handler's code, with its function's frame.
struct HandlerEntry {
  Address frame;
  Address code;
};

// A frame more than this far above the one below it is not an application
// frame: compiled functions keep their locals well within it.
inline constexpr Address max_frame_distance = 4096;

// Walks from the innermost frame (that of the routine raising) up to the
// first frame whose return address lies in code1, then through the callers,
// releasing what each call-site list and trailer names on the way. When a
// handler takes the exception, the exception is stored in the handler's
// first local (frame - 4), which then owns the reference the caller took for
// it, and the handler is returned. Nothing means unhandled: every frame the
// walk could read has been cleaned up.
[[nodiscard]] std::optional<HandlerEntry> unwind_to_handler(MemoryView& memory, const ImageSegment& code1,
                                                          Address innermost_frame, ZObject* exception);

}  // namespace zrt
