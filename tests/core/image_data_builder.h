// Builds synthetic image data at a made-up base address: words, literal
// string records, class descriptors and the application descriptor, laid
// out as the compiler lays them out, for the class table and project object
// tests.
#pragma once

#include "runtime/core/checked_memory.h"
#include "runtime/core/image_bases.h"
#include "runtime/interface/image_format.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

namespace object_tests {

using zif::image_format::no_superclass;

struct ClassDescription {
  std::uint32_t size = 24;
  std::string name;
  std::uint32_t superclass = no_superclass;
  bool has_lifecycle = false;
  std::uint32_t constructor = 0;
  std::uint32_t destructor = 0;
  bool is_interface = false;
  std::vector<std::uint32_t> interfaces;
  std::vector<std::pair<std::string, std::uint32_t>> methods;  // routine ignored for interfaces
  std::vector<std::tuple<std::string, std::uint32_t, std::uint32_t>> handlers;  // name, routine, key
  std::vector<std::pair<std::string, std::uint32_t>> constants;
  std::uint32_t table_word = zif::image_format::table_word;
  std::vector<std::uint32_t> virtual_table{0};
};

inline ClassDescription class_described(std::string name, std::uint32_t superclass = no_superclass, std::uint32_t size = 24) {
  ClassDescription description;
  description.name = std::move(name);
  description.superclass = superclass;
  description.size = size;
  return description;
}

inline ClassDescription interface_described(std::string name) {
  ClassDescription description = class_described(std::move(name));
  description.is_interface = true;
  return description;
}

class ImageDataBuilder {
 public:
  explicit ImageDataBuilder(zrt::Address base = 0x00500000) : m_base(base) {}

  zrt::Address here() const { return m_base + static_cast<zrt::Address>(m_bytes.size()); }

  zrt::Address word(std::uint32_t value) {
    const zrt::Address at = here();
    for (int shift = 0; shift < 32; shift += 8) m_bytes.push_back(static_cast<std::uint8_t>(value >> shift));
    return at;
  }

  zrt::Address words(std::initializer_list<std::uint32_t> values) {
    const zrt::Address at = here();
    for (std::uint32_t value : values) word(value);
    return at;
  }

  zrt::Address bytes(std::span<const std::uint8_t> values) {
    const zrt::Address at = here();
    m_bytes.insert(m_bytes.end(), values.begin(), values.end());
    align();
    return at;
  }

  // The text buffer, then the record at the next word boundary; returns the
  // record's address.
  zrt::Address literal(std::string_view text) {
    const zrt::Address buffer = here();
    m_bytes.push_back(static_cast<std::uint8_t>(text.size() < 256 ? text.size() : 255));
    m_bytes.insert(m_bytes.end(), text.begin(), text.end());
    m_bytes.push_back(0);
    align();
    const auto length = static_cast<std::uint32_t>(text.size());
    return words({zif::image_format::literal_references, buffer, length, length});
  }

  zrt::Address runtime_class_reference(std::string_view name) {
    const zrt::Address name_record = literal(name);
    return words({zif::image_format::class_kind::runtime, name_record});
  }

  zrt::Address class_descriptor(const ClassDescription& description) {
    const zrt::Address name = description.name.empty() ? 0 : literal(description.name);
    std::vector<std::uint32_t> method_names, handler_names, constant_names;
    for (const auto& method : description.methods) method_names.push_back(literal(method.first));
    for (const auto& handler : description.handlers) handler_names.push_back(literal(std::get<0>(handler)));
    for (const auto& constant : description.constants) constant_names.push_back(literal(constant.first));

    const zrt::Address at = words({zif::image_format::class_kind::program, description.size, name,
                                   description.superclass, description.has_lifecycle ? 1u : 0u});
    if (description.has_lifecycle) words({description.constructor, description.destructor});
    word(description.is_interface ? 1 : 0);
    word(static_cast<std::uint32_t>(description.interfaces.size()));
    for (std::uint32_t index : description.interfaces) word(index);
    word(static_cast<std::uint32_t>(description.methods.size()));
    for (std::size_t i = 0; i < description.methods.size(); ++i) {
      word(method_names[i]);
      if (!description.is_interface) word(description.methods[i].second);
    }
    word(static_cast<std::uint32_t>(description.handlers.size()));
    for (std::size_t i = 0; i < description.handlers.size(); ++i)
      words({handler_names[i], std::get<1>(description.handlers[i]), std::get<2>(description.handlers[i])});
    word(static_cast<std::uint32_t>(description.constants.size()));
    for (std::size_t i = 0; i < description.constants.size(); ++i) words({constant_names[i], description.constants[i].second});
    word(description.table_word);
    for (std::uint32_t entry : description.virtual_table) word(entry);
    return at;
  }

  zrt::Address application_descriptor(const std::vector<zrt::Address>& classes,
                                      const std::vector<zrt::Address>& objects) {
    const zrt::Address at = word(static_cast<std::uint32_t>(classes.size()));
    for (zrt::Address address : classes) word(address);
    word(static_cast<std::uint32_t>(objects.size()));
    for (zrt::Address address : objects) word(address);
    return at;
  }

  std::uint32_t word_at(zrt::Address at) const {
    const std::size_t offset = at - m_base;
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = value << 8 | m_bytes[offset + static_cast<std::size_t>(i)];
    return value;
  }

  void set_word(zrt::Address at, std::uint32_t value) {
    const std::size_t offset = at - m_base;
    for (int i = 0; i < 4; ++i) m_bytes[offset + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
  }

  zrt::Address base() const { return m_base; }
  const std::vector<std::uint8_t>& contents() const { return m_bytes; }

  // Makes the bytes built so far the image's data1 segment. Nothing may be
  // added afterwards, since the segment points into them.
  zrt::MemoryView& install_as_data1() {
    zrt::set_image_segments(zrt::ImageSegment{}, zrt::ImageSegment{m_base, m_bytes});
    return zrt::image_data();
  }

 private:
  void align() {
    while (m_bytes.size() % 4 != 0) m_bytes.push_back(0);
  }

  zrt::Address m_base;
  std::vector<std::uint8_t> m_bytes;
};

}  // namespace object_tests
