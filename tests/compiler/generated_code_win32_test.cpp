// Runs code that zc generated: the host zc compiles probe.zs into the four
// development files at build time; this test loads them as the loader does
// (imports linked by name to a few routines of its own, then to the
// runtime's export table; code and data relocated), finds the methods of the
// probe's classes through their class descriptors and calls them with the
// image's calling convention. String results are checked for leaks.
#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "runtime/core/class_table.h"
#include "runtime/core/image_bases.h"
#include "runtime/core/memory.h"
#include "runtime/core/objects.h"
#include "runtime/core/runtime_classes.h"
#include "runtime/core/strings.h"
#include "runtime/runtime_exports.h"

namespace {

int g_background_tasks = 0;

extern "C" {
void __cdecl probe_stack_check() {}
void __cdecl probe_background_task() { ++g_background_tasks; }
void __cdecl probe_nothing() {}
}

// Routines the runtime does not export yet, by the names the probe imports.
const std::map<std::string, void*>& probe_routines() {
  static const std::map<std::string, void*> k_routines = {
      {"RuntimeStackCheck", reinterpret_cast<void*>(&probe_stack_check)},
      {"RuntimeBackgroundTask", reinterpret_cast<void*>(&probe_background_task)},
      {"Win32InstallPlugins", reinterpret_cast<void*>(&probe_nothing)},
      {"RuntimeInit", reinterpret_cast<void*>(&probe_nothing)},
      {"RuntimeRun", reinterpret_cast<void*>(&probe_nothing)},
  };
  return k_routines;
}

std::vector<std::uint8_t> read_segment(const char* name) {
  std::ifstream in(std::string(Z_PROBE_IMAGE) + "/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t word_at(const std::uint8_t* bytes, std::uint32_t offset) {
  std::uint32_t value;
  std::memcpy(&value, bytes + offset, 4);
  return value;
}

void add_to_word(std::uint8_t* bytes, std::uint32_t offset, std::uint32_t addend) {
  const std::uint32_t value = word_at(bytes, offset) + addend;
  std::memcpy(bytes + offset, &value, 4);
}

class ProbeImage {
 public:
  ProbeImage() {
    const std::vector<std::uint8_t> code1 = read_segment("code1.dat");
    m_code2 = read_segment("code2.dat");
    m_data = read_segment("data1.dat");
    m_data2 = read_segment("data2.dat");
    m_code = static_cast<std::uint8_t*>(
        ::VirtualAlloc(nullptr, code1.size(), MEM_COMMIT | MEM_RESERVE, PAGE_EXECUTE_READWRITE));
    std::memcpy(m_code, code1.data(), code1.size());
    m_code_size = code1.size();
    link();
    relocate_data();
  }
  ~ProbeImage() { ::VirtualFree(m_code, 0, MEM_RELEASE); }
  ProbeImage(const ProbeImage&) = delete;
  ProbeImage& operator=(const ProbeImage&) = delete;

  bool loaded() const { return !m_code2.empty() && !m_data.empty(); }

  // What the runtime's start would do for the exception walk and the object
  // model: know where the image lies and build the class table.
  std::string install() {
    zrt::register_runtime_classes(nullptr);
    zrt::set_image_segments({reinterpret_cast<zrt::Address>(m_code), std::span(m_code, m_code_size)},
                            {reinterpret_cast<zrt::Address>(m_data.data()), std::span(m_data)});
    const auto built = zrt::build_class_table(zrt::image_data(), word_at(m_data.data(), 4), &zrt::find_runtime_class);
    return built.built ? "" : built.error;
  }
  static void uninstall() {
    zrt::destroy_class_table();
    zrt::set_image_segments({}, {});
    zrt::unregister_runtime_classes();
  }
  const std::vector<std::string>& missing() const { return m_missing; }

  // The routine of a method of class `class_name`, from its class descriptor.
  void* method(const std::string& class_name, const std::string& method_name) const {
    const auto* application = reinterpret_cast<const std::uint32_t*>(word_at(m_data.data(), 4));
    for (std::uint32_t index = 0; index < application[0]; ++index) {
      const auto* descriptor = reinterpret_cast<const std::uint32_t*>(application[1 + index]);
      if (descriptor[0] != 0 || descriptor[2] == 0 || literal(descriptor[2]) != class_name) continue;
      const std::uint32_t* field = descriptor + 4;
      field += *field != 0 ? 3 : 1;     // lifecycle
      field += 1;                        // interface flag
      field += 1 + *field;               // interfaces
      const std::uint32_t count = *field++;
      for (std::uint32_t i = 0; i < count; ++i, field += 2)
        if (literal(field[0]) == method_name) return reinterpret_cast<void*>(field[1]);
    }
    return nullptr;
  }

 private:
  static std::string literal(std::uint32_t record) {
    const auto* words = reinterpret_cast<const std::uint32_t*>(record);
    return std::string(reinterpret_cast<const char*>(words[1]) + 1, words[3]);
  }

  static const void* routine_named(const std::string& name) {
    if (auto own = probe_routines().find(name); own != probe_routines().end()) return own->second;
    const zrt::ExportSlot* slot = zrt::runtime_exports().find(name);
    return slot ? slot->routine : nullptr;
  }

  // Imports become displacements along their chains; code-to-data words
  // get the data's address added.
  void link() {
    const auto code_base = reinterpret_cast<std::uint32_t>(m_code);
    for (std::size_t at = 0; at < m_code2.size();) {
      if (m_code2[at] == 0x01) {
        const std::uint32_t head = word_at(m_code2.data(), static_cast<std::uint32_t>(at + 1));
        const std::string name(m_code2.begin() + static_cast<long>(at) + 6,
                               m_code2.begin() + static_cast<long>(at) + 6 + m_code2[at + 5]);
        const void* routine = routine_named(name);
        if (!routine) m_missing.push_back(name);
        for (std::uint32_t site = head; site != 0 && routine;) {
          const std::uint32_t next = word_at(m_code, site);
          const auto displacement = reinterpret_cast<std::uint32_t>(routine) - (code_base + site + 4);
          std::memcpy(m_code + site, &displacement, 4);
          site = next;
        }
        at += 6 + m_code2[at + 5];
      } else if (m_code2[at] == 0x02) {
        add_to_word(m_code, word_at(m_code2.data(), static_cast<std::uint32_t>(at + 1)),
                    reinterpret_cast<std::uint32_t>(m_data.data()));
        at += 5;
      } else {
        ++at;
      }
    }
  }

  void relocate_data() {
    std::uint32_t cursor = 0;
    for (std::size_t at = 0; at + 1 < m_data2.size(); at += 2) {
      const std::uint16_t word = static_cast<std::uint16_t>(m_data2[at] | m_data2[at + 1] << 8);
      if ((word & 0xF000) == 0x8000) {
        cursor += (word & 0x0FFFU) + 1;
        continue;
      }
      const bool code = (word & 0xFE00) == 0x4000 || (word & 0xFE00) == 0x4600;
      const bool data = (word & 0xFE00) == 0x4200;
      if (!code && !data) continue;
      const auto base = code ? reinterpret_cast<std::uint32_t>(m_code) : reinterpret_cast<std::uint32_t>(m_data.data());
      for (std::uint32_t i = 0; i <= (word & 0x01FFU); ++i, cursor += 4) add_to_word(m_data.data(), cursor, base);
    }
  }

  std::uint8_t* m_code = nullptr;
  std::size_t m_code_size = 0;
  std::vector<std::uint8_t> m_code2;
  std::vector<std::uint8_t> m_data;
  std::vector<std::uint8_t> m_data2;
  std::vector<std::string> m_missing;
};

class GeneratedCode : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    s_image = new ProbeImage;
    if (s_image->loaded()) s_install_error = s_image->install();
  }
  static void TearDownTestSuite() {
    ProbeImage::uninstall();
    delete s_image;
    s_image = nullptr;
  }
  void SetUp() override {
    ASSERT_TRUE(s_image->loaded()) << "the probe image was not built in " << Z_PROBE_IMAGE;
    ASSERT_TRUE(s_image->missing().empty()) << "the probe imports " << s_image->missing().front();
    ASSERT_EQ(s_install_error, "");
  }

