// Runtime strings: layout, sharing, the exported routines and the internal
// operations' limits. Every test checks that it freed what it made.
#include "runtime/core/memory.h"
#include "runtime/core/strings.h"
#include "runtime/interface/exports.h"

#include "tests/core/character_models.h"
#include "tests/core/leak_checked_test.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

class StringsTest : public runtime_test::LeakCheckedTest {};

using runtime_test::make;

TEST_F(StringsTest, BufferHoldsLengthByteTextAndNul) {
  const auto abc = make("abc");
  const ZString* s = abc.get();
  EXPECT_EQ(s->count, 1);
  EXPECT_EQ(s->length, 3);
  EXPECT_EQ(s->capacity, 5);
  EXPECT_EQ(0, std::memcmp(s->buffer, "\x03" "abc\0", 5));
}

TEST_F(StringsTest, LongStringSaturatesLengthByte) {
  const std::string text(300, 'x');
  const auto s = make(text);
  EXPECT_EQ(s.get()->length, 300);
  EXPECT_EQ(s.get()->buffer[0], 255);
  EXPECT_EQ(s.get()->buffer[301], 0);
  EXPECT_STREQ(static_cast<const char*>(StringGetCString(s.get())), text.c_str());
}

TEST_F(StringsTest, NullHasStaticEmptyForms) {
  EXPECT_STREQ(static_cast<const char*>(StringGetCString(nullptr)), "");
  EXPECT_EQ(*static_cast<const std::uint8_t*>(StringGetPString(nullptr)), 0);
  RuntimeLockString(nullptr);
  RuntimeUnlockString(nullptr);
}

TEST_F(StringsTest, TextFormsPointIntoBuffer) {
  const auto s = make("main");
  EXPECT_EQ(StringGetPString(s.get()), s.get()->buffer);
  EXPECT_EQ(StringGetCString(s.get()), s.get()->buffer + 1);
}

TEST_F(StringsTest, BuildStringCopiesBytes) {
  char bytes[] = "plug-in";
  const auto s = zrt::StringRef::adopt(ZOLTBuildString(bytes, 4));
  bytes[0] = 'X';
  EXPECT_EQ(s.text(), "plug");
  EXPECT_EQ(ZOLTBuildString(bytes, 0), nullptr);
  EXPECT_EQ(ZOLTBuildString(bytes, -5), nullptr);
  EXPECT_EQ(ZOLTBuildString(nullptr, 3), nullptr);
}

TEST_F(StringsTest, AddStringSharesWhenOneSideIsEmpty) {
  EXPECT_EQ(RuntimeAddString(nullptr, nullptr), nullptr);
  const auto a = make("abc");
  const auto with_null = zrt::StringRef::adopt(RuntimeAddString(a.get(), nullptr));
  EXPECT_EQ(with_null.get(), a.get());
  EXPECT_EQ(a.get()->count, 2);
  const auto null_with = zrt::StringRef::adopt(RuntimeAddString(nullptr, a.get()));
  EXPECT_EQ(null_with.get(), a.get());
  EXPECT_EQ(a.get()->count, 3);
}

TEST_F(StringsTest, AddStringJoinsIntoNewString) {
  const auto a = make(std::string(200, 'a'));
  const auto b = make(std::string(100, 'b'));
  const auto joined = zrt::StringRef::adopt(RuntimeAddString(a.get(), b.get()));
  EXPECT_EQ(joined.text(), std::string(200, 'a') + std::string(100, 'b'));
  EXPECT_EQ(joined.get()->buffer[0], 255);
  EXPECT_EQ(joined.get()->buffer[301], 0);
  EXPECT_EQ(joined.get()->capacity, 302);
  EXPECT_EQ(a.get()->count, 1);
  EXPECT_EQ(b.get()->count, 1);
}

