// The queue of drops.
#include "runtime/ui/drop_queue.h"

#include "runtime/core/events.h"
#include "runtime/core/objects.h"

#include <deque>
#include <utility>

namespace zrt {
namespace {

struct QueuedDrop {
  ObjectRef target;
  ObjectRef item;
};

std::deque<QueuedDrop>& queue() {
  static std::deque<QueuedDrop> drops;
  return drops;
}

}  // namespace

void queue_drop(ZObject* target, ZObject* item) {
  queue().push_back({ObjectRef::share(target), ObjectRef::share(item)});
}

void deliver_queued_drops() {
  // A handler may queue further drops; they wait for the next turn.
  std::deque<QueuedDrop> due = std::exchange(queue(), {});
  for (QueuedDrop& drop : due)
    raise_event(drop.target.get(), {"Window|Control", "DropObject"}, {word_of_pointer(drop.item.get())});
}

bool drops_queued() { return !queue().empty(); }

}  // namespace zrt