  template <typename Result, typename... Args>
  Result call(const char* name, Args... args) {
    return call_of<Result>("Probe", name, args...);
  }

  template <typename Result, typename... Args>
  Result call_of(const char* class_name, const char* name, Args... args) {
    void* routine = s_image->method(class_name, name);
    EXPECT_NE(routine, nullptr) << name;
    if (!routine) return Result{};
    using Method = Result(__cdecl*)(void*, Args...);
    return reinterpret_cast<Method>(routine)(nullptr, args...);
  }

  static ProbeImage* s_image;
  static std::string s_install_error;
};

ProbeImage* GeneratedCode::s_image = nullptr;
std::string GeneratedCode::s_install_error;

TEST_F(GeneratedCode, IntegerArithmeticAndCallsBetweenMethods) {
  EXPECT_EQ((call<std::int32_t>("Add", 40, 2)), 42);
  EXPECT_EQ((call<std::int32_t>("Add", 2147483647, 1)), -2147483647 - 1) << "wraps at 32 bits";
  EXPECT_EQ((call<std::int32_t>("Twice", 21)), 42);
  EXPECT_EQ((call<std::int32_t>("UseByRef")), 42);
}

TEST_F(GeneratedCode, DivisionGivesZeroForZeroAndNeverFaults) {
  EXPECT_EQ((call<std::int32_t>("Divide", 7, 2)), 3);
  EXPECT_EQ((call<std::int32_t>("Divide", -7, 2)), -3);
  EXPECT_EQ((call<std::int32_t>("Divide", 7, 0)), 0);
  EXPECT_EQ((call<std::int32_t>("Divide", -2147483647 - 1, -1)), -2147483647 - 1);
  EXPECT_EQ((call<std::int32_t>("Remainder", 7, 3)), 1);
  EXPECT_EQ((call<std::int32_t>("Remainder", 7, 0)), 0);
  EXPECT_EQ((call<std::int32_t>("Remainder", -2147483647 - 1, -1)), 0);
}