TEST_F(StringsTest, LiteralRecordSurvivesMatchedLocks) {
  // Laid out as the image holds it: capacity equals the length.
  std::uint8_t buffer[] = {8, 'M', 'e', 'n', 'u', 'I', 't', 'e', 'm', 0};
  ZString literal{1, buffer, 8, 8};
  RuntimeLockString(&literal);
  RuntimeLockString(&literal);
  EXPECT_EQ(literal.count, 3);
  RuntimeUnlockString(&literal);
  RuntimeUnlockString(&literal);
  EXPECT_EQ(literal.count, 1);

  const auto whole = zrt::StringRef::adopt(zrt::left_part(&literal, 8));
  EXPECT_EQ(whole.get(), &literal);
  const auto joined = zrt::StringRef::adopt(RuntimeAddString(&literal, whole.get()));
  EXPECT_EQ(joined.text(), "MenuItemMenuItem");
  EXPECT_EQ(std::string_view(reinterpret_cast<char*>(buffer + 1)), "MenuItem");
}

TEST_F(StringsTest, LiteralRecordReleasedByOwnerIsUntouched) {
  std::uint8_t buffer[] = {4, 'm', 'a', 'i', 'n', 0};
  ZString literal{1, buffer, 4, 4};
  { const auto held = zrt::StringRef::share(&literal); }
  EXPECT_EQ(literal.count, 1);
}

TEST_F(StringsTest, UnlockFreesAtZeroAndIgnoresAnExtraUnlockOfALiteral) {
  ZString* s = zrt::make_string("once");
  RuntimeLockString(s);
  RuntimeUnlockString(s);
  EXPECT_EQ(s->count, 1);
  RuntimeUnlockString(s);  // frees it; the fixture checks that it is gone

  std::uint8_t buffer[] = {1, 'x', 0};
  ZString literal{0, buffer, 1, 1};
  RuntimeUnlockString(&literal);
  EXPECT_EQ(literal.count, 0);
}

TEST_F(StringsTest, LeftAndRightParts) {
  const auto s = make("abcdef");
  EXPECT_EQ(zrt::StringRef::adopt(zrt::left_part(s.get(), 2)).text(), "ab");
  EXPECT_EQ(zrt::StringRef::adopt(zrt::right_part(s.get(), 2)).text(), "ef");
  EXPECT_EQ(zrt::left_part(s.get(), 0), nullptr);
  EXPECT_EQ(zrt::right_part(s.get(), -1), nullptr);
  EXPECT_EQ(zrt::left_part(nullptr, 3), nullptr);
  EXPECT_EQ(zrt::right_part(nullptr, 3), nullptr);
}

TEST_F(StringsTest, WholePartsAreShared) {
  const auto s = make("abcdef");
  const zrt::StringRef parts[] = {
      zrt::StringRef::adopt(zrt::left_part(s.get(), 6)),         zrt::StringRef::adopt(zrt::left_part(s.get(), 99)),
      zrt::StringRef::adopt(zrt::right_part(s.get(), 7)),        zrt::StringRef::adopt(zrt::tail_from(s.get(), 0)),
      zrt::StringRef::adopt(zrt::tail_from(s.get(), -3)),        zrt::StringRef::adopt(zrt::middle_part(s.get(), 0, 6)),
      zrt::StringRef::adopt(zrt::middle_part(s.get(), 0, 1000)),
  };
  for (const auto& part : parts) EXPECT_EQ(part.get(), s.get());
  EXPECT_EQ(s.get()->count, 8);
}

TEST_F(StringsTest, TailFromPosition) {
  const auto s = make("abcdef");
  EXPECT_EQ(zrt::StringRef::adopt(zrt::tail_from(s.get(), 4)).text(), "ef");
  EXPECT_EQ(zrt::StringRef::adopt(zrt::tail_from(s.get(), 5)).text(), "f");
  EXPECT_EQ(zrt::tail_from(s.get(), 6), nullptr);
  EXPECT_EQ(zrt::tail_from(nullptr, 0), nullptr);
  EXPECT_EQ(s.get()->count, 1);
}

