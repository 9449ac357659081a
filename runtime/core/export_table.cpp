// Filling the export table's slots and looking routines up by name.
#include "runtime/core/export_table.h"

#include "runtime/core/assert.h"

#include <cstring>

namespace zrt {
namespace {

char ascii_upper(char letter) { return letter >= 'a' && letter <= 'z' ? static_cast<char>(letter - 'a' + 'A') : letter; }

bool names_match(const char* slot_name, std::string_view name) {
  const std::size_t length = std::strlen(slot_name);
  if (length != name.size()) return false;
  for (std::size_t i = 0; i < length; ++i) {
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
  }
}

const ExportSlot* ExportTable::find(std::string_view name) const {
  for (const ExportSlot& slot : m_slots) {
    if (slot.name != nullptr && names_match(slot.name, name)) return &slot;
  }
  return nullptr;
}

}  // namespace zrt
