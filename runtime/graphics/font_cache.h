// The process-wide cache of shared fonts, used by graphics ports and by the
// controls alike: a request with the same name (letter case ignored), size
// and styles shares the entry, which counts its users and gives its font back
// to the system with the last. Requested names are mapped to the faces the
// system has, and every font is made in the character set of the application's
// settings. The cache is portable; the system font is made through a maker.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zrt {

struct FontRequest {
  std::string_view name;
  std::int32_t size = 12;
  bool bold = false;
  bool italic = false;
  bool underline = false;
};

// What the system is asked for: the face, the em height (negative, a
// character height) and the character set.
struct FontDescription {
  std::string face;
  std::int32_t height = 0;
  std::int32_t weight = 400;
  bool italic = false;
  bool underline = false;
  std::uint8_t character_set = 1;
};

// A system font handle, opaque to the cache; null when none could be made.
using SystemFont = void*;
struct FontMaker {
  SystemFont (*make)(const FontDescription& description);
  void (*destroy)(SystemFont font);
};

struct FontEntry;

// The face the system draws a requested name in.
[[nodiscard]] std::string_view face_for_name(std::string_view requested);
// The character set of the settings' character-set code.
[[nodiscard]] std::uint8_t character_set_for_code(std::uint32_t code);
[[nodiscard]] FontDescription describe_font(const FontRequest& request, std::uint32_t character_set_code);

// The code every later font is made with; set once from the settings.
void set_font_character_set_code(std::uint32_t code);

// One more user of a matching entry, or a new entry; null when the system
// made no font, and then nothing is entered.
[[nodiscard]] FontEntry* acquire_font(const FontRequest& request);
void release_font(FontEntry* entry);
[[nodiscard]] SystemFont system_font_of(const FontEntry* entry);

[[nodiscard]] std::size_t cached_font_count();

// Installs another maker and returns the one it replaces (tests count the
// fonts made). The platform's maker is the default.
FontMaker set_font_maker(FontMaker maker);
[[nodiscard]] FontMaker platform_font_maker();

}  // namespace zrt
