// Control kinds as units. Each kind of control (push button, list box, a
// plug-in's control) is described once by a ControlKind: the runtime class it
// belongs to, the fields of its instances that hold counted strings and
// objects, and how its pane is made. The control framework consults the
// registered kinds instead of testing class names: to release a control's
// fields, and to build the pane of a control whose CreatePane no handler
// answered.
#pragma once

#include "runtime/core/class_records.h"
#include "runtime/core/objects.h"
#include "runtime/ui/pane.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace zrt {

struct ControlKind;

// Makes the pane of a control of the kind on its window, owned by the
// caller; null when the window has no native window.
using PaneFactory = Pane* (*)(ZObject* control, const ControlKind& kind);

// A kind whose drawing comes from outside the runtime (a plug-in's draw
// operation): called with the control and a graphics object that draws into
// the control's window in window coordinates, and the kind's data.
using KindDrawing = void (*)(ZObject* control, ZObject* graphics, const void* data);

struct ControlKind {
  std::string_view class_name = {};
  // Offsets of the kind's own fields that hold a counted string or object,
  // released with the control; the base kinds' fields are theirs to list.
  std::span<const std::int32_t> string_fields = {};
  std::span<const std::int32_t> reference_fields = {};
  // Null for a kind without pane of its own (Control, RectControl).
  PaneFactory make_pane = nullptr;
  // Releases what the kind keeps beyond those fields (native records), or
  // null.
  void (*release)(ZObject* control) = nullptr;
  // For panes built by make_drawn_pane: the drawing and its data.
  KindDrawing draw = nullptr;
  const void* data = nullptr;
};

// The built-in kinds, each defined beside its routines in its kind's file
// and listed once in control_kinds.cpp.
extern const ControlKind control_base_kind;
extern const ControlKind push_button_kind;
extern const ControlKind static_text_kind;
extern const ControlKind canvas_kind;
extern const ControlKind group_box_kind;
extern const ControlKind listbox_kind;

// Registers a kind for an existing class record, such as a plug-in's control
// class; the built-in kinds are known by their runtime class names. The kind
// must outlive its registration. A record registered again takes the new kind.
void register_control_kind(const ClassRecord* record, const ControlKind& kind);
// Forgets every kind registered by record (a fresh start, in tests).
void forget_registered_control_kinds();

// The kind nearest to the object's class along its class chain, or null
// (objects that are no controls).
[[nodiscard]] const ControlKind* control_kind_of(const ZObject* object);

// Visits every kind along the object's class chain, nearest first.
template <typename Visit>
void for_each_control_kind_of(const ZObject* object, Visit&& visit);

// Implementation of the template: the kind that the class itself has, or null.
[[nodiscard]] const ControlKind* kind_of_class(const ClassRecord* record);

template <typename Visit>
void for_each_control_kind_of(const ZObject* object, Visit&& visit) {
  for (const ClassRecord* record = object != nullptr ? class_of(object) : nullptr; record != nullptr;
       record = record->superclass)
    if (const ControlKind* kind = kind_of_class(record)) visit(*kind);
}

}  // namespace zrt
