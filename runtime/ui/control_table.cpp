#include "runtime/ui/control_table.h"

#include "runtime/core/name_equality.h"
#include "runtime/core/instance_fields.h"
#include "runtime/interface/control_layout.h"
#include "runtime/interface/window_layout.h"

#include <algorithm>

namespace zrt {

std::string control_key(std::string_view name, std::int32_t index) {
  std::string key(name);
  if (index != zif::control_fields::no_index) key += "$" + std::to_string(index);
  return key;
}

ZObject* find_control(const ControlTable* table, std::string_view key) {
  if (table == nullptr) return nullptr;
  ZObject* const* found = table->find(key);
  return found != nullptr ? *found : nullptr;
}

std::int32_t lowest_free_member_index(const ControlTable& table, std::string_view name) {
  std::int32_t index = 0;
  while (table.find(control_key(name, index)) != nullptr) ++index;
  return index;
}

void ControlDefinitions::keep(ControlDefinition definition) {
  if (find(definition.name) == nullptr) m_definitions.push_back(std::move(definition));
}

const ControlDefinition* ControlDefinitions::find(std::string_view name) const {
  const auto found = std::find_if(m_definitions.begin(), m_definitions.end(),
                                  [&](const ControlDefinition& definition) { return names_equal(definition.name, name); });
  return found != m_definitions.end() ? &*found : nullptr;
}

WindowControlState* control_state(ZObject* window) {
  if (window == nullptr) return nullptr;
  return InstanceFields(window).record<WindowControlState>(zif::window_fields::control_table);
}

WindowControlState& control_state_for_creation(ZObject* window) {
  if (WindowControlState* state = control_state(window)) return *state;
  auto* state = new WindowControlState;
  InstanceFields(window).set_record(zif::window_fields::control_table, state);
  return *state;
}

void discard_control_state(ZObject* window) {
  delete control_state(window);
  InstanceFields(window).set_record<WindowControlState>(zif::window_fields::control_table, nullptr);
}

}  // namespace zrt
