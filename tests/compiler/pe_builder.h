// Test-side builder of minimal PE32 executables: headers, a code section and,
// when resources are added, a resource section with a three-level tree (type,
// name, one language) in the layout the resource compiler writes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace pe_test {

struct TestResource {
  std::string type_name;  // empty for a numeric type
  std::uint16_t type_id = 0;
  std::uint16_t id = 0;
  std::vector<std::uint8_t> data;
};

inline constexpr std::uint32_t k_resource_rva = 0x2000;
inline constexpr std::uint32_t k_resource_file_offset = 0x400;

class PeBuilder {
 public:
  PeBuilder& resource(TestResource resource) {
    m_resources.push_back(std::move(resource));
    return *this;
  }

  std::vector<std::uint8_t> build() const {
    const std::vector<std::uint8_t> rsrc = resource_section();
    const bool has_resources = !m_resources.empty();
    std::vector<std::uint8_t> file(k_resource_file_offset, 0);
    file[0] = 'M';
    file[1] = 'Z';
    put32(file, 0x3C, 0x40);
    file[0x40] = 'P';
    file[0x41] = 'E';
    put16(file, 0x44, 0x14C);  // i386
    put16(file, 0x46, has_resources ? 2 : 1);
    put16(file, 0x54, 224);  // optional header size
    put16(file, 0x56, 0x102);
    put16(file, 0x58, 0x10B);  // PE32
    put32(file, 0x58 + 92, 16);
    if (has_resources) {
      put32(file, 0x58 + 96 + 8 * 2, k_resource_rva);
      put32(file, 0x58 + 96 + 8 * 2 + 4, static_cast<std::uint32_t>(rsrc.size()));
    }
    put_section(file, 0x138, ".text", 0x1000, 0x200, 0x200);
    file[0x200] = 0xC3;
    if (has_resources) {
      put_section(file, 0x160, ".rsrc", k_resource_rva, static_cast<std::uint32_t>(rsrc.size()), k_resource_file_offset);
      file.insert(file.end(), rsrc.begin(), rsrc.end());
    }
    return file;
  }

  // Where the bytes of resource `index` lie in the built file.
  std::uint32_t data_offset(std::size_t index) const { return k_resource_file_offset + layout().data[index]; }

 private:
  struct Layout {
    std::vector<std::vector<std::size_t>> types;  // resource indexes, grouped by type
    std::vector<std::uint32_t> type_dirs, name_dirs, data_entries, names, data;
    std::uint32_t size = 0;
  };