TEST_F(StringsTest, MiddlePart) {
  const auto s = make("abcdef");
  EXPECT_EQ(zrt::StringRef::adopt(zrt::middle_part(s.get(), 1, 3)).text(), "bcd");
  EXPECT_EQ(zrt::StringRef::adopt(zrt::middle_part(s.get(), 4, 10)).text(), "ef");
  EXPECT_EQ(zrt::StringRef::adopt(zrt::middle_part(s.get(), -2, 4)).text(), "ab");
  EXPECT_EQ(zrt::middle_part(s.get(), -2, 2), nullptr);
  EXPECT_EQ(zrt::middle_part(s.get(), 6, 1), nullptr);
  EXPECT_EQ(zrt::middle_part(s.get(), 2, 0), nullptr);
  EXPECT_EQ(zrt::middle_part(s.get(), -2147483647 - 1, -2147483647 - 1), nullptr);
  EXPECT_EQ(zrt::StringRef::adopt(zrt::middle_part(s.get(), 1, 2147483647)).text(), "bcdef");
  EXPECT_EQ(s.get()->count, 1);
}

TEST_F(StringsTest, AppendByteMakesNewString) {
  const auto s = make("ab");
  const auto longer = zrt::StringRef::adopt(zrt::append_byte(s.get(), 'c'));
  EXPECT_EQ(longer.text(), "abc");
  EXPECT_EQ(longer.get()->buffer[0], 3);
  EXPECT_EQ(longer.get()->buffer[4], 0);
  EXPECT_EQ(s.text(), "ab");
  EXPECT_EQ(zrt::StringRef::adopt(zrt::append_byte(nullptr, 'z')).text(), "z");
}

TEST_F(StringsTest, AppendByteKeepsLengthByteSaturated) {
  const auto s = make(std::string(255, 'x'));
  const auto longer = zrt::StringRef::adopt(zrt::append_byte(s.get(), 'y'));
  EXPECT_EQ(longer.get()->length, 256);
  EXPECT_EQ(longer.get()->buffer[0], 255);
  EXPECT_EQ(longer.get()->buffer[256], 'y');
  EXPECT_EQ(longer.get()->buffer[257], 0);
}

TEST_F(StringsTest, FindBytes) {
  const auto s = make("abcabc");
  const auto bc = make("bc");
  EXPECT_EQ(zrt::find_bytes(s.get(), 0, bc.get()), 1);
  EXPECT_EQ(zrt::find_bytes(s.get(), 2, bc.get()), 4);
  EXPECT_EQ(zrt::find_bytes(s.get(), -4, bc.get()), 1);
  EXPECT_EQ(zrt::find_bytes(s.get(), 5, bc.get()), -1);
  EXPECT_EQ(zrt::find_bytes(s.get(), 100, bc.get()), -1);
  EXPECT_EQ(zrt::find_bytes(s.get(), 0, nullptr), -1);
  EXPECT_EQ(zrt::find_bytes(nullptr, 0, bc.get()), -1);
}

TEST_F(StringsTest, FindOnADoubleByteSystemNeverMatchesATrailByte) {
  // The second byte of this character is "a"; on its own, "a" comes later.
  const auto text = make(runtime_test::join("\x82" "a", "xa"));
  const auto a = make("a");
  EXPECT_EQ(zrt::find_bytes(text.get(), 0, a.get(), runtime_test::western_model()), 1);
  EXPECT_EQ(zrt::find_bytes(text.get(), 0, a.get(), runtime_test::japanese_model()), 3);
  EXPECT_EQ(zrt::find_bytes(text.get(), 1, a.get(), runtime_test::japanese_model()), 3);
}

TEST_F(StringsTest, StringRefCopiesShareAndMovesTransfer) {
  auto first = make("owned");
  {
    const zrt::StringRef copy = first;
    EXPECT_EQ(first.get()->count, 2);
  }
  EXPECT_EQ(first.get()->count, 1);
  zrt::StringRef moved = std::move(first);
  EXPECT_EQ(moved.get()->count, 1);
  moved = make("other");
  EXPECT_EQ(moved.text(), "other");
  ZString* handed = moved.leak();
  EXPECT_EQ(moved.get(), nullptr);
  RuntimeUnlockString(handed);
}

}  // namespace
