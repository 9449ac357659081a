// The exported text routines as compiled code calls them: borrowed
// arguments, new references in return, the empty string as null, and the
// process's own character model underneath.
#include "runtime/core/character_model.h"

#include "runtime/interface/exports.h"
#include "tests/core/leak_checked_test.h"

#include <gtest/gtest.h>

namespace {

using runtime_test::adopt;
using runtime_test::make;

class TextRoutinesTest : public runtime_test::LeakCheckedTest {};

TEST_F(TextRoutinesTest, SystemModelIsBuiltOnce) {
  EXPECT_EQ(&zrt::system_character_model(), &zrt::system_character_model());
}

TEST_F(TextRoutinesTest, LengthsAndCodes) {
  const auto hello = make("Hello");
  EXPECT_EQ(StringLen(hello.get()), 5);
  EXPECT_EQ(StringLen(nullptr), 0);
  EXPECT_EQ(StringDBCSLen(nullptr), 0);
  EXPECT_EQ(StringAsc(hello.get()), 'H');
  EXPECT_EQ(StringAsc(nullptr), 0);
  EXPECT_EQ(StringDBCSAsc(nullptr), 0);
  EXPECT_EQ(adopt(StringChr(72)).text(), "H");
  EXPECT_EQ(adopt(StringDBCSChr(9)).text(), "\t");
}

TEST_F(TextRoutinesTest, PartsShareOrCopyAndTreatNullAsEmpty) {
  const auto hello = make("Hello");
  EXPECT_EQ(adopt(StringLeft(hello.get(), 2)).text(), "He");
  EXPECT_EQ(adopt(StringRight(hello.get(), 2)).text(), "lo");
  EXPECT_EQ(adopt(StringMid2(hello.get(), 2)).text(), "ello");
  EXPECT_EQ(adopt(StringMid3(hello.get(), 2, 3)).text(), "ell");
  EXPECT_EQ(adopt(StringDBCSLeft(hello.get(), 2)).text(), "He");
  EXPECT_EQ(adopt(StringDBCSRight(hello.get(), 2)).text(), "lo");
  EXPECT_EQ(adopt(StringDBCSMid2(hello.get(), 2)).text(), "ello");
  EXPECT_EQ(adopt(StringDBCSMid3(hello.get(), 2, 3)).text(), "ell");
  EXPECT_EQ(StringLeft(hello.get(), 0), nullptr);
  EXPECT_EQ(StringMid2(nullptr, 1), nullptr);
  EXPECT_EQ(StringDBCSMid3(nullptr, 1, 5), nullptr);

  ZString* const whole[] = {StringLeft(hello.get(), 5),   StringRight(hello.get(), 50), StringMid2(hello.get(), 1),
                            StringDBCSLeft(hello.get(), 9), StringDBCSMid2(hello.get(), -4)};
  for (ZString* result : whole) EXPECT_EQ(result, hello.get());
  EXPECT_EQ(hello.get()->count, 6);
  for (ZString* result : whole) RuntimeUnlockString(result);
}

TEST_F(TextRoutinesTest, CaseAndTrim) {
  const auto padded = make("  mIxed CASE  ");
  EXPECT_EQ(adopt(StringUCase(padded.get())).text(), "  MIXED CASE  ");
  EXPECT_EQ(adopt(StringLCase(padded.get())).text(), "  mixed case  ");
  EXPECT_EQ(adopt(StringTitleCase(padded.get())).text(), "  Mixed Case  ");
  EXPECT_EQ(adopt(runLTrim(padded.get())).text(), "mIxed CASE  ");
  EXPECT_EQ(adopt(runRTrim(padded.get())).text(), "  mIxed CASE");
  EXPECT_EQ(adopt(runTrim(padded.get())).text(), "mIxed CASE");
  EXPECT_EQ(runTrim(nullptr), nullptr);
  EXPECT_EQ(StringUCase(nullptr), nullptr);
}

TEST_F(TextRoutinesTest, SearchReplaceAndFields) {
  const auto hello = make("Hello");
  const auto ll = make("LL");
  EXPECT_EQ(StringInStr(1, hello.get(), ll.get()), 3);
  EXPECT_EQ(StringDBCSInStr(1, hello.get(), ll.get()), 3);
  EXPECT_EQ(StringInStr(3, hello.get(), nullptr), 2);
  EXPECT_EQ(StringInStr(1, nullptr, ll.get()), 0);

  const auto aaa = make("aaa");
  const auto a = make("a");
  const auto aa = make("aa");
  EXPECT_EQ(adopt(StringReplaceAll(aaa.get(), a.get(), aa.get())).text(), "aaaaaa");
  EXPECT_EQ(adopt(StringReplace(aaa.get(), a.get(), aa.get())).text(), "aaaa");

  const auto line = make("1\t2\t3");
  const auto tab = adopt(StringDBCSChr(9));
  EXPECT_EQ(StringCountFields(line.get(), tab.get()), 3);
  EXPECT_EQ(adopt(StringNthField(line.get(), tab.get(), 2)).text(), "2");
  EXPECT_EQ(StringCountFields(nullptr, tab.get()), 0);
}

}  // namespace