  static void put16(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value) {
    bytes[at] = static_cast<std::uint8_t>(value);
    bytes[at + 1] = static_cast<std::uint8_t>(value >> 8);
  }
  static void put32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value) {
    put16(bytes, at, value & 0xFFFF);
    put16(bytes, at + 2, value >> 16);
  }
  static void put_section(std::vector<std::uint8_t>& file, std::size_t at, const std::string& name,
                          std::uint32_t rva, std::uint32_t size, std::uint32_t raw_offset) {
    for (std::size_t i = 0; i < name.size(); ++i) file[at + i] = static_cast<std::uint8_t>(name[i]);
    put32(file, at + 8, size);
    put32(file, at + 12, rva);
    put32(file, at + 16, size);
    put32(file, at + 20, raw_offset);
  }
  static void put_directory(std::vector<std::uint8_t>& bytes, std::uint32_t at, std::uint32_t named, std::uint32_t ids) {
    put16(bytes, at + 12, named);
    put16(bytes, at + 14, ids);
  }

  bool same_type(const TestResource& a, const TestResource& b) const {
    return a.type_name == b.type_name && a.type_id == b.type_id;
  }

  // Named types before numbered ones, as the tree requires.
  Layout layout() const {
    Layout layout;
    for (const bool named : {true, false}) {
      for (std::size_t i = 0; i < m_resources.size(); ++i) {
        if (m_resources[i].type_name.empty() == named) continue;
        bool placed = false;
        for (auto& group : layout.types) {
          if (same_type(m_resources[group.front()], m_resources[i])) {
            group.push_back(i);
            placed = true;
          }
        }
        if (!placed) layout.types.push_back({i});
      }
    }
    std::uint32_t at = 16 + 8 * static_cast<std::uint32_t>(layout.types.size());
    for (const auto& group : layout.types) {
      layout.type_dirs.push_back(at);
      at += 16 + 8 * static_cast<std::uint32_t>(group.size());
    }
    layout.name_dirs.resize(m_resources.size());
    layout.data_entries.resize(m_resources.size());
    layout.names.resize(m_resources.size());
    layout.data.resize(m_resources.size());
    for (std::size_t i = 0; i < m_resources.size(); ++i, at += 24) layout.name_dirs[i] = at;
    for (std::size_t i = 0; i < m_resources.size(); ++i, at += 16) layout.data_entries[i] = at;
    for (std::size_t i = 0; i < m_resources.size(); ++i) {
      layout.names[i] = at;
      at += 2 + 2 * static_cast<std::uint32_t>(m_resources[i].type_name.size());
    }
    for (std::size_t i = 0; i < m_resources.size(); ++i) {
      at = (at + 3) & ~3U;
      layout.data[i] = at;
      at += static_cast<std::uint32_t>(m_resources[i].data.size());
    }
    layout.size = at;
    return layout;
  }

  std::vector<std::uint8_t> resource_section() const {
    if (m_resources.empty()) return {};
    const Layout layout = this->layout();
    std::vector<std::uint8_t> bytes(layout.size, 0);
    std::uint32_t named_types = 0;
    for (const auto& group : layout.types) named_types += !m_resources[group.front()].type_name.empty();
    put_directory(bytes, 0, named_types, static_cast<std::uint32_t>(layout.types.size()) - named_types);
    for (std::size_t t = 0; t < layout.types.size(); ++t) {
      const TestResource& type = m_resources[layout.types[t].front()];
      const std::uint32_t type_word =
          type.type_name.empty() ? type.type_id : (0x80000000 | layout.names[layout.types[t].front()]);
      put32(bytes, 16 + 8 * t, type_word);
      put32(bytes, 16 + 8 * t + 4, 0x80000000 | layout.type_dirs[t]);
      put_directory(bytes, layout.type_dirs[t], 0, static_cast<std::uint32_t>(layout.types[t].size()));
      for (std::size_t n = 0; n < layout.types[t].size(); ++n) {
        const std::size_t index = layout.types[t][n];
        put32(bytes, layout.type_dirs[t] + 16 + 8 * n, m_resources[index].id);
        put32(bytes, layout.type_dirs[t] + 16 + 8 * n + 4, 0x80000000 | layout.name_dirs[index]);
      }
    }
    for (std::size_t i = 0; i < m_resources.size(); ++i) put_resource(bytes, layout, i);
    return bytes;
  }

  void put_resource(std::vector<std::uint8_t>& bytes, const Layout& layout, std::size_t i) const {
    const TestResource& resource = m_resources[i];
    put_directory(bytes, layout.name_dirs[i], 0, 1);
    put32(bytes, layout.name_dirs[i] + 16, 0x409);  // the language
    put32(bytes, layout.name_dirs[i] + 20, layout.data_entries[i]);
    put32(bytes, layout.data_entries[i], k_resource_rva + layout.data[i]);
    put32(bytes, layout.data_entries[i] + 4, static_cast<std::uint32_t>(resource.data.size()));
    put16(bytes, layout.names[i], static_cast<std::uint32_t>(resource.type_name.size()));
    for (std::size_t c = 0; c < resource.type_name.size(); ++c) {
      put16(bytes, layout.names[i] + 2 + 2 * c, static_cast<std::uint8_t>(resource.type_name[c]));
    }
    std::copy(resource.data.begin(), resource.data.end(), bytes.begin() + layout.data[i]);
  }

  std::vector<TestResource> m_resources;
};

}  // namespace pe_test
