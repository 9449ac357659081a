// Character models for the text tests: the fixed Western single-byte one,
// and a double-byte one shaped like the Japanese code page 932 so that
// character counting is tested without a Japanese system.
#pragma once

#include "runtime/core/character_model.h"

#include <string_view>
#include <utility>

namespace runtime_test {

inline const zrt::CharacterModel& western_model() {
  static const zrt::CharacterModel model(zrt::western_character_tables());
  return model;
}

// Lead bytes 0x81-0x9F and 0xE0-0xFC; ASCII letters change case; the
// ideographic space 0x81 0x40 is white space like the ASCII spaces.
inline const zrt::CharacterModel& japanese_model() {
  static const zrt::CharacterModel model = [] {
    zrt::CharacterTables tables = zrt::identity_tables();
    for (int lead = 0x81; lead <= 0x9F; ++lead) tables.lead_bytes.set(static_cast<std::size_t>(lead));
    for (int lead = 0xE0; lead <= 0xFC; ++lead) tables.lead_bytes.set(static_cast<std::size_t>(lead));
    for (int small = 'a'; small <= 'z'; ++small) {
      tables.upper[static_cast<std::size_t>(small)] = static_cast<std::uint8_t>(small - 'a' + 'A');
      tables.lower[static_cast<std::size_t>(small - 'a' + 'A')] = static_cast<std::uint8_t>(small);
    }
    for (const int space : {0x09, 0x0A, 0x0B, 0x0C, 0x0D, 0x20}) tables.spaces.set(static_cast<std::size_t>(space));
    tables.double_byte_spaces.push_back(0x8140);
    return zrt::CharacterModel(std::move(tables));
  }();
  return model;
}

// Two-byte characters of that code page used across the tests: two kanji,
// a full-width capital whose trail byte is the ASCII 'a', and the
// ideographic space.
inline constexpr std::string_view kanji_sun = "\x93\xfa";
inline constexpr std::string_view kanji_book = "\x96\x7b";
inline constexpr std::string_view wide_b = "\x82\x61";
inline constexpr std::string_view wide_space = "\x81\x40";

}  // namespace runtime_test
