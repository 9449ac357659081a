// The resource tree. A directory is 16 bytes ending with the counts of named
// and of id entries, followed by 8-byte entries: a name (high bit set: the
// offset of a counted UTF-16 string, else an id) and a target (high bit set:
// the offset of a subdirectory, else of a 16-byte data entry holding the
// data's RVA and size). Offsets count from the tree's root.
#include "compiler/pe_resources.h"

#include "compiler/text_format.h"

#include <optional>
#include <string>

namespace pe {
namespace {

constexpr std::uint32_t k_high_bit = 0x80000000;
constexpr std::uint32_t k_directory_header_size = 16;
constexpr std::uint32_t k_data_entry_size = 16;

char ascii_upper(char letter) { return letter >= 'a' && letter <= 'z' ? static_cast<char>(letter - 'a' + 'A') : letter; }

class ResourceTree {
 public:
  ResourceTree(const PeFile& file, DataDirectory directory) : m_file(file), m_root_rva(directory.rva) {}

  // The target word of the first entry whose name word satisfies `matches`.
  template <typename Match>
  std::optional<std::uint32_t> find_entry(std::uint32_t directory, Match matches) const {
    const std::uint32_t at = offset(directory, k_directory_header_size, "a resource directory");
    const std::uint32_t count =
        std::uint32_t{m_file.u16(at + 12, "a resource directory")} + m_file.u16(at + 14, "a resource directory");
    for (std::uint32_t i = 0; i < count; ++i) {
      const std::uint32_t entry = offset(directory + k_directory_header_size + 8 * i, 8, "a resource directory entry");
      if (matches(m_file.u32(entry, "a resource directory entry"))) {
        return m_file.u32(entry + 4, "a resource directory entry");
      }
    }
    return std::nullopt;
  }

  std::optional<std::uint32_t> find_named(std::uint32_t directory, std::string_view name) const {
    return find_entry(directory, [&](std::uint32_t entry_name) {
      return (entry_name & k_high_bit) != 0 && string_equals(entry_name & ~k_high_bit, name);
    });
  }

  std::optional<std::uint32_t> find_id(std::uint32_t directory, std::uint16_t id) const {
    return find_entry(directory, [&](std::uint32_t entry_name) { return entry_name == id; });
  }

  std::optional<std::uint32_t> first_entry(std::uint32_t directory) const {
    return find_entry(directory, [](std::uint32_t) { return true; });
  }

  ResourceData data(std::uint32_t data_entry) const {
    const std::uint32_t at = offset(data_entry, k_data_entry_size, "a resource data entry");
    const std::uint32_t rva = m_file.u32(at, "a resource data entry");
    const std::uint32_t size = m_file.u32(at + 4, "a resource data entry");
    return {m_file.file_offset(rva, size, "the resource's data"), size};
  }

 private:
  // File offset of `size` bytes at `tree_offset` from the root.
  std::uint32_t offset(std::uint32_t tree_offset, std::uint32_t size, std::string_view what) const {
    if (tree_offset > UINT32_MAX - m_root_rva) throw PeError(std::string(what) + " lies beyond the address space");
    return m_file.file_offset(m_root_rva + tree_offset, size, what);
  }

  bool string_equals(std::uint32_t string_offset, std::string_view name) const {
    const std::uint32_t at = offset(string_offset, 2, "a resource name");
    const std::uint16_t length = m_file.u16(at, "a resource name");
    if (length != name.size()) return false;
    const std::uint32_t chars = offset(string_offset + 2, 2U * length, "a resource name");
    for (std::uint16_t i = 0; i < length; ++i) {
      const std::uint16_t unit = m_file.u16(chars + 2U * i, "a resource name");
      if (unit > 0x7F || ascii_upper(static_cast<char>(unit)) != ascii_upper(name[i])) return false;
    }
    return true;
  }

  const PeFile& m_file;
  std::uint32_t m_root_rva;
};

// A level's target must be a subdirectory, and the last level's a data entry.
std::uint32_t subdirectory(std::uint32_t target, std::string_view level) {
  if ((target & k_high_bit) == 0) throw PeError(text::format("the resource {} entry is not a directory", level));
  return target & ~k_high_bit;
}

}  // namespace

ResourceData find_resource(const PeFile& file, std::string_view type_name, std::uint16_t id) {
  const auto directory = file.directory(k_resource_directory);
  if (!directory) throw PeError("the executable has no resources");
  const ResourceTree tree(file, *directory);
  const std::string resource = text::format("resource {} {}", type_name, id);
  const auto type = tree.find_named(0, type_name);
  if (!type) throw PeError(text::format("the executable has no {} resource", type_name));
  const auto name = tree.find_id(subdirectory(*type, "type"), id);
  if (!name) throw PeError("the executable has no " + resource);
  const auto language = tree.first_entry(subdirectory(*name, "name"));
  if (!language || (*language & k_high_bit) != 0) throw PeError("the " + resource + " has no data entry");
  return tree.data(*language);
}

}  // namespace pe
