// Compiles Zoltic source text all the way to image segments for tests, and
// reads the segments back the way the loader and the exception walk see
// them: relocated data words, literal strings, call-site lists, trailers.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "compiler/cross_assembler.h"
#include "compiler/image_build.h"
#include "tests/compiler/compile_helpers.h"
#include "tests/compiler/image_decoder.h"

namespace codegen_test {

struct BuiltProgram {
  test::Compiled front;
  std::string assembly;
  std::optional<image::Segments> segments;
  std::string errors;
};

inline BuiltProgram build(const std::string& text, const zc::RuntimeInterface& runtime,
                          const zc::CodegenOptions& options = {}) {
  BuiltProgram result;
  result.front = test::check_text(text, runtime);
  if (result.front.error_count > 0) {
    result.errors = result.front.errors;
    return result;
  }
  std::ostringstream out;
  zc::Diagnostics diagnostics(out);
  zc::BuiltImage built = zc::build_image(result.front.program, *result.front.semantics, runtime, options, diagnostics);
  result.assembly = built.assembly;
  result.segments = std::move(built.segments);
  result.errors = out.str();
  return result;
}

// The image's data as the loader leaves it, with offsets for addresses: a
// relocated word's value is an offset into code1 or data1.
struct DataView {
  explicit DataView(const image::Segments& segments)
      : data1(segments.data1), relocated(image_test::apply_data2(segments.data2)) {}

  std::uint32_t word(std::uint32_t offset) const { return image::read_u32(data1, offset); }
  bool points_into_data(std::uint32_t offset) const {
    auto found = relocated.find(offset);
    return found != relocated.end() && found->second == image::Base::data;
  }
  bool points_into_code(std::uint32_t offset) const {
    auto found = relocated.find(offset);
    return found != relocated.end() && found->second == image::Base::code;
  }
  // The text of the literal string record at `record`, after checking its shape.
  std::string literal(std::uint32_t record) const {
    EXPECT_EQ(word(record), 1U) << "count of the record at " << record;
    EXPECT_TRUE(points_into_data(record + 4)) << "buffer of the record at " << record;
    const std::uint32_t buffer = word(record + 4);
    const std::uint32_t length = word(record + 12);
    EXPECT_EQ(word(record + 8), length) << "capacity";
    EXPECT_EQ(data1.at(buffer), std::min<std::uint32_t>(length, 255)) << "length byte";
    EXPECT_EQ(data1.at(buffer + 1 + length), 0) << "terminating NUL";
    return std::string(data1.begin() + buffer + 1, data1.begin() + buffer + 1 + length);
  }
  std::uint32_t application() const { return word(4); }
  std::uint32_t class_count() const { return word(application()); }
  std::uint32_t class_descriptor(std::uint32_t index) const { return word(application() + 4 + 4 * index); }
  std::uint32_t project_object_count() const { return word(application() + 4 + 4 * class_count()); }
  std::uint32_t project_object(std::uint32_t number) const {
    return word(application() + 4 + 4 * class_count() + 4 * number);
  }
  // The index of the descriptor for a class of that name, kind 0 or 1.
  std::optional<std::uint32_t> class_named(const std::string& name) const {
    for (std::uint32_t index = 0; index < class_count(); ++index) {
      const std::uint32_t descriptor = class_descriptor(index);
      const std::uint32_t name_word = word(descriptor) == 1 ? word(descriptor + 4) : word(descriptor + 8);
      if (name_word != 0 && literal(name_word) == name) return index;
    }
    return std::nullopt;
  }

  const std::vector<std::uint8_t>& data1;
  std::map<std::uint32_t, image::Base> relocated;
};

// One call-site list or trailer entry: its kind and operand.
struct Entry {
  int kind;
  std::int64_t operand;
  bool operator==(const Entry&) const = default;
};

// The entries of the call-site list behind the call whose operand is at
// `operand` (the list starts after the operand); fails the test on a
// malformed list.
inline std::vector<Entry> site_list(const std::vector<std::uint8_t>& code1, std::uint32_t operand) {
  std::vector<Entry> entries;
  const std::size_t list = operand + 4;
  EXPECT_EQ(code1.at(list), 0xEB) << "no short jump after the call at " << operand;
  EXPECT_EQ(code1.at(list + 2), 0x2F) << "no list marker after the call at " << operand;
  const std::size_t end = list + 2 + code1.at(list + 1);
  std::size_t at = list + 3;
  while (at < end && code1.at(at) != 0) {
    const int kind = code1[at];
    if (kind == 1 || kind == 2) {
      entries.push_back({kind, code1.at(at + 1)});
      at += 2;
    } else {
      entries.push_back({kind, 0});
      at += 1;
    }
  }
  EXPECT_EQ(at + 1, end) << "the list after the call at " << operand << " does not end at its jump's target";
  return entries;
}

// Offsets in code1 of every cleanup trailer (the byte after "C9 C3 2F").
inline std::vector<std::size_t> trailers(const std::vector<std::uint8_t>& code1) {
  std::vector<std::size_t> found;
  for (std::size_t i = 0; i + 2 < code1.size(); ++i)
    if (code1[i] == 0xC9 && code1[i + 1] == 0xC3 && code1[i + 2] == 0x2F) found.push_back(i + 3);
  return found;
}

// Trailer entries: kind 4 gives (class index << 32 | displacement target), kinds 5 and 6 the frame offset.
struct TrailerEntry {
  int kind;
  int value;                   // frame offset, or class index for a handler
  std::uint32_t handler = 0;   // code1 offset the handler entry points at
};

inline std::vector<TrailerEntry> trailer_entries(const std::vector<std::uint8_t>& code1, std::size_t at) {
  std::vector<TrailerEntry> entries;
  auto big16 = [&](std::size_t i) { return static_cast<std::int16_t>(code1.at(i) << 8 | code1.at(i + 1)); };
  while (code1.at(at) != 0) {
    const int kind = code1[at];
    if (kind == 4) {
      const auto displacement = static_cast<std::int32_t>(
          static_cast<std::uint32_t>(code1.at(at + 3)) << 24 | code1.at(at + 4) << 16 | code1.at(at + 5) << 8 |
          code1.at(at + 6));
      entries.push_back({kind, big16(at + 1), static_cast<std::uint32_t>(static_cast<std::int64_t>(at + 3) + displacement)});
      at += 7;
    } else if (kind == 5 || kind == 6) {
      entries.push_back({kind, big16(at + 1)});
      at += 3;
    } else {
      ADD_FAILURE() << "unknown trailer entry kind " << kind << " at " << at;
      return entries;
    }
  }
  return entries;
}

// Every import's chain sites, by routine name.
inline std::map<std::string, std::vector<std::uint32_t>> import_sites(const image::Segments& segments) {
  std::map<std::string, std::vector<std::uint32_t>> sites;
  for (const image_test::Import& import : image_test::decode_code2(segments.code2).imports)
    sites[import.name] = image_test::chain_sites(segments.code1, import.head);
  return sites;
}

class CodegenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!zc::find_assembler()) GTEST_SKIP() << "the cross assembler is not installed";
  }
};

}  // namespace codegen_test
