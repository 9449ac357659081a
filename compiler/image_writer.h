// Builds the four segments of an application image: code1 (machine code),
// code2 (import records with their call chains, code-to-data records), data1
// (header words and data) and data2 (pointer-relocation runs and skips), as
// runtime/interface/image_format.h lays them out.
#pragma once

#include <cstdint>
#include <cstddef>
#include <map>
#include <set>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace image {

class ImageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct Segments {
  std::vector<std::uint8_t> code1;
  std::vector<std::uint8_t> code2;
  std::vector<std::uint8_t> data1;
  std::vector<std::uint8_t> data2;
};

// Which segment's load address a data1 pointer is relative to.
enum class Base { code, data };

class ImageWriter {
 public:
  ImageWriter();

  // Appends bytes after padding the segment to `alignment`; returns the
  // offset at which they start.
  std::uint32_t append_code(std::span<const std::uint8_t> bytes, std::uint32_t alignment);
  std::uint32_t append_data(std::span<const std::uint8_t> bytes, std::uint32_t alignment);

  void set_entry(std::uint32_t code_offset);
  void set_application(std::uint32_t data_offset);

  // The 32-bit operand of an E8 call at `operand_offset` goes to the runtime
  // routine `name`; the loader links it by name.
  void add_call(const std::string& name, std::uint32_t operand_offset);
  // The code word at `code_offset` holds `data_offset` and becomes absolute.
  void add_code_pointer(std::uint32_t code_offset, std::uint32_t data_offset);
  // The code word at `code_offset` gets a value fixed at link time, such as
  // the displacement of a call within code1.
  void patch_code(std::uint32_t code_offset, std::uint32_t value);
  // The data word at `data_offset` holds `target` and becomes absolute.
  void add_data_pointer(std::uint32_t data_offset, Base base, std::uint32_t target);

  Segments finish() const;

 private:
  std::vector<std::uint8_t> code2() const;
  std::vector<std::uint8_t> data2() const;
  std::vector<std::uint8_t> linked_code() const;
  void claim_code_word(std::uint32_t offset, std::string_view what);

  std::vector<std::uint8_t> m_code1;
  std::vector<std::uint8_t> m_data1;
  std::vector<std::string> m_import_order;
  std::map<std::string, std::vector<std::uint32_t>> m_calls;
  std::set<std::uint32_t> m_claimed_code;
  std::set<std::uint32_t> m_claimed_data;
  std::vector<std::uint32_t> m_code_pointers;
  std::map<std::uint32_t, Base> m_data_pointers;
};

// Little-endian word access shared by the image's producers and readers; the
// caller guarantees offset + 4 <= bytes.size().
std::uint32_t read_u32(std::span<const std::uint8_t> bytes, std::size_t offset);
void write_u32(std::span<std::uint8_t> bytes, std::size_t offset, std::uint32_t value);

// One blob of the four segments, each a u32 little-endian length followed by
// its bytes, in the order code1, code2, data1, data2.
std::vector<std::uint8_t> pack_segments(const Segments& segments);

// The loader's development files code1.dat, code2.dat, data1.dat, data2.dat.
void write_segment_files(const Segments& segments, const std::string& directory);

}  // namespace image
