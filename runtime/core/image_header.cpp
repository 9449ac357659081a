// Reading data1's header and the application descriptor's outer layout.
#include "runtime/core/image_header.h"

#include "runtime/interface/image_format.h"

namespace zrt {
namespace {

// Reads a count and that many words from `offset`, moving it past them.
std::optional<std::vector<std::uint32_t>> read_word_list(const ImageBlock& data1, std::uint64_t& offset,
                                                         const char* what, LoadError& error) {
  const auto count = data1.read_u32(offset);
  if (!count || !data1.holds(offset + 4, 4ULL * *count)) {
    error = load_failure(std::string("the application descriptor's list of ") + what + " at data1 offset " +
                         hex(offset) + " runs past the end of data1");
    return std::nullopt;
  }
  std::vector<std::uint32_t> words(*count);
  for (std::uint32_t i = 0; i < *count; ++i) words[i] = *data1.read_u32(offset + 4 + 4ULL * i);
  offset += 4 + 4ULL * *count;
  return words;
}

}  // namespace

std::optional<ImageHeader> read_image_header(const ImageBlock& code1, const ImageBlock& data1, LoadError& error) {
  if (!data1.holds(0, zif::image_format::header_size)) {
    error = load_failure("its data1 segment (" + std::to_string(data1.size()) +
                         " bytes) is too short for the entry and application words");
    return std::nullopt;
  }
  using zif::image_format::Header;
  const ImageHeader header{*data1.read_u32(offsetof(Header, entry)), *data1.read_u32(offsetof(Header, application))};
  if (!code1.offset_of(header.entry)) {
    error = load_failure("its entry address " + hex(header.entry) + " lies outside the code");
    return std::nullopt;
  }
  if (!data1.offset_of(header.application)) {
    error = load_failure("its application descriptor address " + hex(header.application) + " lies outside the data");
    return std::nullopt;
  }
  return header;
}

std::optional<ApplicationDescriptor> read_application_descriptor(const ImageBlock& data1, std::uint32_t address,
                                                                 LoadError& error) {
  const auto start = data1.offset_of(address);
  if (!start) {
    error = load_failure("its application descriptor address " + hex(address) + " lies outside the data");
    return std::nullopt;
  }
  std::uint64_t offset = *start;
  auto classes = read_word_list(data1, offset, "classes", error);
  if (!classes) return std::nullopt;
  auto objects = read_word_list(data1, offset, "project objects", error);
  if (!objects) return std::nullopt;
  return ApplicationDescriptor{std::move(*classes), std::move(*objects)};
}

}  // namespace zrt
