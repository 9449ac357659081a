// Member imports: their names split into kind, class and member, the
// routine each kind takes, the chains linked, and members that do not exist
// reported by name.
#include "runtime/core/deferred_imports.h"
#include "runtime/core/name_equality.h"
#include "tests/core/object_test_support.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using object_tests::TestClass;

TEST(MemberImportName, SplitsKindClassAndMember) {
  const auto full = zrt::split_member_import("GWindow!Title");
  EXPECT_EQ(full.kind, 'G');
  EXPECT_EQ(full.class_name, "Window");
  EXPECT_EQ(full.member, "Title");
  const auto global = zrt::split_member_import("MApply");
  EXPECT_EQ(global.class_name, "");
  EXPECT_EQ(global.member, "Apply");
  const auto leading = zrt::split_member_import("M!Apply");
  EXPECT_EQ(leading.class_name, "");
  EXPECT_EQ(leading.member, "Apply");
  EXPECT_EQ(zrt::split_member_import("SA!B!C").member, "B!C") << "the class ends at the first !";
}

class MemberImports : public object_tests::ObjectTest {
 protected:
  void SetUp() override {
    ObjectTest::SetUp();
    m_base = std::make_unique<TestClass>("Base");
    m_derived = std::make_unique<TestClass>("Derived", m_base->get());
    s_base = m_base->get();
    s_derived = m_derived->get();
    zrt::append_property(*s_base, "Title", "String", 0x4100, 0x4200, 0);
    zrt::append_method(*s_base, "Refresh", 0x4300, 0x4400);
  }
  void TearDown() override {
    m_derived.reset();
    m_base.reset();
    ObjectTest::TearDown();
  }

  static zrt::ClassRecord* find(std::string_view name) {
    if (zrt::names_equal(name, "Base")) return s_base;
    if (zrt::names_equal(name, "Derived")) return s_derived;
    return nullptr;
  }

  std::unique_ptr<TestClass> m_base;
  std::unique_ptr<TestClass> m_derived;
  // The lookup is a plain function, so it finds the classes through these.
  inline static zrt::ClassRecord* s_base = nullptr;
  inline static zrt::ClassRecord* s_derived = nullptr;
};

TEST_F(MemberImports, EachKindTakesItsRoutineAlongTheClassChain) {
  EXPECT_EQ(zrt::member_import_target(zrt::split_member_import("GBase!Title"), &find), 0x4100u);
  EXPECT_EQ(zrt::member_import_target(zrt::split_member_import("SDerived!title"), &find), 0x4200u);
  EXPECT_EQ(zrt::member_import_target(zrt::split_member_import("MDerived!Refresh"), &find), 0x4300u);
  EXPECT_EQ(zrt::member_import_target(zrt::split_member_import("WDerived!Refresh"), &find), 0x4400u);
  EXPECT_EQ(zrt::member_import_target(zrt::split_member_import("MBase!Title"), &find), 0u);
  EXPECT_EQ(zrt::member_import_target(zrt::split_member_import("GNowhere!Title"), &find), 0u);
  EXPECT_EQ(zrt::member_import_target(zrt::split_member_import("XBase!Title"), &find), 0u);
}

TEST_F(MemberImports, LinksEveryCallOfTheChainAndNamesTheMissingMembers) {
  constexpr std::uint32_t base = 0x00400000;
  std::vector<std::uint8_t> code(32, 0x90);
  zrt::store_u32(code, 4, 12);  // the call at 4 leads to the call at 12
  zrt::store_u32(code, 12, 0);
  const zrt::ImageBlock code1(code, base);
  const std::vector<zrt::DeferredImport> imports = {{"GBase!Title", 4}};
  zrt::LoadError error;
  ASSERT_TRUE(zrt::link_member_imports(imports, code1, &find, error)) << error.message;
  EXPECT_EQ(zrt::load_u32(code, 4), 0x4100u - (base + 4) - 4);
  EXPECT_EQ(zrt::load_u32(code, 12), 0x4100u - (base + 12) - 4);

  const std::vector<zrt::DeferredImport> unknown = {{"GBase!Colour", 0}, {"MBase!Refresh", 0}, {"SNone!X", 0}};
  EXPECT_FALSE(zrt::link_member_imports(unknown, code1, &find, error));
  EXPECT_NE(error.message.find("no class member is named GBase!Colour, SNone!X"), std::string::npos) << error.message;
}

}  // namespace
