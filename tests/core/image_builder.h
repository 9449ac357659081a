// Test-side builder of small application images, laid out the way the image
// tools lay them out: calls to one routine threaded into a chain of operands,
// code2 import records followed by code-to-data records, data1 opening with
// its two header words. Tests corrupt the result to check the loader's checks.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "runtime/core/image_block.h"
#include "runtime/core/image_loader.h"
#include "runtime/core/image_source.h"
#include "runtime/core/pe_checksum.h"

namespace loader_test {

// The made-up addresses at which host tests place code1 and data1.
inline constexpr std::uint32_t k_code_base = 0x00400000;
inline constexpr std::uint32_t k_data_base = 0x10000000;

inline void push_u32(std::vector<std::uint8_t>& bytes, std::uint32_t value) {
  bytes.resize(bytes.size() + 4);
  zrt::store_u32(bytes, bytes.size() - 4, value);
}

inline void push_u16(std::vector<std::uint8_t>& bytes, std::uint16_t value) {
  bytes.push_back(static_cast<std::uint8_t>(value));
  bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

inline std::vector<std::uint8_t> import_record(const std::string& name, std::uint32_t head) {
  std::vector<std::uint8_t> record{0x01};
  push_u32(record, head);
  record.push_back(static_cast<std::uint8_t>(name.size()));
  record.insert(record.end(), name.begin(), name.end());
  return record;
}

inline std::vector<std::uint8_t> code_pointer_record(std::uint32_t code_offset) {
  std::vector<std::uint8_t> record{0x02};
  push_u32(record, code_offset);
  return record;
}

inline void append(std::vector<std::uint8_t>& to, const std::vector<std::uint8_t>& bytes) {
  to.insert(to.end(), bytes.begin(), bytes.end());
}

// The segments as one blob, as the image tools append it to the executable.
inline std::vector<std::uint8_t> blob_of(const zrt::SegmentBytes& segments) {
  std::vector<std::uint8_t> blob;
  for (const auto* segment : {&segments.code1, &segments.code2, &segments.data1, &segments.data2}) {
    push_u32(blob, static_cast<std::uint32_t>(segment->size()));
    append(blob, *segment);
  }
  return blob;
}

// A stand-in for a packed program: `runtime_size` bytes of a runtime whose
// PE headers reach the CheckSum field, the blob after them, and the checksum
// stamped as zpack stamps it.
inline std::vector<std::uint8_t> packed_program(std::size_t runtime_size, const std::vector<std::uint8_t>& blob) {
  constexpr std::uint32_t k_signature = 0x40;
  std::vector<std::uint8_t> file(runtime_size, 'M');
  file[1] = 'Z';
  zrt::store_u32(file, 0x3C, k_signature);
  zrt::store_u32(file, k_signature, 0x4550);  // "PE\0\0"
  append(file, blob);
  static_cast<void>(zrt::stamp_pe_checksum(file));
  return file;
}

class ImageBuilder {
 public:
  // code1 opens with a ret, so that no call operand sits at offset 0 (which
  // ends a chain); data1 opens with the entry and application words.
  ImageBuilder() : m_code1{0xC3}, m_data1(8, 0) {}

  // Appends a 5-byte call to `name` and returns its operand's offset.
  std::uint32_t call(const std::string& name) {
    m_code1.push_back(0xE8);
    const auto operand = static_cast<std::uint32_t>(m_code1.size());
    push_u32(m_code1, 0);
    auto [sites, fresh] = m_calls.try_emplace(name);
    if (fresh) m_import_order.push_back(name);
    sites->second.push_back(operand);
    return operand;
  }

  // Appends a code word holding a data1 offset that the loader makes absolute.
  std::uint32_t code_pointer(std::uint32_t data_offset) {
    const auto offset = static_cast<std::uint32_t>(m_code1.size());
    push_u32(m_code1, data_offset);
    m_code_pointers.push_back(offset);
    return offset;
  }

  std::uint32_t data_word(std::uint32_t value) {
    const auto offset = static_cast<std::uint32_t>(m_data1.size());
    push_u32(m_data1, value);
    return offset;
  }

  void set_header(std::uint32_t entry_offset, std::uint32_t application_offset) {
    zrt::store_u32(m_data1, 0, entry_offset);
    zrt::store_u32(m_data1, 4, application_offset);
  }

  void data2_word(std::uint16_t word) { push_u16(m_data2, word); }

  zrt::SegmentBytes build() const {
    zrt::SegmentBytes segments{m_code1, {}, m_data1, m_data2};
    for (const std::string& name : m_import_order) {
      const std::vector<std::uint32_t>& sites = m_calls.at(name);
      for (std::size_t i = 0; i + 1 < sites.size(); ++i) zrt::store_u32(segments.code1, sites[i], sites[i + 1]);
      append(segments.code2, import_record(name, sites.front()));
    }
    for (const std::uint32_t offset : m_code_pointers) append(segments.code2, code_pointer_record(offset));
    return segments;
  }

 private:
  std::vector<std::uint8_t> m_code1;
  std::vector<std::uint8_t> m_data1;
  std::vector<std::uint8_t> m_data2;
  std::vector<std::string> m_import_order;
  std::map<std::string, std::vector<std::uint32_t>> m_calls;
  std::vector<std::uint32_t> m_code_pointers;
};

// The segments placed at the test bases, ready for link_image.
inline zrt::ImageBlocks blocks_of(zrt::SegmentBytes& segments) {
  return {zrt::ImageBlock(segments.code1, k_code_base), segments.code2, zrt::ImageBlock(segments.data1, k_data_base),
          segments.data2};
}

// The address a linked call at `operand` reaches.
inline std::uint32_t call_target(const std::vector<std::uint8_t>& code1, std::uint32_t operand) {
  return k_code_base + operand + 4 + zrt::load_u32(code1, operand);
}

// Routine addresses and libraries the tests make up.
class FakeResolver : public zrt::ImportResolver {
 public:
  std::map<std::string, std::uint32_t> routines;
  std::map<std::string, zrt::LibraryHandle> libraries;
  std::map<std::pair<zrt::LibraryHandle, std::string>, std::uint32_t> library_routines;
  std::vector<std::string> loads;  // every library load asked for, in order

  std::optional<std::uint32_t> runtime_routine(std::string_view name) override {
    const auto found = routines.find(std::string(name));
    if (found == routines.end()) return std::nullopt;
    return found->second;
  }

  std::optional<zrt::LibraryHandle> load_library(const std::string& name) override {
    loads.push_back(name);
    const auto found = libraries.find(name);
    if (found == libraries.end()) return std::nullopt;
    return found->second;
  }

  std::optional<std::uint32_t> library_routine(zrt::LibraryHandle library, const std::string& routine) override {
    const auto found = library_routines.find({library, routine});
    if (found == library_routines.end()) return std::nullopt;
    return found->second;
  }
};

}  // namespace loader_test
