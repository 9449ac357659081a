// The shared font list: lookup by name, size and styles, counting of users,
// the face table and the character sets of the settings' codes.
#include "runtime/graphics/font_cache.h"

#include "runtime/core/assert.h"

#include <algorithm>
#include <array>
#include <list>
#include <utility>

namespace zrt {

struct FontEntry {
  std::int32_t users = 0;
  std::string name;
  std::int32_t size = 0;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  SystemFont font = nullptr;
};

namespace {

struct FaceMapping {
  std::string_view requested;
  std::string_view face;
};

constexpr std::array<FaceMapping, 7> k_faces{{
    {"System", "MS Sans Serif"},
    {"Application", "MS Sans Serif"},
    {"Geneva", "MS Sans Serif"},
    {"Courier", "Courier New"},
    {"Times", "Times New Roman"},
    {"Helvetica", "Arial"},
    {"Osaka", "MS UI Gothic"},
}};

struct CharacterSetMapping {
  std::uint32_t code;
  std::uint8_t character_set;
};

constexpr std::array<CharacterSetMapping, 8> k_character_sets{{
    {13, 128},  // Shift-JIS
    {21, 136},  // Big5
    {12, 177},  // Hebrew
    {14, 178},  // Arabic
    {16, 161},  // Greek
    {19, 162},  // Turkish
    {24, 222},  // Thai
    {34, 204},  // Russian
}};
constexpr std::uint8_t k_default_character_set = 1;

std::list<FontEntry>& entries() {
  static std::list<FontEntry> list;
  return list;
}

std::uint32_t g_character_set_code = 0;
FontMaker g_maker{nullptr, nullptr};

FontMaker current_maker() { return g_maker.make != nullptr ? g_maker : platform_font_maker(); }

char folded(char letter) { return letter >= 'a' && letter <= 'z' ? static_cast<char>(letter - 'a' + 'A') : letter; }

bool same_name(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return folded(x) == folded(y);
         });
}

bool matches(const FontEntry& entry, const FontRequest& request) {
  return entry.size == request.size && entry.bold == request.bold && entry.italic == request.italic &&
         entry.underline == request.underline && same_name(entry.name, request.name);
}

}  // namespace

std::string_view face_for_name(std::string_view requested) {
  // Letter case is ignored as in the cache, so a name maps to one face
  // whichever spelling asked first.
  for (const FaceMapping& mapping : k_faces)
    if (same_name(mapping.requested, requested)) return mapping.face;
  return requested;
}

std::uint8_t character_set_for_code(std::uint32_t code) {
  for (const CharacterSetMapping& mapping : k_character_sets)
    if (mapping.code == code) return mapping.character_set;
  return k_default_character_set;
}

FontDescription describe_font(const FontRequest& request, std::uint32_t character_set_code) {
  return {std::string(face_for_name(request.name)), -request.size, request.bold ? 700 : 400, request.italic,
          request.underline, character_set_for_code(character_set_code)};
}

void set_font_character_set_code(std::uint32_t code) { g_character_set_code = code; }

FontEntry* acquire_font(const FontRequest& request) {
  for (FontEntry& entry : entries())
    if (matches(entry, request)) {
      ++entry.users;
      return &entry;
    }
  SystemFont font = current_maker().make(describe_font(request, g_character_set_code));
  if (font == nullptr) return nullptr;
  entries().push_front(FontEntry{1, std::string(request.name), request.size, request.bold, request.italic,
                                 request.underline, font});
  return &entries().front();
}

void release_font(FontEntry* entry) {
  if (entry == nullptr) return;
  ZASSERT(entry->users > 0, "a font released more often than acquired");
  if (--entry->users > 0) return;
  current_maker().destroy(entry->font);
  entries().remove_if([entry](const FontEntry& candidate) { return &candidate == entry; });
}

SystemFont system_font_of(const FontEntry* entry) { return entry == nullptr ? nullptr : entry->font; }

std::size_t cached_font_count() { return entries().size(); }

FontMaker set_font_maker(FontMaker maker) {
  return std::exchange(g_maker, maker);
}

}  // namespace zrt
