// Installing the plug-ins of an image's list in this process: libraries
// built by the tests are written out, loaded and entered, their classes
// completed; entries and libraries that are bad are skipped without a word.
#include "runtime/core/deferred_imports.h"
#include "runtime/core/message_box.h"
#include "runtime/core/plugin_installation.h"
#include "runtime/core/plugin_registry.h"
#include "runtime/core/plugin_resolver.h"
#include "runtime/interface/exports.h"
#include "runtime/runtime_exports.h"
#include "tests/core/object_test_support.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::vector<std::string>& shown() {
  static std::vector<std::string> texts;
  return texts;
}

int answer(zrt::WindowHandle, std::string_view text, std::string_view, unsigned) {
  shown().emplace_back(text);
  return IDOK;
}

std::string file_text(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string test_plugin(const char* name) { return file_text(std::string(Z_TEST_PLUGINS) + "/" + name); }

class PluginInstallation : public object_tests::ObjectTest {
 protected:
  void SetUp() override {
    ObjectTest::SetUp();
    shown().clear();
    m_previous = zrt::set_message_box_answerer(&answer);
  }

  void TearDown() override {
    Win32InstallPlugins(nullptr);
    zrt::reset_plugins();
    zrt::set_resolver_exports(nullptr);
    zrt::set_message_box_answerer(m_previous);
    ObjectTest::TearDown();
  }

  // Lays the entries out as an image's data1 does and installs them.
  void install(const std::vector<std::pair<std::string, std::string>>& entries) {
    m_data.clear();
    std::vector<std::size_t> starts;
    for (const auto& [name, library] : entries) {
      while (m_data.size() % 4 != 0) m_data.push_back(0);
      starts.push_back(m_data.size());
      m_data.resize(m_data.size() + 12);
      m_data.push_back(static_cast<std::uint8_t>(name.size()));
      m_data.insert(m_data.end(), name.begin(), name.end());
      m_data.insert(m_data.end(), library.begin(), library.end());
      store(starts.back() + 4, static_cast<std::uint32_t>(1 + name.size() + library.size() + 4));
    }
    for (std::size_t i = 0; i + 1 < starts.size(); ++i) store(starts[i], address_of(starts[i + 1]));
    zrt::set_image_segments({}, {address_of(0), m_data});
    Win32InstallPlugins(m_data.data());
    zrt::install_recorded_plugins(zrt::runtime_exports());
  }

 private:
  std::uint32_t address_of(std::size_t offset) { return zrt::word_of_pointer(m_data.data() + offset); }
  void store(std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) m_data[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
  }

  std::vector<std::uint8_t> m_data;
  zrt::MessageBoxAnswerer m_previous = nullptr;
};

TEST_F(PluginInstallation, APluginsClassesMethodAndControlAreRegisteredAndCompleted) {
  install({{"tally.dll", test_plugin("tally.dll")}});
  zrt::ClassRecord* tally = zrt::find_class_by_name("Tally");
  zrt::ClassRecord* counter = zrt::find_class_by_name("Counter");
  ASSERT_NE(tally, nullptr);
  ASSERT_NE(counter, nullptr);
  EXPECT_EQ(tally->superclass, counter) << "the superclass registered after it is found at completion";
  EXPECT_EQ(tally->instance_size, 24 + 4 + 4);
  ASSERT_NE(tally->properties, nullptr);
  EXPECT_NE(tally->properties->getter, 0u);
  EXPECT_NE(zrt::find_method(tally, "Add"), nullptr);
  EXPECT_EQ(zrt::find_method(tally, "Broken"), nullptr);
  EXPECT_EQ(tally->constants->value, 99);
  EXPECT_NE(zrt::find_hook_by_key(tally, 0), 0u) << "Opened is bound to the plug-in's export 0";
  EXPECT_NE(zrt::member_import_target(zrt::split_member_import("MTwiceOf"), &zrt::find_class_by_name), 0u);
  const zplug::ControlDefinition* dial = zrt::plugin_control_of(zrt::find_plugin_control("OldDial"));
  ASSERT_NE(dial, nullptr);
  EXPECT_EQ(dial->default_width, 100) << "the version-1 record is widened";
  EXPECT_EQ(shown(), std::vector<std::string>{"Invalid plugin method format: Broken(amount As"});
}

TEST_F(PluginInstallation, BadEntriesAndLibrariesAreSkippedSilentlyAndTheRestIsInstalled) {
  install({{"garbage.dll", "MZ this is no library"},
           {"", test_plugin("tally.dll")},
           {"no_entry.dll", test_plugin("no_entry.dll")},
           {"version2.dll", test_plugin("version2.dll")},
           {"tally.dll", test_plugin("tally.dll")}});
  EXPECT_EQ(zrt::find_class_by_name("Unseen"), nullptr) << "a plug-in of version 2 registers no class";
  EXPECT_NE(zrt::find_class_by_name("Tally"), nullptr);
  EXPECT_EQ(shown().size(), 1u) << "only the bad declaration of tally.dll is shown";
}

}  // namespace
