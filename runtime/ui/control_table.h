// A window's controls by key, and the definition records that clone
// control-array members. A key is the control's Name, or for a member of a
// control array Name + "$" + Index ("Button$0"); keys match in any letter
// case and enumerate in the order they were first added, which is the
// definition's order. The table holds no reference of its own: the window
// owns what it stores and releases it when it closes.
#pragma once

#include "runtime/core/class_records.h"
#include "runtime/core/name_dictionary.h"
#include "runtime/core/objects.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zrt {

using ControlTable = NameDictionary<ZObject*>;

[[nodiscard]] std::string control_key(std::string_view name, std::int32_t index);

// The control stored under the key, or null.
[[nodiscard]] ZObject* find_control(const ControlTable* table, std::string_view key);

// The smallest n from 0 for which name$n is not in the table.
[[nodiscard]] std::int32_t lowest_free_member_index(const ControlTable& table, std::string_view name);

// The first control's class and every property pair of a control name, in
// definition order: the template for new members of its control array.
struct ControlDefinition {
  std::string name;
  std::int32_t index = 0;
  ClassRecord* record = nullptr;
  std::vector<std::pair<std::string, std::string>> properties;
};

// A window's definition records; a second control of a name adds none.
class ControlDefinitions {
 public:
  // Keeps the definition unless one of its name (any letter case) is kept.
  void keep(ControlDefinition definition);
  [[nodiscard]] const ControlDefinition* find(std::string_view name) const;

 private:
  std::vector<ControlDefinition> m_definitions;
};

// What the control framework keeps for each window: the control table and
// the definition records, owned through the window's control table field.
struct WindowControlState {
  ControlTable table;
  ControlDefinitions definitions;
};

// The window's state, or null when the window is nil or has none yet.
[[nodiscard]] WindowControlState* control_state(ZObject* window);
// The window's state, made on first use.
[[nodiscard]] WindowControlState& control_state_for_creation(ZObject* window);
// Frees the state; the controls it held are released by the window's close.
void discard_control_state(ZObject* window);

}  // namespace zrt
