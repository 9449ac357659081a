#include "runtime/ui/control_kinds.h"

#include "runtime/core/runtime_classes.h"
#include "runtime/interface/control_layout.h"

#include <vector>

namespace zrt {
namespace {

constexpr std::int32_t control_strings[] = {zif::control_fields::name, zif::control_fields::balloon_help,
                                            zif::control_fields::disabled_balloon_help};
constexpr std::int32_t control_references[] = {zif::control_fields::mouse_cursor};

// The kinds the runtime brings, found through their runtime classes, which
// tests may register afresh.
const ControlKind* const builtin_kinds[] = {
    &control_base_kind, &push_button_kind, &static_text_kind, &canvas_kind, &group_box_kind, &listbox_kind,
};

struct RegisteredKind {
  const ClassRecord* record;
  const ControlKind* kind;
};

std::vector<RegisteredKind>& registered_kinds() {
  static std::vector<RegisteredKind> kinds;
  return kinds;
}

}  // namespace

const ControlKind control_base_kind{"Control", control_strings, control_references};

void register_control_kind(const ClassRecord* record, const ControlKind& kind) {
  for (RegisteredKind& registered : registered_kinds()) {
    if (registered.record != record) continue;
    registered.kind = &kind;
    return;
  }
  registered_kinds().push_back({record, &kind});
}

void forget_registered_control_kinds() { registered_kinds().clear(); }

const ControlKind* kind_of_class(const ClassRecord* record) {
  for (const RegisteredKind& registered : registered_kinds())
    if (registered.record == record) return registered.kind;
  if (record->runtime_class == 0) return nullptr;
  for (const ControlKind* kind : builtin_kinds)
    if (find_runtime_class(kind->class_name) == record) return kind;
  return nullptr;
}

const ControlKind* control_kind_of(const ZObject* object) {
  const ControlKind* nearest = nullptr;
  for_each_control_kind_of(object, [&](const ControlKind& kind) {
    if (nearest == nullptr) nearest = &kind;
  });
  return nearest;
}

}  // namespace zrt
