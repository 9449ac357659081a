// Lays out code1 and data1, threads each imported routine's call operands into
// one chain, and encodes the code2 records and the data2 runs and skips the
// loader applies.
#include "compiler/image_writer.h"

#include "compiler/text_format.h"
#include "runtime/interface/image_format.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace image {
namespace {

namespace format = zif::image_format;

void push_u32(std::vector<std::uint8_t>& bytes, std::uint32_t value) {
  bytes.resize(bytes.size() + 4);
  write_u32(bytes, bytes.size() - 4, value);
}

std::uint32_t append_aligned(std::vector<std::uint8_t>& segment, std::span<const std::uint8_t> bytes,
                             std::uint32_t alignment, std::string_view name) {
  if (alignment == 0 || (alignment & (alignment - 1)) != 0) {
    throw ImageError(text::format("{} alignment {} is not a power of two", name, alignment));
  }
  segment.resize((segment.size() + alignment - 1) / alignment * alignment);
  const auto offset = static_cast<std::uint32_t>(segment.size());
  segment.insert(segment.end(), bytes.begin(), bytes.end());
  return offset;
}

// Marks the word at `offset` as fixed up; two fixups may not share a byte.
void claim_word(std::set<std::uint32_t>& claimed, std::size_t segment_size, std::uint32_t offset,
                std::string_view segment, std::string_view what) {
  if (static_cast<std::size_t>(offset) + 4 > segment_size) {
    throw ImageError(text::format("{} at {}+{} lies outside the segment ({} bytes)", what, segment,
                                  text::hex(offset), text::hex(segment_size)));
  }
  const auto next = claimed.lower_bound(offset > 3 ? offset - 3 : 0);
  if (next != claimed.end() && *next < offset + 4) {
    throw ImageError(text::format("{} at {}+{} overlaps the fixup at {}+{}", what, segment,
                                  text::hex(offset), segment, text::hex(*next)));
  }
  claimed.insert(offset);
}

void push_skips(std::vector<std::uint16_t>& words, std::uint32_t gap) {
  while (gap > 0) {
    const std::uint32_t step = std::min(gap, format::max_skip);
    words.push_back(static_cast<std::uint16_t>(format::skip_word | (step - 1)));
    gap -= step;
  }
}

void write_file(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw ImageError("cannot write " + path.string());
}

}  // namespace

std::uint32_t read_u32(std::span<const std::uint8_t> bytes, std::size_t offset) {
  return static_cast<std::uint32_t>(bytes[offset]) |
         static_cast<std::uint32_t>(bytes[offset + 1]) << 8 |
         static_cast<std::uint32_t>(bytes[offset + 2]) << 16 |
         static_cast<std::uint32_t>(bytes[offset + 3]) << 24;
}

void write_u32(std::span<std::uint8_t> bytes, std::size_t offset, std::uint32_t value) {
  for (std::size_t i = 0; i < 4; ++i) {
    bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
  }
}

ImageWriter::ImageWriter() : m_data1(format::header_size, 0) {}

std::uint32_t ImageWriter::append_code(std::span<const std::uint8_t> bytes, std::uint32_t alignment) {
  return append_aligned(m_code1, bytes, alignment, "code");
}

std::uint32_t ImageWriter::append_data(std::span<const std::uint8_t> bytes, std::uint32_t alignment) {
  return append_aligned(m_data1, bytes, alignment, "data");
}

void ImageWriter::set_entry(std::uint32_t code_offset) {
  add_data_pointer(offsetof(format::Header, entry), Base::code, code_offset);
}

void ImageWriter::set_application(std::uint32_t data_offset) {
  add_data_pointer(offsetof(format::Header, application), Base::data, data_offset);
}

void ImageWriter::claim_code_word(std::uint32_t offset, std::string_view what) {
  claim_word(m_claimed_code, m_code1.size(), offset, "code1", what);
}

void ImageWriter::add_call(const std::string& name, std::uint32_t operand_offset) {
  const std::string what = text::format("call to '{}'", name);
  if (name.empty() || name.size() > format::max_import_name) {
    throw ImageError(text::format("{} at code1+{}: an import name has 1 to {} characters", what,
                                  text::hex(operand_offset), format::max_import_name));
  }
  claim_code_word(operand_offset, what);
  if (operand_offset == 0 || m_code1[operand_offset - 1] != format::call_opcode) {
    throw ImageError(text::format("{} at code1+{} is not the operand of a 5-byte E8 call", what,
                                  text::hex(operand_offset)));
  }
  auto [sites, fresh] = m_calls.try_emplace(name);
  if (fresh) m_import_order.push_back(name);
  sites->second.push_back(operand_offset);
}

