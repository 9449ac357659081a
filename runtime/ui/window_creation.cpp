// The steps of creating a window up to its native window.
#include "runtime/ui/window_creation.h"

#include "runtime/core/class_table.h"
#include "runtime/core/objects.h"
#include "runtime/core/runtime_classes.h"
#include "runtime/ui/property_values.h"
#include "runtime/ui/window_object.h"

namespace zrt {
namespace {

void store_in_variable(Word* variable, ZObject* window) {
  if (variable == nullptr) return;
  lock_object(window);
  ZObject* old = pointer_of<ZObject>(*variable);
  *variable = word_of_pointer(window);
  unlock_object(old);
}

WindowCreation abandon(ZObject* window, Word* variable, std::string fault) {
  store_in_variable(variable, nullptr);
  unlock_object(window);
  return {nullptr, std::move(fault)};
}

// "window" with the window's name when it is known, then what went wrong.
std::string window_fault(const ClassRecord* record, std::string_view what) {
  std::string fault = "window ";
  if (record != nullptr) fault += "\"" + std::string(class_name(record)) + "\" ";
  return fault.append(what);
}

bool set_window_properties(ZObject* window, DefinitionStream& stream, std::int32_t pair_count) {
  for (std::int32_t i = 0; i < pair_count; ++i) {
    const auto pair = stream.read_property_pair();
    if (!pair) return false;
    static_cast<void>(set_property_from_text(window, pair->name, pair->value));
  }
  return true;
}

std::optional<FrameChoice> place_window(ZObject* window, ScreenSize screen) {
  const WindowFields fields(window);
  const auto frame = choose_frame(fields.value<std::int32_t>(zif::window_fields::frame));
  if (!frame) return std::nullopt;
  std::int32_t placement = fields.value<std::int32_t>(zif::window_fields::placement);
  if (placement == 0) placement = frame->default_placement;
  fields.set_bounds(place_bounds(fields.bounds(), placement, screen));
  fields.set_last_bounds(fields.bounds());
  return frame;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> copy_window_definition(const MemoryView& data, Address definition) {
  const auto length = data.word_at(definition);
  if (!length || definition > 0xFFFFFFFFu - 4) return std::nullopt;
  return data.copy_bytes(definition + 4, *length);
}

WindowCreation create_window(std::span<const std::uint8_t> definition, Word* variable, ScreenSize screen,
                             NativeWindowBuilder build_native) {
  DefinitionStream stream(definition);
  const auto pair_count = stream.read_count("window property count");
  const auto class_index = pair_count ? stream.read_integer("window class index") : std::nullopt;
  if (!class_index) return {nullptr, window_fault(nullptr, stream.error())};
  ClassRecord* record = class_at_index(*class_index);
  // A class index that names no window class would give an object without
  // a window's fields.
  if (record == nullptr || !class_inherits(record, &runtime_class("Window")))
    return {nullptr, window_fault(nullptr, "definition: class index " + std::to_string(*class_index) +
                                               " names no window class")};
  ZObject* window = new_instance(*record);
  store_in_variable(variable, window);
  if (!set_window_properties(window, stream, *pair_count))
    return abandon(window, variable, window_fault(record, stream.error()));
  const auto frame = place_window(window, screen);
  if (!frame) {
    const auto number = WindowFields(window).value<std::int32_t>(zif::window_fields::frame);
    return abandon(window, variable,
                   window_fault(record, "definition: Frame " + std::to_string(number) + " names no frame"));
  }
  // The system may fail to make the window too; only a stream that could not
  // be read is the definition's fault.
  if (!build_native(window, frame->kind, stream, variable))
    return abandon(window, variable, stream.error().empty() ? "" : window_fault(record, stream.error()));
  // An Open handler may have closed the window again.
  if (WindowFields(window).native() == nullptr) return abandon(window, variable, "");
  return {window, ""};
}

}  // namespace zrt
