// The settings stream: the application's own settings read back field by
// field, and truncated or inconsistent streams reported with the field.
#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "runtime/core/settings_stream.h"

namespace {

class StreamBuilder {
 public:
  StreamBuilder& byte(std::uint8_t value) {
    m_bytes.push_back(value);
    return *this;
  }
  StreamBuilder& word(std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) byte(static_cast<std::uint8_t>(value >> shift));
    return *this;
  }
  // Small non-negative packed integers only: enough for counts and lengths here.
  StreamBuilder& integer(std::uint32_t value) {
    if (value < 64) return byte(static_cast<std::uint8_t>(value));
    return byte(static_cast<std::uint8_t>(0x80 | (value & 0x3F))).byte(static_cast<std::uint8_t>(value >> 6));
  }
  StreamBuilder& text(std::string_view value) {
    integer(static_cast<std::uint32_t>(value.size()));
    m_bytes.insert(m_bytes.end(), value.begin(), value.end());
    return *this;
  }
  const std::vector<std::uint8_t>& bytes() const { return m_bytes; }

 private:
  std::vector<std::uint8_t> m_bytes;
};

StreamBuilder application_settings() {
  StreamBuilder stream;
  stream.byte(1).word(0).word(0).integer(2);
  stream.text("GaussianFile (*.out)").text("EDIT").text("TEXT").text("out");
  stream.text("XYFile (*.tab)").text("EDIT").text("TEXT").text(".tab");
  stream.integer(5).text("").text("").text("").text("");
  stream.text("An exception of class %1 was not handled.\rThe application must shut down.");
  stream.byte(0).text("Quellix Win 1.0");
  return stream;
}

}  // namespace

TEST(SettingsStream, ReadsEveryFieldInStoredOrder) {
  zrt::SettingsError error;
  const auto settings = zrt::parse_settings(application_settings().bytes(), error);
  ASSERT_TRUE(settings) << error.message;
  EXPECT_EQ(settings->flag, 1);
  ASSERT_EQ(settings->file_types.size(), 2u);
  EXPECT_EQ(settings->file_types[0].name, "GaussianFile (*.out)");
  EXPECT_EQ(settings->file_types[1].extensions, ".tab");
  ASSERT_EQ(settings->messages.size(), 5u);
  EXPECT_EQ(settings->messages[4].substr(0, 22), "An exception of class ");
  EXPECT_FALSE(settings->mdi);
  EXPECT_EQ(settings->frame_title, "Quellix Win 1.0");
}

TEST(SettingsStream, EveryTruncationNamesTheFieldAndNeverReadsPastTheEnd) {
  const StreamBuilder stream = application_settings();
  const auto& whole = stream.bytes();
  for (std::size_t length = 0; length < whole.size(); ++length) {
    const std::vector<std::uint8_t> cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length));
    zrt::SettingsError error;
    EXPECT_FALSE(zrt::parse_settings(cut, error)) << "cut at " << length;
    EXPECT_EQ(error.message.rfind("settings stream: cannot read the ", 0), 0u) << error.message;
  }
}

TEST(SettingsStream, RejectsNegativeCounts) {
  StreamBuilder stream;
  stream.byte(0).word(0).word(0).byte(0x41);  // file-type count -1
  zrt::SettingsError error;
  EXPECT_FALSE(zrt::parse_settings(stream.bytes(), error));
  EXPECT_EQ(error.message, "settings stream: negative file-type count -1");
}

// A stream read out of step must not pass for settings: it would switch the
// program into multiple-document mode with some other field's bytes.
TEST(SettingsStream, RejectsAStreamThatDoesNotEndAtItsFrameTitleOrHasAnMdiFlagOutOfRange) {
  StreamBuilder trailing = application_settings();
  trailing.byte(0);
  StreamBuilder mdi_out_of_range;
  mdi_out_of_range.byte(0).word(0).word(0).integer(0).integer(0).byte(2).text("");
  const std::pair<const StreamBuilder*, std::string> cases[] = {
      {&trailing, "settings stream: the stream goes on after the frame title at byte 172"},
      {&mdi_out_of_range, "settings stream: the MDI flag 2 is out of range at byte 11"},
  };
  for (const auto& [stream, message] : cases) {
    zrt::SettingsError error;
    EXPECT_FALSE(zrt::parse_settings(stream->bytes(), error)) << message;
    EXPECT_EQ(error.message, message);
  }
}
