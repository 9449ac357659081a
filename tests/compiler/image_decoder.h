// Test-side reader of image segments: decodes code2 records, walks call
// chains and applies data2 the way the loader does, so tests check what the
// loader will see rather than the writer's internals.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "compiler/image_writer.h"

namespace image_test {

struct Import {
  std::string name;
  std::uint32_t head = 0;
};

struct Code2 {
  std::vector<Import> imports;
  std::vector<std::uint32_t> code_pointers;
};

inline Code2 decode_code2(const std::vector<std::uint8_t>& code2) {
  Code2 result;
  for (std::size_t at = 0; at < code2.size();) {
    const std::uint8_t kind = code2[at];
    if (kind == 0x01) {
      const std::size_t length = code2.at(at + 5);
      result.imports.push_back({std::string(code2.begin() + static_cast<long>(at) + 6,
                                            code2.begin() + static_cast<long>(at + 6 + length)),
                                image::read_u32(code2, at + 1)});
      at += 6 + length;
    } else if (kind == 0x02) {
      result.code_pointers.push_back(image::read_u32(code2, at + 1));
      at += 5;
    } else {
      ++at;
    }
  }
  return result;
}

// Operand offsets of one chain in visiting order; stops on a repeated site so
// a cyclic chain shows up as a short list instead of hanging the test.
inline std::vector<std::uint32_t> chain_sites(const std::vector<std::uint8_t>& code1,
                                              std::uint32_t head) {
  std::vector<std::uint32_t> sites;
  for (std::uint32_t site = head; site != 0; site = image::read_u32(code1, site)) {
    for (const std::uint32_t seen : sites) {
      if (seen == site) return sites;
    }
    sites.push_back(site);
  }
  return sites;
}

// data1 offset of each relocated word and the base added to it.
inline std::map<std::uint32_t, image::Base> apply_data2(const std::vector<std::uint8_t>& data2) {
  std::map<std::uint32_t, image::Base> relocated;
  std::uint32_t cursor = 0;
  for (std::size_t at = 0; at + 1 < data2.size(); at += 2) {
    const auto word = static_cast<std::uint16_t>(data2[at] | data2[at + 1] << 8);
    if ((word & 0xF000) == 0x8000) {
      cursor += (word & 0x0FFFU) + 1;
    } else if ((word & 0xFC00) == 0x4000 || (word & 0xFE00) == 0x4600) {
      const auto base = (word & 0xFE00) == 0x4200 ? image::Base::data : image::Base::code;
      for (std::uint32_t i = 0; i <= (word & 0x01FFU); ++i, cursor += 4) relocated[cursor] = base;
    }
  }
  return relocated;
}

inline std::vector<std::uint16_t> data2_words(const std::vector<std::uint8_t>& data2) {
  std::vector<std::uint16_t> words;
  for (std::size_t at = 0; at + 1 < data2.size(); at += 2) {
    words.push_back(static_cast<std::uint16_t>(data2[at] | data2[at + 1] << 8));
  }
  return words;
}

}  // namespace image_test
