// Text streams on real files, through the exported routines: what WriteLine
// writes for each Delimiter, appending, reading ends, closed streams and the
// files that cannot be opened.
#include "runtime/interface/exports.h"
#include "runtime/interface/file_layout.h"
#include "tests/core/leak_checked_test.h"
#include "tests/core/object_test_support.h"
#include "tests/core/scratch_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

using namespace std::string_literals;

class TextStreams : public object_tests::ObjectTest {
 protected:
  zrt::ObjectRef item(const std::string& name) const {
    return zrt::ObjectRef::adopt(FolderItemFromPath(const_cast<char*>(m_folder.path(name).c_str())));
  }
  std::string contents(const std::string& name) const {
    std::ifstream in(m_folder.path(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  void write(const std::string& name, const std::string& bytes) const {
    m_folder.write(name, std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
  }
  zrt::ObjectRef open(const std::string& name) const {
    return zrt::ObjectRef::adopt(FolderItemOpenTextFile(item(name).get()));
  }

  runtime_test::ScratchFolder m_folder{"zrt_text_streams_"};
};

std::string text_of(ZString* result) { return std::string(zrt::StringRef::adopt(result).text()); }

TEST_F(TextStreams, WriteLineEndsWithTheDelimiterOrCrLfWhileItIsEmpty) {
  const struct {
    const char* delimiter;
    std::string written;
  } cases[] = {{nullptr, "x\r\n"}, {"\t", "x\t"}, {"", "x\r\n"}, {"<>", "x<>"}};
  for (const auto& c : cases) {
    zrt::ObjectRef stream = zrt::ObjectRef::adopt(FolderItemCreateTextFile(item("out.txt").get()));
    ASSERT_NE(stream.get(), nullptr);
    if (c.delimiter) stringSetter(stream.get(), zif::text_output_fields::delimiter, runtime_test::make(c.delimiter).get());
    TextOutputStreamWriteLine(stream.get(), runtime_test::make("x").get());
    TextOutputStreamClose(stream.get());
    EXPECT_EQ(contents("out.txt"), c.written) << (c.delimiter ? c.delimiter : "unset");
  }
}

TEST_F(TextStreams, AppendingWritesAfterTheEndAndCreatesAMissingFile) {
  write("log.txt", "old\n");
  for (const char* name : {"log.txt", "new.txt"}) {
    zrt::ObjectRef stream = zrt::ObjectRef::adopt(FolderItemAppendTextFile(item(name).get()));
    ASSERT_NE(stream.get(), nullptr) << name;
    TextOutputStreamWrite(stream.get(), runtime_test::make("a").get());
    TextOutputStreamWriteLine(stream.get(), nullptr);
  }  // dropping the last reference closes the file
  EXPECT_EQ(contents("log.txt"), "old\na\r\n");
  EXPECT_EQ(contents("new.txt"), "a\r\n");
  // Creating empties an existing file.
  zrt::ObjectRef created = zrt::ObjectRef::adopt(FolderItemCreateTextFile(item("log.txt").get()));
  created = {};
  EXPECT_EQ(contents("log.txt"), "");
}

TEST_F(TextStreams, ReadingEndsAtTheLastLineAndAClosedStreamAnswersAsEnded) {
  write("empty.txt", "");
  write("data.txt", "a\r\nb\rc\nd\0\0"s);
  zrt::ObjectRef empty = open("empty.txt");
  ASSERT_NE(empty.get(), nullptr);
  EXPECT_TRUE(TextInputStreamEOF(empty.get(), 0));
  EXPECT_EQ(text_of(TextInputStreamReadLine(empty.get())), "");
  EXPECT_EQ(text_of(TextInputStreamReadAll(empty.get())), "");

  zrt::ObjectRef data = open("data.txt");
  std::vector<std::string> lines;
  while (!TextInputStreamEOF(data.get(), 0)) lines.push_back(text_of(TextInputStreamReadLine(data.get())));
  EXPECT_EQ(lines, (std::vector<std::string>{"a", "b", "c", "d\0\0"s}));
  EXPECT_EQ(text_of(TextInputStreamReadLine(data.get())), "");

  zrt::ObjectRef closed = open("data.txt");
  TextInputStreamClose(closed.get());
  TextInputStreamClose(closed.get());
  EXPECT_FALSE(TextInputStreamEOF(closed.get(), 0));
  EXPECT_EQ(TextInputStreamReadLine(closed.get()), nullptr);
  EXPECT_EQ(TextInputStreamReadAll(closed.get()), nullptr);

  zrt::ObjectRef output = zrt::ObjectRef::adopt(FolderItemCreateTextFile(item("closed.txt").get()));
  TextOutputStreamClose(output.get());
  TextOutputStreamWriteLine(output.get(), runtime_test::make("lost").get());
  EXPECT_EQ(contents("closed.txt"), "");
}

TEST_F(TextStreams, FilesThatCannotBeOpenedGiveNil) {
  std::filesystem::create_directory(m_folder.path("folder"));
  EXPECT_EQ(open("missing.txt").get(), nullptr);
  EXPECT_EQ(open("folder").get(), nullptr);
  EXPECT_EQ(FolderItemCreateTextFile(item("missing/x.txt").get()), nullptr);
  EXPECT_EQ(FolderItemCreateTextFile(item("folder").get()), nullptr);
}

}  // namespace