void ImageWriter::add_code_pointer(std::uint32_t code_offset, std::uint32_t data_offset) {
  claim_code_word(code_offset, "code-to-data reference");
  write_u32(m_code1, code_offset, data_offset);
  m_code_pointers.push_back(code_offset);
}

void ImageWriter::patch_code(std::uint32_t code_offset, std::uint32_t value) {
  claim_code_word(code_offset, "code word");
  write_u32(m_code1, code_offset, value);
}

void ImageWriter::add_data_pointer(std::uint32_t data_offset, Base base, std::uint32_t target) {
  claim_word(m_claimed_data, m_data1.size(), data_offset, "data1", "data pointer");
  write_u32(m_data1, data_offset, target);
  m_data_pointers.emplace(data_offset, base);
}

std::vector<std::uint8_t> ImageWriter::linked_code() const {
  std::vector<std::uint8_t> code = m_code1;
  for (const auto& [name, unsorted] : m_calls) {
    std::vector<std::uint32_t> sites = unsorted;
    std::sort(sites.begin(), sites.end());
    for (std::size_t i = 0; i < sites.size(); ++i) {
      write_u32(code, sites[i], i + 1 < sites.size() ? sites[i + 1] : 0);
    }
  }
  return code;
}

std::vector<std::uint8_t> ImageWriter::code2() const {
  std::vector<std::uint8_t> records;
  for (const std::string& name : m_import_order) {
    records.push_back(format::code2_record::import);
    push_u32(records, *std::min_element(m_calls.at(name).begin(), m_calls.at(name).end()));
    records.push_back(static_cast<std::uint8_t>(name.size()));
    records.insert(records.end(), name.begin(), name.end());
  }
  for (const std::uint32_t offset : m_code_pointers) {
    records.push_back(format::code2_record::code_pointer);
    push_u32(records, offset);
  }
  return records;
}

std::vector<std::uint8_t> ImageWriter::data2() const {
  std::vector<std::uint16_t> words;
  std::uint32_t cursor = 0;
  for (auto pointer = m_data_pointers.begin(); pointer != m_data_pointers.end();) {
    const auto [start, base] = *pointer;
    push_skips(words, start - cursor);
    std::uint32_t count = 0;
    while (pointer != m_data_pointers.end() && pointer->first == start + 4 * count &&
           pointer->second == base && count < format::max_run_words) {
      ++count;
      ++pointer;
    }
    const std::uint16_t kind = base == Base::code ? format::code_run_word : format::data_run_word;
    words.push_back(static_cast<std::uint16_t>(kind | (count - 1)));
    cursor = start + 4 * count;
  }
  std::vector<std::uint8_t> bytes;
  for (const std::uint16_t word : words) {
    bytes.push_back(static_cast<std::uint8_t>(word));
    bytes.push_back(static_cast<std::uint8_t>(word >> 8));
  }
  return bytes;
}

Segments ImageWriter::finish() const { return {linked_code(), code2(), m_data1, data2()}; }

std::vector<std::uint8_t> pack_segments(const Segments& segments) {
  std::vector<std::uint8_t> blob;
  for (const auto* segment : {&segments.code1, &segments.code2, &segments.data1, &segments.data2}) {
    push_u32(blob, static_cast<std::uint32_t>(segment->size()));
    blob.insert(blob.end(), segment->begin(), segment->end());
  }
  return blob;
}

void write_segment_files(const Segments& segments, const std::string& directory) {
  const std::filesystem::path dir(directory);
  std::error_code error;
  std::filesystem::create_directories(dir, error);
  if (error) throw ImageError(text::format("cannot create directory {}: {}", directory, error.message()));
  write_file(dir / "code1.dat", segments.code1);
  write_file(dir / "code2.dat", segments.code2);
  write_file(dir / "data1.dat", segments.data1);
  write_file(dir / "data2.dat", segments.data2);
}

}  // namespace image
