// The export table: slots filled in declaration order, free slots after
// them, and the lookup that ignores letter case and takes the first match.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/core/export_table.h"

namespace {

const int k_routines[3] = {};

TEST(ExportTable, FirstMatchingSlotWinsWhateverTheLetterCase) {
  const zrt::ExportEntry entries[] = {
      {"RuntimeUnlockObject", &k_routines[0]},
      {"RUNTIMEUNLOCKOBJECT", &k_routines[1]},
      {"RuntimeRun", &k_routines[2]},
  };
  const zrt::ExportTable table(entries);
  struct Case {
    const char* name;
    const void* routine;
  };
  const Case cases[] = {
      {"RuntimeUnlockObject", &k_routines[0]},
      {"runtimeunlockobject", &k_routines[0]},
      {"RUNTIMERUN", &k_routines[2]},
      {"RuntimeRu", nullptr},
      {"RuntimeRunX", nullptr},
      {"", nullptr},
      // Only ASCII letters fold: a byte above 0x7F never matches a letter.
      {"Runt\xF5meRun", nullptr},
  };
  for (const Case& test : cases) {
    const zrt::ExportSlot* slot = table.find(test.name);
    EXPECT_EQ(slot ? slot->routine : nullptr, test.routine) << test.name;
  }
}

TEST(ExportTable, DeclaredRoutinesFillTheFirstSlotsAndTheRestAreFree) {
  std::vector<std::string> names;
  zif::for_each_routine([&](const zif::RoutineDecl& routine) { names.emplace_back(routine.name); });
  std::vector<zrt::ExportEntry> entries;
  for (const std::string& name : names) entries.push_back({name.c_str(), &k_routines[0]});
  const zrt::ExportTable table(entries);

  const auto slots = table.slots();
  ASSERT_EQ(slots.size(), 1099U);
  for (std::size_t i = 0; i < slots.size(); ++i) {
    EXPECT_EQ(slots[i].reserved[0], 0U);
    EXPECT_EQ(slots[i].reserved[1], 0U);
    if (i < names.size()) {
      EXPECT_STREQ(slots[i].name, names[i].c_str());
    } else {
      EXPECT_EQ(slots[i].name, nullptr);
      EXPECT_EQ(slots[i].routine, nullptr);
    }
  }
  // No two declared routines differ only in letter case, or the first would hide the second.
  for (std::size_t i = 0; i < names.size(); ++i) EXPECT_EQ(table.find(names[i]), &slots[i]) << names[i];
}

}  // namespace
