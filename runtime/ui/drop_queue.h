// Drop events wait in a queue until the next turn of the event loop, so a
// drop is handled outside the system's drag-and-drop call.
#pragma once

#include "runtime/interface/abi_types.h"

namespace zrt {

// Takes a reference to both.
void queue_drop(ZObject* target, ZObject* item);
// Raises DropObject on each target with its item, oldest first, then
// releases both.
void deliver_queued_drops();
[[nodiscard]] bool drops_queued();

}  // namespace zrt
