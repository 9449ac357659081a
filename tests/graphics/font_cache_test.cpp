// The shared font cache: matching, counting, the face table, the character
// sets, and what a font the system cannot make leaves behind.
#include "runtime/graphics/font_cache.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<zrt::FontDescription> g_made;
int g_destroyed = 0;
bool g_refuse = false;

zrt::SystemFont make_counted(const zrt::FontDescription& description) {
  if (g_refuse) return nullptr;
  g_made.push_back(description);
  return reinterpret_cast<zrt::SystemFont>(static_cast<std::uintptr_t>(g_made.size()));
}

void destroy_counted(zrt::SystemFont) { ++g_destroyed; }

class FontCache : public ::testing::Test {
 protected:
  void SetUp() override {
    g_made.clear();
    g_destroyed = 0;
    g_refuse = false;
    m_previous = zrt::set_font_maker({&make_counted, &destroy_counted});
  }
  void TearDown() override {
    EXPECT_EQ(zrt::cached_font_count(), 0u) << "a font was not given back";
    zrt::set_font_maker(m_previous);
    zrt::set_font_character_set_code(0);
  }

 private:
  zrt::FontMaker m_previous{};
};

TEST_F(FontCache, SameSettingsShareOneFontWhateverTheLetterCase) {
  zrt::FontEntry* first = zrt::acquire_font({"Helvetica", 12});
  zrt::FontEntry* second = zrt::acquire_font({"HELVETICA", 12});
  EXPECT_EQ(first, second);
  EXPECT_EQ(g_made.size(), 1u);
  zrt::release_font(first);
  EXPECT_EQ(g_destroyed, 0) << "still used once";
  zrt::release_font(second);
  EXPECT_EQ(g_destroyed, 1);
}

TEST_F(FontCache, EverySettingTellsFontsApart) {
  const std::vector<zrt::FontRequest> requests{
      {"Times", 12}, {"Times", 13}, {"Times", 12, true}, {"Times", 12, false, true}, {"Times", 12, false, false, true},
      {"Courier", 12}};
  std::vector<zrt::FontEntry*> entries;
  for (const zrt::FontRequest& request : requests) entries.push_back(zrt::acquire_font(request));
  EXPECT_EQ(g_made.size(), requests.size());
  EXPECT_EQ(zrt::cached_font_count(), requests.size());
  for (zrt::FontEntry* entry : entries) zrt::release_font(entry);
}

TEST_F(FontCache, FontsAreMadeFromTheFaceTableAsCharacterHeights) {
  for (const char* name : {"System", "Application", "Geneva"})
    EXPECT_EQ(zrt::face_for_name(name), "MS Sans Serif") << name;
  EXPECT_EQ(zrt::face_for_name("Courier"), "Courier New");
  EXPECT_EQ(zrt::face_for_name("Times"), "Times New Roman");
  EXPECT_EQ(zrt::face_for_name("helvetica"), "Arial");
  EXPECT_EQ(zrt::face_for_name("Osaka"), "MS UI Gothic");
  EXPECT_EQ(zrt::face_for_name("Verdana"), "Verdana");

  zrt::FontEntry* entry = zrt::acquire_font({"Helvetica", 14, true, true, false});
  ASSERT_EQ(g_made.size(), 1u);
  EXPECT_EQ(g_made[0].face, "Arial");
  EXPECT_EQ(g_made[0].height, -14);
  EXPECT_EQ(g_made[0].weight, 700);
  EXPECT_TRUE(g_made[0].italic);
  EXPECT_FALSE(g_made[0].underline);
  EXPECT_EQ(g_made[0].character_set, 1) << "the default character set";
  zrt::release_font(entry);
}

TEST_F(FontCache, CharacterSetComesFromTheSettingsCode) {
  const std::pair<std::uint32_t, std::uint8_t> mapping[] = {{13, 128}, {21, 136}, {12, 177}, {14, 178}, {16, 161},
                                                            {19, 162}, {24, 222}, {34, 204}, {0, 1},    {99, 1}};
  for (const auto& [code, character_set] : mapping) EXPECT_EQ(zrt::character_set_for_code(code), character_set);
  zrt::set_font_character_set_code(13);
  zrt::FontEntry* entry = zrt::acquire_font({"Osaka", 10});
  ASSERT_EQ(g_made.size(), 1u);
  EXPECT_EQ(g_made[0].character_set, 128);
  zrt::release_font(entry);
}

TEST_F(FontCache, AFontTheSystemRefusesIsNotEntered) {
  g_refuse = true;
  EXPECT_EQ(zrt::acquire_font({"Nowhere", 12}), nullptr);
  EXPECT_EQ(zrt::cached_font_count(), 0u);
  zrt::release_font(nullptr);  // giving back no font is harmless
}

}  // namespace
