// The line scanner over sources that deliver few bytes at a time: every line
// end, at every block boundary, gives the same lines whatever the block size.
#include "runtime/files/line_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace std::string_literals;

// Bytes from memory, at most `chunk` per read; `failing` reads give nothing
// although the end is not reached.
class MemorySource : public zrt::ByteSource {
 public:
  MemorySource(std::string bytes, std::size_t chunk, bool failing = false)
      : m_bytes(std::move(bytes)), m_chunk(chunk), m_failing(failing) {}
  std::int32_t read(void* buffer, std::int32_t count) override {
    if (m_failing) return 0;
    const std::size_t got = std::min({m_chunk, static_cast<std::size_t>(count), m_bytes.size() - m_position});
    std::memcpy(buffer, m_bytes.data() + m_position, got);
    m_position += got;
    return static_cast<std::int32_t>(got);
  }
  bool at_end() override { return m_position >= m_bytes.size(); }

 private:
  std::string m_bytes;
  std::size_t m_chunk;
  bool m_failing;
  std::size_t m_position = 0;
};

zrt::LineReader reader_of(const std::string& bytes, std::size_t block, std::size_t chunk = 1 << 20) {
  return zrt::LineReader(std::make_unique<MemorySource>(bytes, chunk), block);
}

// The lines until EOF, and whether EOF came right after the last one.
std::vector<std::string> lines_of(zrt::LineReader reader) {
  std::vector<std::string> lines;
  while (!reader.at_end() && lines.size() < 100) lines.emplace_back(reader.read_line());
  return lines;
}

TEST(LineReader, EachLineEndGivesOneLineAtEveryBlockBoundary) {
  struct Case {
    std::string bytes;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"a\r\nb\rc\nd", {"a", "b", "c", "d"}},
      {"a\n\rb", {"a", "", "b"}},
      {"a\r\n", {"a"}},
      {"\r\r\n\n", {"", "", ""}},
      {"", {}},
      {"\0\0\0"s, {"\0\0\0"s}},
      {"x\r", {"x"}},
  };
  for (const Case& c : cases)
    for (std::size_t block : {1, 2, 3, 1024})
      for (std::size_t chunk : {1, 2, 1 << 20})
        EXPECT_EQ(lines_of(reader_of(c.bytes, block, chunk)), c.lines)
            << "block " << block << ", chunk " << chunk << ", bytes " << testing::PrintToString(c.bytes);
}

// The rule stated once over whole text, to compare the block scanner with.
std::vector<std::string> split_lines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::string line;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] != '\r' && bytes[i] != '\n') {
      line += bytes[i];
      continue;
    }
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    lines.push_back(std::exchange(line, {}));
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

// Random mixes of runs and line ends, so that every way a line, a CR or a
// CR LF can meet a block boundary occurs, lines within one block alternate
// with lines assembled across blocks, and line ends fall at every place of
// the sixteen-byte steps the scanner takes. Half the rounds have short runs,
// half runs of about a dozen bytes.
TEST(LineReader, RandomTextSplitsAsTheRuleSaysForEveryBlockSize) {
  std::mt19937 random(20261209);
  for (int round = 0; round < 400; ++round) {
    const unsigned letters_per_line_end = round % 2 == 0 ? 1 : 12;
    std::string bytes(random() % 160, ' ');
    for (char& byte : bytes)
      byte = random() % (letters_per_line_end + 1) != 0 ? "ab"[random() % 2] : "\r\n"[random() % 2];
    for (std::size_t block : {1, 2, 3, 5, 8, 17, 64 * 1024})
      // The source gives a few bytes per read, or whole blocks.
      EXPECT_EQ(lines_of(reader_of(bytes, block, random() % 2 == 0 ? 1 + random() % 7 : block)), split_lines(bytes))
          << "block " << block << ", bytes " << testing::PrintToString(bytes);
  }
}

TEST(LineReader, ACrEndingOneBlockAndAnLfStartingTheNextAreOneLineEnd) {
  const std::string bytes = std::string(1023, 'a') + "\r\nb";
  for (std::size_t block : {1024, 512, 4096})
    EXPECT_EQ(lines_of(reader_of(bytes, block)), (std::vector<std::string>{std::string(1023, 'a'), "b"})) << block;
}

TEST(LineReader, ALongLineWithoutTerminatorComesBackWhole) {
  std::string line(5 * 1024 * 1024, 'x');
  for (std::size_t i = 0; i < line.size(); i += 997) line[i] = static_cast<char>('a' + i % 26);
  zrt::LineReader reader = reader_of(line, 1024);
  EXPECT_EQ(reader.read_line(), line);
  EXPECT_TRUE(reader.at_end());
  EXPECT_EQ(reader.read_line(), "");
}

TEST(LineReader, ReadAllGivesTheRestWithItsLineEnds) {
  zrt::LineReader reader = reader_of("one\r\ntwo\rthree\n", 4, 3);
  EXPECT_EQ(reader.read_line(), "one");
  EXPECT_EQ(reader.read_all(), "two\rthree\n");
  EXPECT_TRUE(reader.at_end());
  EXPECT_EQ(reader.read_all(), "");
}

// A source that fails before its end looks ended instead of being asked
// again forever.
TEST(LineReader, ASourceThatFailsBeforeItsEndEndsTheLine) {
  zrt::LineReader reader(std::make_unique<MemorySource>("abc", 1, true), 1024);
  EXPECT_TRUE(reader.at_end()) << "a loop until the end would never stop";
  EXPECT_EQ(reader.read_line(), "");
  EXPECT_EQ(reader.read_all(), "");
}

}  // namespace
