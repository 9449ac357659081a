// Filling the export table's slots and looking routines up by name.
#include "runtime/core/export_table.h"

#include "runtime/core/assert.h"

#include <cstring>

namespace zrt {
namespace {

char ascii_upper(char letter) { return letter >= 'a' && letter <= 'z' ? static_cast<char>(letter - 'a' + 'A') : letter; }

// Names of equal length, compared ignoring the case of ASCII letters.
bool names_match(const char* slot_name, std::string_view name) {
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (ascii_upper(slot_name[i]) != ascii_upper(name[i])) return false;
  }
  return true;
}

}  // namespace

ExportTable::ExportTable(std::span<const ExportEntry> entries) {
  ZASSERT(entries.size() <= k_slot_count, "more exported routines than export slots");
  for (std::size_t i = 0; i < entries.size(); ++i) {
    ZASSERT(entries[i].name != nullptr && entries[i].routine != nullptr, "an export entry without name or routine");
    m_slots[i] = ExportSlot{entries[i].name, entries[i].routine, {0, 0}};
    m_name_lengths[i] = std::strlen(entries[i].name);
  }
}

const ExportSlot* ExportTable::find(std::string_view name) const {
  for (std::size_t i = 0; i < k_slot_count; ++i) {
    const ExportSlot& slot = m_slots[i];
    if (slot.name != nullptr && m_name_lengths[i] == name.size() && names_match(slot.name, name)) return &slot;
  }
  return nullptr;
}

}  // namespace zrt
