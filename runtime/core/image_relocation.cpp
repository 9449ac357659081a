// The data2 words. 0x8000 to 0x8FFF skip (low 12 bits) + 1 bytes; a run word
// adds a base to (low 9 bits) + 1 consecutive words at the cursor and moves
// past them: 0x4000 to 0x41FF and 0x4600 to 0x47FF add the code1 base, 0x4200
// to 0x43FF the data1 base. Every other word is ignored and moves nothing.
#include "runtime/core/image_relocation.h"

#include <optional>

namespace zrt {
namespace {

constexpr std::uint16_t k_skip_mask = 0xF000;
constexpr std::uint16_t k_skip_kind = 0x8000;
constexpr std::uint16_t k_skip_bytes = 0x0FFF;
constexpr std::uint16_t k_run_mask = 0xFE00;
constexpr std::uint16_t k_code_run = 0x4000;
constexpr std::uint16_t k_data_run = 0x4200;
constexpr std::uint16_t k_second_code_run = 0x4600;
constexpr std::uint16_t k_run_words = 0x01FF;

// The base a run word adds, or nothing for a word that is not a run.
std::optional<std::uint32_t> run_base(std::uint16_t word, std::uint32_t code1_base, std::uint32_t data1_base) {
  switch (word & k_run_mask) {
    case k_code_run:
    case k_second_code_run: return code1_base;
    case k_data_run: return data1_base;
    default: return std::nullopt;
  }
}

}  // namespace

bool relocate_data(ImageBlock data1, std::uint32_t code1_base, std::span<const std::uint8_t> data2, LoadError& error) {
  // Wide enough that no sequence of skips wraps it.
  std::uint64_t cursor = 0;
  for (std::size_t at = 0; at + 1 < data2.size(); at += 2) {
    const auto word = static_cast<std::uint16_t>(data2[at] | data2[at + 1] << 8);
    if ((word & k_skip_mask) == k_skip_kind) {
      cursor += (word & k_skip_bytes) + 1U;
      continue;
    }
    const auto base = run_base(word, code1_base, data1.base());
    if (!base) continue;
    const std::uint64_t words = (word & k_run_words) + 1U;
    if (!data1.holds(cursor, 4 * words)) {
      error = load_failure("the data2 word at offset " + hex(at) + " relocates " + std::to_string(words) +
                           " words at data1 offset " + hex(cursor) + ", beyond the end of data1 (" +
                           hex(data1.size()) + " bytes)");
      return false;
    }
    for (std::uint64_t i = 0; i < words; ++i, cursor += 4) {
      const auto offset = static_cast<std::size_t>(cursor);
      store_u32(data1.bytes(), offset, load_u32(data1.bytes(), offset) + *base);
    }
  }
  return true;
}

}  // namespace zrt
