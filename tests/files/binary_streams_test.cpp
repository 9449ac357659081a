// Binary streams on real files: every width in both byte orders, values cut
// short by the end of the file, Pascal strings, lengths and positions, and a
// closed stream.
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

using Bytes = std::vector<std::uint8_t>;

class BinaryStreams : public object_tests::ObjectTest {
 protected:
  // A new stream on an emptied file, in the byte order asked for.
  zrt::ObjectRef created(bool little_endian) const {
    zrt::ObjectRef item = zrt::ObjectRef::adopt(FolderItemFromPath(const_cast<char*>(m_path.c_str())));
    zrt::ObjectRef stream = zrt::ObjectRef::adopt(FolderItemCreateBinaryFile(item.get(), nullptr));
    booleanSetter(stream.get(), zif::binary_stream_fields::little_endian, little_endian);
    return stream;
  }
  Bytes contents() const {
    std::ifstream in(m_path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }

  runtime_test::ScratchFolder m_folder{"zrt_binary_streams_"};
  std::string m_path = m_folder.path("data.bin");
};

TEST_F(BinaryStreams, NumbersAreBigEndianUnlessLittleEndianIsSetAndReadBackAsWritten) {
  const struct {
    const char* what;
    void (*write)(ZObject*);
    double (*read)(ZObject*);
    Bytes big_endian;
  } cases[] = {
      {"byte", [](ZObject* s) { BinaryStreamWriteByte(s, 0x1FE); }, [](ZObject* s) -> double { return BinaryStreamReadByte(s); },
       {0xFE}},
      {"short", [](ZObject* s) { BinaryStreamWriteShort(s, -2); }, [](ZObject* s) -> double { return BinaryStreamReadShort(s); },
       {0xFF, 0xFE}},
      {"long", [](ZObject* s) { BinaryStreamWriteLong(s, 1); }, [](ZObject* s) -> double { return BinaryStreamReadLong(s); },
       {0, 0, 0, 1}},
      {"single", [](ZObject* s) { BinaryStreamWriteFloat(s, -2.5); }, &BinaryStreamReadFloat, {0xC0, 0x20, 0, 0}},
      {"double", [](ZObject* s) { BinaryStreamWriteDouble(s, 1.0); }, &BinaryStreamReadDouble, {0x3F, 0xF0, 0, 0, 0, 0, 0, 0}},
  };
  const double expected[] = {0xFE, -2, 1, -2.5, 1.0};
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    for (bool little_endian : {false, true}) {
      zrt::ObjectRef stream = created(little_endian);
      cases[i].write(stream.get());
      const Bytes written = contents();
      Bytes wanted = cases[i].big_endian;
      if (little_endian) std::reverse(wanted.begin(), wanted.end());
      EXPECT_EQ(written, wanted) << cases[i].what << (little_endian ? " little" : " big");
      BinaryStreamSetPosition(stream.get(), 0, 0);
      EXPECT_EQ(cases[i].read(stream.get()), expected[i]) << cases[i].what;
      // Nothing is left: every width reads as 0 at the end.
      EXPECT_EQ(cases[i].read(stream.get()), 0) << cases[i].what;
      EXPECT_TRUE(BinaryStreamEOF(stream.get(), 0));
    }
  }
}

TEST_F(BinaryStreams, AValueCutShortByTheEndReadsAsZero) {
  zrt::ObjectRef stream = created(false);
  BinaryStreamWrite(stream.get(), runtime_test::make("\x01\x02\x03").get());
  BinaryStreamSetPosition(stream.get(), 0, 0);
  EXPECT_EQ(BinaryStreamReadLong(stream.get()), 0);
  BinaryStreamSetPosition(stream.get(), 0, 1);
  EXPECT_EQ(BinaryStreamReadShort(stream.get()), 0x0203);
}

TEST_F(BinaryStreams, PascalStringsKeepAtMost255BytesAndNeedAllTheirBytes) {
  zrt::ObjectRef stream = created(false);
  const std::string long_text(300, 'p');
  BinaryStreamWritePString(stream.get(), runtime_test::make(long_text).get());
  BinaryStreamWritePString(stream.get(), nullptr);
  EXPECT_EQ(BinaryStreamGetLength(stream.get(), 0), 257);
  BinaryStreamSetPosition(stream.get(), 0, 0);
  EXPECT_EQ(runtime_test::adopt(BinaryStreamReadPString(stream.get())).text(), long_text.substr(0, 255));
  EXPECT_EQ(BinaryStreamReadPString(stream.get()), nullptr);
  BinaryStreamWriteByte(stream.get(), 5);
  BinaryStreamWrite(stream.get(), runtime_test::make("abc").get());
  BinaryStreamSetPosition(stream.get(), 0, 257);
  EXPECT_EQ(BinaryStreamReadPString(stream.get()), nullptr) << "a length byte of 5 before 3 bytes";
  BinaryStreamSetPosition(stream.get(), 0, 258);
  EXPECT_EQ(runtime_test::adopt(BinaryStreamRead(stream.get(), 10)).text(), "abc");
  EXPECT_EQ(BinaryStreamRead(stream.get(), 0), nullptr);
}

TEST_F(BinaryStreams, LengthCutsOrExtendsTheFileAndKeepsThePosition) {
  zrt::ObjectRef stream = created(false);
  BinaryStreamWrite(stream.get(), runtime_test::make("abcdef").get());
  BinaryStreamSetPosition(stream.get(), 0, 2);
  BinaryStreamSetLength(stream.get(), 0, 4);
  EXPECT_EQ(contents(), (Bytes{'a', 'b', 'c', 'd'}));
  EXPECT_EQ(BinaryStreamGetPosition(stream.get(), 0), 2);
  BinaryStreamSetLength(stream.get(), 0, 7);
  EXPECT_EQ(contents(), (Bytes{'a', 'b', 'c', 'd', 0, 0, 0}));
  EXPECT_FALSE(BinaryStreamEOF(stream.get(), 0));
}

TEST_F(BinaryStreams, AClosedStreamIsAtItsEndAndGivesNothing) {
  zrt::ObjectRef stream = created(false);
  BinaryStreamWriteLong(stream.get(), 7);
  BinaryStreamClose(stream.get());
  BinaryStreamClose(stream.get());
  BinaryStreamWriteLong(stream.get(), 8);
  BinaryStreamSetLength(stream.get(), 0, 100);
  EXPECT_TRUE(BinaryStreamEOF(stream.get(), 0));
  EXPECT_EQ(BinaryStreamGetLength(stream.get(), 0), 0);
  EXPECT_EQ(BinaryStreamGetPosition(stream.get(), 0), 0);
  EXPECT_EQ(BinaryStreamReadLong(stream.get()), 0);
  EXPECT_EQ(BinaryStreamRead(stream.get(), 4), nullptr);
  EXPECT_EQ(contents(), (Bytes{0, 0, 0, 7}));
  // A read-only stream on the file reads what was written.
  zrt::ObjectRef item = zrt::ObjectRef::adopt(FolderItemFromPath(const_cast<char*>(m_path.c_str())));
  zrt::ObjectRef reader = zrt::ObjectRef::adopt(FolderItemOpenBinaryFile(item.get(), 0));
  EXPECT_EQ(BinaryStreamReadLong(reader.get()), 7);
}

}  // namespace
