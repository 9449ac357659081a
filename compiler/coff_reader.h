// Reader for i386 COFF object files as the GNU cross assembler writes them:
// sections with their bytes and relocations, and the symbol table. Every
// offset in the file is bounds-checked; malformed input raises CoffError.
#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace coff {

class CoffError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Relocation types of the i386 object format.
inline constexpr std::uint16_t k_rel_absolute = 0x0000;
inline constexpr std::uint16_t k_rel_dir32 = 0x0006;
inline constexpr std::uint16_t k_rel_rel32 = 0x0014;

// Section characteristics the linker looks at.
inline constexpr std::uint32_t k_scn_code = 0x00000020;
inline constexpr std::uint32_t k_scn_initialized_data = 0x00000040;
inline constexpr std::uint32_t k_scn_uninitialized_data = 0x00000080;
inline constexpr std::uint32_t k_scn_link_info = 0x00000200;
inline constexpr std::uint32_t k_scn_link_remove = 0x00000800;
inline constexpr std::uint32_t k_scn_discardable = 0x02000000;

struct Relocation {
  std::uint32_t offset = 0;  // within the section's bytes
  std::uint32_t symbol_index = 0;
  std::uint16_t type = 0;
};

struct Section {
  std::string name;
  std::uint32_t characteristics = 0;
  std::uint32_t alignment = 1;  // bytes, a power of two
  std::vector<std::uint8_t> bytes;  // zeros for uninitialised data
  std::vector<Relocation> relocations;
};

// Section numbers below 1 mark undefined (0), absolute (-1) and debug (-2)
// symbols; positive numbers are 1-based indexes into the section list.
inline constexpr std::int16_t k_undefined_section = 0;

struct Symbol {
  std::string name;
  std::uint32_t value = 0;
  std::int16_t section_number = 0;
  std::uint8_t storage_class = 0;
  bool auxiliary = false;  // an auxiliary entry, not a symbol of its own
};

struct Object {
  std::vector<Section> sections;
  // Indexed like the file's symbol table: auxiliary entries keep their
  // slots so relocation indexes stay valid.
  std::vector<Symbol> symbols;
};

Object read_object(std::span<const std::uint8_t> file);

}  // namespace coff