TEST_F(GeneratedCode, LoopsCountRightAndEndEveryIterationWithTheBackgroundTask) {
  g_background_tasks = 0;
  EXPECT_EQ((call<std::int32_t>("SumTo", 100)), 5050);
  EXPECT_EQ(g_background_tasks, 100);
  EXPECT_EQ((call<std::int32_t>("SumTo", 0)), 0) << "a loop whose limit is below its start never runs";
  EXPECT_EQ((call<std::int32_t>("CountDown", 9)), 5) << "9, 7, 5, 3, 1";
  EXPECT_EQ((call<std::int32_t>("Collatz", 27)), 111);
  EXPECT_EQ((call<std::int32_t>("FirstSquareAbove", 50)), 8);
  EXPECT_EQ((call<std::int32_t>("Last")), 2147483647) << "the loop ends instead of wrapping around";
}

TEST_F(GeneratedCode, DoublesComputeCompareAndTruncate) {
  EXPECT_DOUBLE_EQ((call<double>("Hypot", 3.0, 4.0)), 23.5);
  EXPECT_EQ((call<std::int32_t>("Truncate", 2.9)), 2);
  EXPECT_EQ((call<std::int32_t>("Truncate", -2.9)), -2);
  EXPECT_EQ((call<std::int32_t>("Bigger", 2.5, 1.5)), 1);
  EXPECT_EQ((call<std::int32_t>("Bigger", 1.5, 2.5)), 0);
  EXPECT_EQ((call<std::int32_t>("Bigger", 2.5, 2.5)), 0);
}

TEST_F(GeneratedCode, SelectCaseAndIfChainsTakeTheFirstMatch) {
  EXPECT_EQ((call<std::int32_t>("Classify", 2)), 10);
  EXPECT_EQ((call<std::int32_t>("Classify", 3)), 30);
  EXPECT_EQ((call<std::int32_t>("Classify", -5)), -1);
  EXPECT_EQ((call<std::int32_t>("Classify", 500)), 100);
  EXPECT_EQ((call<std::int32_t>("Classify", 50)), 0);
}

}  // namespace

namespace {

// Strings made for a call and released after it; the test fails when the
// generated code leaves a string behind or frees one it does not own.
class GeneratedStrings : public GeneratedCode {
 protected:
  void SetUp() override {
    GeneratedCode::SetUp();
    m_live = zrt::live_string_count();
    m_bytes = zrt::live_bytes();
  }
  void TearDown() override {
    EXPECT_EQ(zrt::live_string_count(), m_live) << "a string leaked";
    EXPECT_EQ(zrt::live_object_count(), 0U) << "an object leaked";
    EXPECT_EQ(zrt::live_bytes(), m_bytes) << "memory leaked (an array, say)";
  }

  // Calls a method of Words and returns its String result's text, released.
  template <typename... Args>
  std::string text_of(const char* name, Args... args) {
    ZString* result = call_of<ZString*>("Words", name, args...);
    std::string text(zrt::string_text(result));
    zrt::unlock_string(result);
    return text;
  }

