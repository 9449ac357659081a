// The control part of window definitions read and skipped, until the
// control framework creates the controls it describes.
#include "runtime/ui/window_controls.h"

namespace zrt {
namespace {

bool skip_property_pairs(DefinitionStream& stream, std::int32_t count) {
  for (std::int32_t i = 0; i < count; ++i)
    if (!stream.read_property_pair()) return false;
  return true;
}

bool skip_control(DefinitionStream& stream) {
  const auto class_index = stream.read_integer("control class index");
  const auto pairs = class_index ? stream.read_count("control property count") : std::nullopt;
  return pairs && skip_property_pairs(stream, *pairs);
}

// Source ordinal, unused text, target ordinal, unused text, binding class
// index, source part name, target part name.
bool skip_binding(DefinitionStream& stream) {
  return stream.read_integer("binding source") && stream.read_text("binding source text") &&
         stream.read_integer("binding target") && stream.read_text("binding target text") &&
         stream.read_integer("binding class index") && stream.read_text("binding source part") &&
         stream.read_text("binding target part");
}

}  // namespace

// FIXME: create the controls and make the bindings once the control
// framework exists; the window's controls are only read past for now.
bool read_window_controls(ZObject*, DefinitionStream& stream) {
  const auto controls = stream.read_count("control count");
  if (!controls) return false;
  for (std::int32_t i = 0; i < *controls; ++i)
    if (!skip_control(stream)) return false;
  const auto bindings = stream.read_count("binding count");
  if (!bindings) return false;
  for (std::int32_t i = 0; i < *bindings; ++i)
    if (!skip_binding(stream)) return false;
  return true;
}

std::int32_t window_control_count(ZObject*) { return 0; }

ZObject* window_control_at(ZObject*, std::int32_t) { return nullptr; }

void close_window_controls(ZObject*) {}

void lay_out_window_controls(ZObject*, std::int32_t, std::int32_t) {}

}  // namespace zrt
