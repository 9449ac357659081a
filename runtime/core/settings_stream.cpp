// Reading the settings stream field by field in its stored order.
#include "runtime/core/settings_stream.h"

#include "runtime/core/packed_reader.h"

namespace zrt {
namespace {

class SettingsParser {
 public:
  SettingsParser(std::span<const std::uint8_t> stream, SettingsError& error) : m_reader(stream), m_error(error) {}

  std::optional<Settings> parse() {
    Settings settings;
    if (!read(m_reader.read_byte(), settings.flag, "flag") ||
        !read(m_reader.read_u32_big_endian(), settings.reserved, "reserved word") ||
        !read(m_reader.read_u32_big_endian(), settings.character_set_code, "character-set code") ||
        !read_file_types(settings.file_types) || !read_messages(settings.messages))
      return std::nullopt;
    std::uint8_t mdi = 0;
    if (!read(m_reader.read_byte(), mdi, "MDI flag")) return std::nullopt;
    // A stream read out of step finds some other byte here.
    if (mdi > 1) return out_of_range("MDI flag", mdi);
    if (!read_text(settings.frame_title, "frame title")) return std::nullopt;
    if (!m_reader.at_end()) {
      m_error.message = "settings stream: the stream goes on after the frame title at byte " +
                        std::to_string(m_reader.position());
      return std::nullopt;
    }
    settings.mdi = mdi == 1;
    return settings;
  }

 private:
  std::nullopt_t out_of_range(const char* field, std::int64_t value) {
    m_error.message = std::string("settings stream: the ") + field + " " + std::to_string(value) +
                      " is out of range at byte " + std::to_string(m_reader.position() - 1);
    return std::nullopt;
  }

  bool fail(const char* field) {
    m_error.message = std::string("settings stream: cannot read the ") + field + ": " + m_reader.error();
    return false;
  }

  template <typename T, typename U>
  bool read(const std::optional<U>& value, T& out, const char* field) {
    if (!value) return fail(field);
    out = static_cast<T>(*value);
    return true;
  }

  bool read_text(std::string& out, const char* field) {
    const auto text = m_reader.read_string();
    if (!text) return fail(field);
    out.assign(*text);
    return true;
  }

  bool read_count(std::int32_t& count, const char* field) {
    if (!read(m_reader.read_integer(), count, field)) return false;
    if (count >= 0) return true;
    m_error.message = std::string("settings stream: negative ") + field + " " + std::to_string(count);
    return false;
  }

  bool read_file_types(std::vector<FileType>& types) {
    std::int32_t count = 0;
    if (!read_count(count, "file-type count")) return false;
    for (std::int32_t i = 0; i < count; ++i) {
      FileType type;
      if (!read_text(type.name, "file-type name") || !read_text(type.mac_creator, "file-type creator") ||
          !read_text(type.mac_type, "file-type type") || !read_text(type.extensions, "file-type extensions"))
        return false;
      types.push_back(std::move(type));
    }
    return true;
  }

  bool read_messages(std::vector<std::string>& messages) {
    std::int32_t count = 0;
    if (!read_count(count, "message count")) return false;
    for (std::int32_t i = 0; i < count; ++i) {
      std::string message;
      if (!read_text(message, "message")) return false;
      messages.push_back(std::move(message));
    }
    return true;
  }

  PackedReader m_reader;
  SettingsError& m_error;
};

}  // namespace

std::optional<Settings> parse_settings(std::span<const std::uint8_t> stream, SettingsError& error) {
  return SettingsParser(stream, error).parse();
}

}  // namespace zrt