  std::int64_t m_live = 0;
  std::size_t m_bytes = 0;
};

TEST_F(GeneratedStrings, JoinsLiteralsAndArgumentsAndReturnsAnOwnedResult) {
  ZString* name = zrt::make_string("World");
  EXPECT_EQ(text_of("Greet", name), "Hello, World!");
  EXPECT_EQ(text_of("Greet", static_cast<ZString*>(nullptr)), "Hello, !") << "the empty string is Nil";
  zrt::unlock_string(name);
}

TEST_F(GeneratedStrings, LoopsBuildStringsFromResultsWithoutLeaking) {
  EXPECT_EQ(text_of("Digits", 12), "123456789101112");
  EXPECT_EQ(text_of("Digits", 0), "");
}

TEST_F(GeneratedStrings, OwnedArgumentsAreReleasedAfterTheCall) {
  ZString* a = zrt::make_string("abc");
  ZString* b = zrt::make_string("de");
  EXPECT_EQ((call_of<std::int32_t>("Words", "Size", a, b)), 5);
  zrt::unlock_string(a);
  zrt::unlock_string(b);
}

TEST_F(GeneratedStrings, SelectAndEqualityCompareStringsByText) {
  ZString* two = zrt::make_string("TWO");
  ZString* one = zrt::make_string("one");
  ZString* other = zrt::make_string("four");
  EXPECT_EQ((call_of<std::int32_t>("Words", "Kind", one)), 1);
  EXPECT_EQ((call_of<std::int32_t>("Words", "Kind", two)), 2) << "the runtime's comparison ignores case";
  EXPECT_EQ((call_of<std::int32_t>("Words", "Kind", other)), 0);
  EXPECT_EQ((call_of<std::int32_t>("Words", "Same", one, one)), 1);
  EXPECT_EQ((call_of<std::int32_t>("Words", "Same", one, other)), 0);
  for (ZString* s : {two, one, other}) zrt::unlock_string(s);
}

TEST_F(GeneratedStrings, StoringAVariableIntoItselfAndOverwritingAParameterKeepCountsRight) {
  ZString* original = zrt::make_string("kept");
  EXPECT_EQ(text_of("Keep", original), "kept");
  EXPECT_EQ(zrt::string_text(original), "kept") << "the caller's string is untouched";
  zrt::unlock_string(original);
}

}  // namespace

namespace {

using GeneratedExceptions = GeneratedStrings;

TEST_F(GeneratedExceptions, WalkReleasesArgumentsLocalsAndTheExceptionOfEveryFrameItLeaves) {
  ZString* text = zrt::make_string("abc");
  EXPECT_EQ((call_of<std::int32_t>("Guard", "Outer", text)), -1);
  zrt::unlock_string(text);
}

TEST_F(GeneratedExceptions, RaisingFromAHandlerGoesPastItsOwnHandlersToTheCaller) {
  EXPECT_EQ((call_of<std::int32_t>("Guard", "Catch")), 7);
}

TEST_F(GeneratedExceptions, HandlerStillSeesWhatItsFunctionStoredBeforeTheRaise) {
  ZString* text = zrt::make_string("ab");
  ZString* result = call_of<ZString*>("Guard", "Kept", text);
  EXPECT_EQ(zrt::string_text(result), "abx");
  zrt::unlock_string(result);
  zrt::unlock_string(text);
}

TEST_F(GeneratedExceptions, ObjectsAreCreatedTestedAndCastWithIllegalCastsCaught) {
  EXPECT_EQ((call_of<std::int32_t>("Guard", "Made")), 21);
}

}  // namespace

namespace {

using GeneratedObjects = GeneratedStrings;

TEST_F(GeneratedObjects, InterfaceAndVirtualCallsReachTheObjectsOwnMethods) {
  EXPECT_DOUBLE_EQ((call_of<double>("Objects", "Areas")), 21.0) << "3 * 2 * 2 for the circle, 3 * 3 for the square";
}

TEST_F(GeneratedObjects, ConstructorsRunRootFirstAndFieldsAreReleasedWithTheirObject) {
  ZString* names = call_of<ZString*>("Objects", "Names");
  EXPECT_EQ(zrt::string_text(names), "round circle/a shape/shape");
  zrt::unlock_string(names);
}

// Drop sets the only variable holding its object to Nil and then reads its
// own field: the call holds Self, so the destructor runs once Drop returned.
TEST_F(GeneratedObjects, AMethodsObjectLivesUntilTheCallReturns) {
  ZString* seen = call_of<ZString*>("Objects", "Dropped");
  EXPECT_EQ(zrt::string_text(seen), "|kept|~kept");
  zrt::unlock_string(seen);
}

TEST_F(GeneratedObjects, ArrayFieldsAndLocalArraysHoldTheirElements) {
  EXPECT_EQ((call_of<std::int32_t>("Objects", "CellsOf")), 9);
  EXPECT_EQ((call_of<std::int32_t>("Objects", "LocalArray", 2)), 110);
}

TEST_F(GeneratedObjects, GlobalsLiveInTheImageData) {
  const std::int32_t first = call_of<std::int32_t>("Objects", "Count");
  EXPECT_EQ((call_of<std::int32_t>("Objects", "Count")), first + 1);
}

}  // namespace

