// Parses an i386 COFF object: file header, section table, raw section bytes,
// relocations, symbol table and string table, checking each range against
// the file before reading it.
#include "compiler/coff_reader.h"

#include "compiler/image_writer.h"
#include "compiler/text_format.h"

#include <cstddef>

namespace coff {
namespace {

constexpr std::uint16_t k_machine_i386 = 0x014C;
constexpr std::size_t k_file_header_size = 20;
constexpr std::size_t k_section_header_size = 40;
constexpr std::size_t k_relocation_size = 10;
constexpr std::size_t k_symbol_size = 18;
constexpr std::size_t k_short_name_size = 8;

class ByteReader {
 public:
  explicit ByteReader(std::span<const std::uint8_t> file) : m_file(file) {}

  std::span<const std::uint8_t> range(std::size_t offset, std::size_t size,
                                      std::string_view what) const {
    if (offset > m_file.size() || size > m_file.size() - offset) {
      throw CoffError(text::format("truncated object: {} at offset {} ({} bytes) runs past "
                                   "the end of the file ({} bytes)",
                                   what, text::hex(offset), text::hex(size), text::hex(m_file.size())));
    }
    return m_file.subspan(offset, size);
  }

  std::uint32_t u32(std::size_t offset, std::string_view what) const {
    return image::read_u32(range(offset, 4, what), 0);
  }

  std::uint16_t u16(std::size_t offset, std::string_view what) const {
    const auto bytes = range(offset, 2, what);
    return static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8);
  }

  std::uint8_t u8(std::size_t offset, std::string_view what) const {
    return range(offset, 1, what)[0];
  }

 private:
  std::span<const std::uint8_t> m_file;
};

// The string table follows the symbol table; positions in it count from its
// start, which holds the table's own size.
class StringTable {
 public:
  StringTable(const ByteReader& reader, std::size_t offset) : m_reader(reader), m_offset(offset) {}

  std::string at(std::uint32_t position) const {
    std::string text;
    for (std::size_t i = m_offset + position;; ++i) {
      const std::uint8_t c = m_reader.u8(i, "string table entry " + text::hex(position));
      if (c == 0) return text;
      text.push_back(static_cast<char>(c));
    }
  }

 private:
  const ByteReader& m_reader;
  std::size_t m_offset;
};

std::string short_name(std::span<const std::uint8_t> field) {
  std::string name;
  for (const std::uint8_t c : field) {
    if (c == 0) break;
    name.push_back(static_cast<char>(c));
  }
  return name;
}

// A section name "/123" stands for the string table entry at position 123.
std::string section_name(std::span<const std::uint8_t> field, const StringTable& strings) {
  const std::string name = short_name(field);
  if (name.size() < 2 || name[0] != '/') return name;
  std::uint32_t position = 0;
  for (const char c : std::string_view(name).substr(1)) {
    if (c < '0' || c > '9') throw CoffError(text::format("section name '{}' is malformed", name));
    position = position * 10 + static_cast<std::uint32_t>(c - '0');
  }
  return strings.at(position);
}

std::uint32_t section_alignment(const std::string& name, std::uint32_t characteristics) {
  const std::uint32_t code = characteristics >> 20 & 0xF;
  if (code == 0) return 16;  // the format's default
  if (code > 14) {
    throw CoffError(text::format("section {} has invalid alignment code {}", name, code));
  }
  return 1U << (code - 1);
}

std::vector<Relocation> read_relocations(const ByteReader& reader, std::size_t offset,
                                         std::size_t count, const std::string& section) {
  const std::string what = "relocations of section " + section;
  reader.range(offset, count * k_relocation_size, what);
  std::vector<Relocation> relocations(count);
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t at = offset + i * k_relocation_size;
    relocations[i] = {reader.u32(at, what), reader.u32(at + 4, what), reader.u16(at + 8, what)};
  }
  return relocations;
}

Section read_section(const ByteReader& reader, std::size_t header, const StringTable& strings) {
  const std::string what = "section header";
  Section section;
  section.name = section_name(reader.range(header, k_short_name_size, what), strings);
  const std::uint32_t raw_size = reader.u32(header + 16, what);
  const std::uint32_t raw_offset = reader.u32(header + 20, what);
  section.characteristics = reader.u32(header + 36, what);
  section.alignment = section_alignment(section.name, section.characteristics);
  if ((section.characteristics & k_scn_uninitialized_data) != 0) {
    section.bytes.assign(raw_size, 0);
  } else {
    const auto bytes = reader.range(raw_offset, raw_size, "bytes of section " + section.name);
    section.bytes.assign(bytes.begin(), bytes.end());
  }
  section.relocations =
      read_relocations(reader, reader.u32(header + 24, what), reader.u16(header + 32, what),
                       section.name);
  return section;
}

Symbol read_symbol(const ByteReader& reader, std::size_t at, const StringTable& strings) {
  const std::string what = "symbol table";
  Symbol symbol;
  const auto name = reader.range(at, k_short_name_size, what);
  symbol.name = reader.u32(at, what) == 0 ? strings.at(reader.u32(at + 4, what)) : short_name(name);
  symbol.value = reader.u32(at + 8, what);
  symbol.section_number = static_cast<std::int16_t>(reader.u16(at + 12, what));
  symbol.storage_class = reader.u8(at + 16, what);
  return symbol;
}

std::vector<Symbol> read_symbols(const ByteReader& reader, std::size_t offset, std::size_t count,
                                 const StringTable& strings) {
  reader.range(offset, count * k_symbol_size, "symbol table");
  std::vector<Symbol> symbols;
  symbols.reserve(count);
  while (symbols.size() < count) {
    const std::size_t at = offset + symbols.size() * k_symbol_size;
    const std::uint8_t aux_count = reader.u8(at + 17, "symbol table");
    symbols.push_back(read_symbol(reader, at, strings));
    for (std::uint8_t i = 0; i < aux_count && symbols.size() < count; ++i) {
      Symbol auxiliary;
      auxiliary.auxiliary = true;
      symbols.push_back(auxiliary);
    }
  }
  return symbols;
}

}  // namespace

Object read_object(std::span<const std::uint8_t> file) {
  const ByteReader reader(file);
  const std::string what = "file header";
  const std::uint16_t machine = reader.u16(0, what);
  if (machine != k_machine_i386) {
    throw CoffError("not an i386 object: machine type " + text::hex(machine));
  }
  const std::uint16_t section_count = reader.u16(2, what);
  const std::uint32_t symbol_offset = reader.u32(8, what);
  const std::uint32_t symbol_count = reader.u32(12, what);
  const std::uint16_t optional_size = reader.u16(16, what);
  const std::size_t string_offset =
      static_cast<std::size_t>(symbol_offset) + static_cast<std::size_t>(symbol_count) * k_symbol_size;
  const StringTable strings(reader, string_offset);

  Object object;
  const std::size_t section_table = k_file_header_size + optional_size;
  for (std::size_t i = 0; i < section_count; ++i) {
    object.sections.push_back(read_section(reader, section_table + i * k_section_header_size, strings));
  }
  object.symbols = read_symbols(reader, symbol_offset, symbol_count, strings);
  return object;
}

}  // namespace coff
