// Applying data2's skip and run words to data1 (their format:
// runtime/interface/image_format.h, docs/image-format.md).
#include "runtime/core/image_relocation.h"

#include "runtime/interface/image_format.h"

#include <optional>

namespace zrt {
namespace {

using namespace zif::image_format;

// The base a run word adds, or nothing for a word that is not a run.
std::optional<std::uint32_t> run_base(std::uint16_t word, std::uint32_t code1_base, std::uint32_t data1_base) {
  switch (word & run_mask) {
    case code_run_word:
    case second_code_run_word: return code1_base;
    case data_run_word: return data1_base;
    default: return std::nullopt;
  }
}

}  // namespace

bool relocate_data(ImageBlock data1, std::uint32_t code1_base, std::span<const std::uint8_t> data2, LoadError& error) {
  // Wide enough that no sequence of skips wraps it.
  std::uint64_t cursor = 0;
  for (std::size_t at = 0; at + 1 < data2.size(); at += 2) {
    const auto word = static_cast<std::uint16_t>(data2[at] | data2[at + 1] << 8);
    if ((word & skip_mask) == skip_word) {
      cursor += (word & skip_length_bits) + 1U;
      continue;
    }
    const auto base = run_base(word, code1_base, data1.base());
    if (!base) continue;
    const std::uint64_t words = (word & run_length_bits) + 1U;
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
