#include "runtime/core/plugin_list.h"
#include "runtime/interface/exports.h"

#include <gtest/gtest.h>

namespace {

TEST(PluginList, TheImageEntryRecordsItsListForStartUp) {
  unsigned char first_list[12] = {};
  unsigned char second_list[12] = {};
  Win32InstallPlugins(first_list);
  EXPECT_EQ(zrt::recorded_plugin_list(), first_list);
  Win32InstallPlugins(second_list);
  EXPECT_EQ(zrt::recorded_plugin_list(), second_list) << "the last list recorded is the one installed";
  Win32InstallPlugins(nullptr);
  EXPECT_EQ(zrt::recorded_plugin_list(), nullptr);
}

}  // namespace
