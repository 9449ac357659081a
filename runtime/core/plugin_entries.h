// Reading the image's plug-in list: a chain of entries in data1, each with
// its file name and its library bytes. Every entry is checked against data1;
// a bad one is skipped without a word and the chain goes on where it can.
#pragma once

#include "runtime/core/image_bases.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace zrt {

struct PluginEntry {
  std::string name;
  std::span<const std::uint8_t> library;
};

// The entries from the one at head, in list order.
[[nodiscard]] std::vector<PluginEntry> read_plugin_entries(const ImageSegment& data1, Address head);

// The folder name a library is written under: its content hash, so that
// programs carrying different libraries of one name never share a file.
[[nodiscard]] std::string library_folder_name(std::span<const std::uint8_t> library);

}  // namespace zrt