namespace {

using GeneratedForms = GeneratedStrings;

TEST_F(GeneratedForms, SinglesAreStoredAsFloats) {
  EXPECT_FLOAT_EQ((call_of<float>("Forms", "Half", 5.0f)), 2.5f);
}

TEST_F(GeneratedForms, ByRefStringsAreWrittenThroughWithTheirCounts) {
  ZString* result = call_of<ZString*>("Forms", "Appended");
  EXPECT_EQ(zrt::string_text(result), "abc");
  zrt::unlock_string(result);
}

TEST_F(GeneratedForms, BooleanAndBitwiseOperators) {
  EXPECT_EQ((call_of<std::int32_t>("Forms", "Logic", 1, 1)), 2011);
  EXPECT_EQ((call_of<std::int32_t>("Forms", "Logic", 0, 1)), 2110);
  EXPECT_EQ((call_of<std::int32_t>("Forms", "Logic", 0, 0)), 2100);
}

TEST_F(GeneratedForms, StringsCompareInOrder) {
  ZString* apple = zrt::make_string("apple");
  ZString* pear = zrt::make_string("Pear");
  EXPECT_EQ((call_of<std::int32_t>("Forms", "Before", apple, pear)), 1);
  EXPECT_EQ((call_of<std::int32_t>("Forms", "Before", pear, apple)), 0);
  zrt::unlock_string(apple);
  zrt::unlock_string(pear);
}

TEST_F(GeneratedForms, DoubleLoopsExitsAndPowers) {
  EXPECT_EQ((call_of<std::int32_t>("Forms", "Steps")), 5);
  EXPECT_EQ((call_of<std::int32_t>("Forms", "Exits")), 53);
  EXPECT_DOUBLE_EQ((call_of<double>("Forms", "Power")), 1027.5);
}

TEST_F(GeneratedForms, UsingANilObjectRaisesTheNilObjectException) {
  EXPECT_EQ((call_of<std::int32_t>("Forms", "NilCall")), -7);
}

}  // namespace

namespace {

using GeneratedPassing = GeneratedStrings;

TEST_F(GeneratedPassing, HandlerWrittenWithAClassAloneTakesOnlyThatClass) {
  EXPECT_EQ((call_of<std::int32_t>("Passing", "Wide")), 2);
}

TEST_F(GeneratedPassing, LocalArraysAreDisposedWhenAnExceptionPassesTheirMethod) {
  EXPECT_EQ((call_of<std::int32_t>("Passing", "Filled")), 3);
}

TEST_F(GeneratedCode, MenuHandlerIsAHookNamedAfterItsItemThatTakesTheIndex) {
  const zrt::ClassRecord* application = zrt::application_class();
  ASSERT_NE(application, nullptr);
  zrt::CodeAddress routine = 0;
  for (const zrt::HookEntry* hook = application->hooks; hook != nullptr; hook = hook->next)
    if (zrt::string_text(hook->name) == "FileRecent") routine = hook->routine;
  ASSERT_NE(routine, 0U);
  using Handler = std::int32_t(__cdecl*)(void* window, std::int32_t index);
  EXPECT_EQ(reinterpret_cast<Handler>(routine)(nullptr, 3), 1);
  EXPECT_EQ(reinterpret_cast<Handler>(routine)(nullptr, 4), 0);
}

TEST_F(GeneratedPassing, LocalArraysAreDisposedWhenTheirMethodsHandlerRaisesAgain) {
  EXPECT_EQ((call_of<std::int32_t>("Passing", "RaisedAgain")), 4) << "a Raise in the handler";
  EXPECT_EQ((call_of<std::int32_t>("Passing", "CalledRaising")), 5) << "a call from the handler that raises";
}

}  // namespace
