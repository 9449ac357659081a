// Reading the plug-in entries of data1 (their layout:
// runtime/interface/image_format.h, docs/image-format.md).
#include "runtime/core/plugin_entries.h"

#include "runtime/interface/image_format.h"

#include <optional>
#include <set>

namespace zrt {
namespace {

using zif::image_format::PluginEntryHead;
using zif::image_format::plugin_entry_size;
constexpr std::uint32_t header_size = sizeof(PluginEntryHead);

std::uint32_t word_at(std::span<const std::uint8_t> bytes, std::size_t at) {
  return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
         static_cast<std::uint32_t>(bytes[at + 2]) << 16 | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

// The name becomes a file name in a folder of the runtime's: it may not
// name another folder.
bool is_plain_file_name(std::string_view name) {
  if (name.empty() || name == "." || name == "..") return false;
  for (const char c : name)
    if (static_cast<unsigned char>(c) < 0x20 || std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos)
      return false;
  return true;
}

// The entry at offset, or nothing when it does not fit in data1 or its
// name cannot be a file name.
std::optional<PluginEntry> entry_at(std::span<const std::uint8_t> data, std::size_t offset) {
  const std::size_t name_at = offset + header_size;
  if (name_at >= data.size()) return std::nullopt;
  const std::uint32_t size = word_at(data, offset + offsetof(PluginEntryHead, size));
  const std::uint8_t name_length = data[name_at];
  const std::uint64_t empty_size = plugin_entry_size(name_length, 0);
  // The entry's bytes from the name-length byte on lie in data1.
  if (size < empty_size || 1 + name_length + (size - empty_size) > data.size() - name_at) return std::nullopt;
  PluginEntry entry;
  entry.name.assign(reinterpret_cast<const char*>(data.data() + name_at + 1), name_length);
  entry.library = data.subspan(name_at + 1 + name_length, size - empty_size);
  if (!is_plain_file_name(entry.name) || entry.library.empty()) return std::nullopt;
  return entry;
}

}  // namespace

std::vector<PluginEntry> read_plugin_entries(const ImageSegment& data1, Address head) {
  std::vector<PluginEntry> entries;
  std::set<Address> visited;  // a chain that comes back ends there
  for (Address at = head; at != 0 && data1.contains(at) && visited.insert(at).second;) {
    const std::size_t offset = at - data1.base;
    if (data1.bytes.size() - offset < header_size) break;
    if (std::optional<PluginEntry> entry = entry_at(data1.bytes, offset)) entries.push_back(std::move(*entry));
    at = word_at(data1.bytes, offset + offsetof(PluginEntryHead, next));
  }
  return entries;
}

std::string library_folder_name(std::span<const std::uint8_t> library) {
  // 64-bit FNV-1a: not a defence, since what is loaded is compared byte for
  // byte, only a name that differs between different libraries.
  std::uint64_t hash = 0xcbf29ce484222325ull;
  for (const std::uint8_t byte : library) hash = (hash ^ byte) * 0x100000001b3ull;
  static constexpr char digits[] = "0123456789abcdef";
  std::string name(16, '0');
  for (int i = 15; i >= 0; --i, hash >>= 4) name[static_cast<std::size_t>(i)] = digits[hash & 0xF];
  return name;
}

}  // namespace zrt
