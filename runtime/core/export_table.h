// The Runtime export table: the one way application code reaches the
// runtime. A fixed number of slots of four 32-bit words on the target (name,
// routine, two words that stay 0); the declared routines fill the first
// slots in declaration order and the rest are free, with a null name.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "runtime/interface/interface.h"

namespace zrt {

// One routine as the interface generator lists it.
struct ExportEntry {
  const char* name;
  const void* routine;
};

struct ExportSlot {
  const char* name;  // null for a free slot
  const void* routine;
  std::uint32_t reserved[2];
};

static_assert(sizeof(void*) != 4 || sizeof(ExportSlot) == 16, "plug-ins and images expect slots of four words");

class ExportTable {
 public:
  static constexpr std::size_t k_slot_count = zif::export_slot_count;

  // Asserts that the entries fit, leaving at least the table's size.
  explicit ExportTable(std::span<const ExportEntry> entries);

  // The first slot, in slot order, whose name equals `name` ignoring the case
  // of ASCII letters; null when there is none.
  [[nodiscard]] const ExportSlot* find(std::string_view name) const;

  [[nodiscard]] std::span<const ExportSlot, k_slot_count> slots() const { return m_slots; }

 private:
  std::array<ExportSlot, k_slot_count> m_slots{};
  // The length of each slot's name, kept beside the slots (whose layout is
  // fixed) so that a lookup passes over names of another length without
  // measuring them: linking an image looks up every import this way.
  std::array<std::size_t, k_slot_count> m_name_lengths{};
};

}  // namespace zrt
