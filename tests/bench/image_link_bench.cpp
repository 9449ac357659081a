// Time to split, place and link an application image of Quellix's size:
// about 40 KB of code with 1,500 call sites over 80 imported routines and
// 88 code-to-data references, 80 KB of data relocated by 325 data2 words,
// linked by name against an export table as full as the delivered one
// (967 named routines in 1,099 slots, searched without regard to case).
#include "runtime/core/export_table.h"
#include "runtime/core/image_loader.h"
#include "runtime/core/image_source.h"
#include "tests/bench/bench.h"
#include "tests/core/image_builder.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr double load_target_ns = 2'000'000;  // 2 ms
constexpr int filled_slots = 967;
constexpr int imported_routines = 80;
constexpr int call_sites = 1500;
constexpr int code_to_data_references = 88;
constexpr std::size_t code_size = 40 * 1024;
constexpr std::size_t data_size = 80 * 1024;
constexpr int relocation_runs = 162;  // with one skip word each: 324 words, and the header's

// Names of the export table's families and of varied lengths, as the real
// table's are ("RuntimeAddString", "listCountGetter", "StringDBCSMid2"), so
// that most comparisons end at the length or the first letters.
std::string routine_name(int slot) {
  static const char* const families[] = {"Runtime", "String", "list", "graphics", "window", "file", "Plugin", "ctl"};
  static const char* const members[] = {"Add", "Count", "Text", "Position", "Enabled", "Item", "Open", "Close"};
  std::string name = families[slot % 8];
  name += members[(slot / 8) % 8];
  name += std::to_string(slot);
  name += slot % 3 == 0 ? "Getter" : slot % 3 == 1 ? "Setter" : "";
  return name;
}

// The export table's names must outlive it.
struct FullExportTable {
  std::vector<std::string> names;
  std::vector<zrt::ExportEntry> entries;
  zrt::ExportTable table;

  FullExportTable() : names(make_names()), entries(make_entries(names)), table(entries) {}

  static std::vector<std::string> make_names() {
    std::vector<std::string> names;
    for (int slot = 0; slot < filled_slots; ++slot) names.push_back(routine_name(slot));
    return names;
  }
  static std::vector<zrt::ExportEntry> make_entries(const std::vector<std::string>& names) {
    std::vector<zrt::ExportEntry> entries;
    for (std::size_t i = 0; i < names.size(); ++i)
      entries.push_back({names[i].c_str(), reinterpret_cast<const void*>(0x00401000 + 16 * i)});
    return entries;
  }
};

class TableResolver : public zrt::ImportResolver {
 public:
  explicit TableResolver(const zrt::ExportTable& table) : m_table(table) {}
  std::optional<std::uint32_t> runtime_routine(std::string_view name) override {
    const zrt::ExportSlot* slot = m_table.find(name);
    if (slot == nullptr) return std::nullopt;
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(slot->routine));
  }
  std::optional<zrt::LibraryHandle> load_library(const std::string&) override { return std::nullopt; }
  std::optional<std::uint32_t> library_routine(zrt::LibraryHandle, const std::string&) override {
    return std::nullopt;
  }

 private:
  const zrt::ExportTable& m_table;
};

// Imports spread over the whole table, written in lower case as compiled
// names may be, so each lookup scans as far as it would in the real table.
std::vector<std::uint8_t> quellix_sized_image() {
  loader_test::ImageBuilder image;
  for (int site = 0; site < call_sites; ++site) {
    std::string name = routine_name((site % imported_routines) * (filled_slots / imported_routines));
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    image.call(name);
  }
  for (int reference = 0; reference < code_to_data_references; ++reference) image.code_pointer(8 + 4 * reference);
  zrt::SegmentBytes segments = image.build();
  segments.code1.resize(code_size, 0x90);
  segments.data1.resize(data_size, 0);
  zrt::store_u32(segments.data1, 0, 0);  // the entry: code1 offset 0
  zrt::store_u32(segments.data1, 4, 8);
  segments.data2 = {0x00, 0x40, 0x00, 0x42};  // the entry and application words
  for (int run = 0; run < relocation_runs; ++run) {
    loader_test::push_u16(segments.data2, 0x81DF);  // skip 480 bytes
    loader_test::push_u16(segments.data2, 0x4203);  // relocate 4 data words
  }
  return loader_test::blob_of(segments);
}

}  // namespace

int main() {
  const FullExportTable exports;
  TableResolver resolver(exports.table);
  const std::vector<std::uint8_t> blob = quellix_sized_image();
  std::vector<std::uint8_t> code(code_size);
  bool linked = true;
  zbench::report("split, place and link a Quellix-sized image", zbench::measure([&] {
                   zrt::LoadError error;
                   auto segments = zrt::split_image(blob, error);
                   std::copy(segments->code1.begin(), segments->code1.end(), code.begin());
                   const zrt::ImageBlocks blocks{zrt::ImageBlock(code, loader_test::k_code_base), segments->code2,
                                                 zrt::ImageBlock(segments->data1, loader_test::k_data_base),
                                                 segments->data2};
                   linked = linked && zrt::link_image(blocks, resolver, error).has_value();
                 }),
                 load_target_ns);
  if (!linked) {
    std::printf("the image did not link\n");
    return 1;
  }
  return 0;
}
