// Every reader of image bytes over mutated inputs, from a fixed seed so that
// a failure repeats. Each reader starts from a sound input that it reads;
// then every aligned 32-bit word of it is set in turn to a telling length
// (0, 0x7FFFFFFF, 0xFFFFFFFF, one more, one less), and random rounds apply
// one to three mutations (changed bytes, truncations, insertions, telling
// words and packed integers). Each case must end in a refusal that says why
// or in a result that holds together; an exception leaving a reader fails.
// This program is built with AddressSanitizer and UndefinedBehaviorSanitizer,
// so a read outside the input or undefined behaviour fails it too, and an
// allocation above 64 MiB counts as running out of memory: a length word
// believed before it is checked against the bytes present ends the run.
// Z_FUZZ_ROUNDS sets the random rounds per reader (`make fuzz` runs many more).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <string>
#include <variant>

#include "tests/core/image_builder.h"
#include "tests/core/image_data_builder.h"
#include "tests/core/object_test_support.h"
#include "tests/graphics/bitmap_file_builder.h"
#include "tests/ui/control_test_support.h"
#include "tests/ui/definition_builder.h"
#include "tests/ui/menu_test_support.h"

#include "runtime/core/class_table.h"
#include "runtime/core/plugin_entries.h"
#include "runtime/core/project_objects.h"
#include "runtime/core/resource_index.h"
#include "runtime/core/settings_stream.h"
#include "runtime/graphics/bitmap_file.h"
#include "runtime/ui/menu_definition.h"
#include "runtime/ui/window_creation.h"

extern "C" const char* __asan_default_options() { return "max_allocation_size_mb=64:detect_leaks=0"; }

namespace loader_test {
namespace {

using Bytes = std::vector<std::uint8_t>;
using object_tests::class_described;
using object_tests::ImageDataBuilder;

constexpr std::uint32_t k_seed = 0x5EED1234;
constexpr int k_default_rounds = 3000;

int random_rounds() {
  const char* rounds = std::getenv("Z_FUZZ_ROUNDS");
  return rounds != nullptr ? std::atoi(rounds) : k_default_rounds;
}

enum class Outcome { Refused, Read };

struct Reader {
  std::string name;
  Bytes sound;
  std::function<Outcome(std::span<const std::uint8_t>)> read;
};

// A refusal must say why.
Outcome refused(std::string_view why) {
  EXPECT_FALSE(why.empty()) << "a refusal without a reason";
  return Outcome::Refused;
}

std::vector<std::uint32_t> telling_words(std::uint32_t original) {
  return {0, 0x7FFFFFFF, 0xFFFFFFFF, original + 1, original - 1};
}

// Bytes that steer the readers: record kinds, small counts and offsets, the
// sign and continuation bits of packed integers.
std::uint8_t telling_byte(std::mt19937& random) {
  constexpr std::uint8_t bytes[] = {0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x40, 0x41, 0x42, 0x46, 0x80, 0x8F, 0xFF};
  return random() % 2 ? bytes[random() % sizeof bytes] : static_cast<std::uint8_t>(random());
}

// Packed integers of 0, -1, 0x7FFFFFFF and the most negative number.
const Bytes k_telling_packed[] = {{0x00}, {0x41}, {0xBF, 0xFF, 0xFF, 0xFF, 0x0F}, {0x80, 0x80, 0x80, 0x80, 0x08}};

void mutate(Bytes& bytes, std::mt19937& random) {
  const auto at = [&] { return static_cast<std::size_t>(random() % bytes.size()); };
  switch (random() % 6) {
    case 0:
      if (!bytes.empty()) bytes.resize(at());
      break;
    case 1:
      bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(random() % (bytes.size() + 1)), telling_byte(random));
      break;
    case 2:
      if (bytes.size() >= 4) {
        const std::size_t word = random() % (bytes.size() - 3);
        const auto values = telling_words(zrt::load_u32(bytes, word));
        zrt::store_u32(bytes, word, values[random() % values.size()]);
      }
      break;
    case 3:
      if (!bytes.empty()) {
        const Bytes& packed = k_telling_packed[random() % std::size(k_telling_packed)];
        const std::size_t start = at();
        for (std::size_t i = 0; i < packed.size() && start + i < bytes.size(); ++i) bytes[start + i] = packed[i];
      }
      break;
    default:
      if (!bytes.empty()) bytes[at()] = telling_byte(random);
  }
}

struct Tally {
  int cases = 0;
  int refused = 0;
  int read = 0;
};

// The one driver: the sound input, the sweep of telling words, then the
// random rounds.
Tally fuzz(const Reader& reader) {
  Tally tally;
  const auto run = [&](std::span<const std::uint8_t> bytes, const std::string& how) {
    ++tally.cases;
    try {
      ++(reader.read(bytes) == Outcome::Read ? tally.read : tally.refused);
    } catch (const std::exception& error) {
      ADD_FAILURE() << reader.name << ", " << how << ": \"" << error.what() << "\" left the reader";
    }
  };
  EXPECT_EQ(reader.read(reader.sound), Outcome::Read) << reader.name << ": the sound input was refused";
  for (std::size_t word = 0; word + 4 <= reader.sound.size(); word += 4) {
    for (const std::uint32_t value : telling_words(zrt::load_u32(reader.sound, word))) {
      Bytes bytes = reader.sound;
      zrt::store_u32(bytes, word, value);
      run(bytes, "word " + std::to_string(word) + " set to " + std::to_string(value));
    }
  }
  std::mt19937 random(k_seed);
  const int rounds = random_rounds();
  for (int round = 0; round < rounds; ++round) {
    Bytes bytes = reader.sound;
    for (unsigned count = 1 + random() % 3; count > 0; --count) mutate(bytes, random);
    run(bytes, "round " + std::to_string(round));
  }
  std::printf("%-34s %7d cases: %7d refused cleanly, %7d read soundly\n", reader.name.c_str(),
              tally.cases, tally.refused, tally.read);
  EXPECT_GT(tally.refused, 0) << reader.name << ": the mutations never reached a check";
  return tally;
}

void fuzz_all(const std::vector<Reader>& readers) {
  for (const Reader& reader : readers) static_cast<void>(fuzz(reader));
}

// The loader: splitting the blob, then linking and relocating the segments.
zrt::SegmentBytes sample_image() {
  ImageBuilder image;
  for (int i = 0; i < 6; ++i) {
    image.call("RuntimeUnlockObject");
    image.call(i % 2 ? "runtimelockobject" : "RuntimeRun");
    image.code_pointer(static_cast<std::uint32_t>(8 + 4 * i));
  }
  image.call("!Xplugin.dll!ZOLTPluginMain");
  image.call("!MAppearance!Apply");
  image.call("!SCanvas!Backdrop");
  for (std::uint32_t i = 0; i < 12; ++i) image.data_word(i);
  image.set_header(1, 8);
  for (const std::uint16_t word : {0x4000, 0x4200, 0x8003, 0x4201, 0x4600, 0x4400, 0x8007, 0x4202}) {
    image.data2_word(word);
  }
  auto segments = image.build();
  segments.code2.insert(segments.code2.begin(), {0x00, 0x90});
  return segments;
}

Outcome link(zrt::SegmentBytes segments) {
  FakeResolver resolver;
  resolver.routines = {{"RuntimeUnlockObject", 0x00610000}, {"runtimelockobject", 0x00620000},
                       {"RuntimeRun", 0x00630000}};
  resolver.libraries = {{"plugin.dll", 5}};
  resolver.library_routines = {{{5, "ZOLTPluginMain"}, 0x10001000}};
  zrt::LoadError error;
  const auto linked = zrt::link_image(blocks_of(segments), resolver, error);
  if (!linked) {
    EXPECT_EQ(error.message.rfind(zrt::k_load_failure_prefix, 0), 0U) << error.message;
    EXPECT_EQ(error.message.back(), '.') << error.message;
    return refused(error.message);
  }
  EXPECT_LT(linked->header.entry - k_code_base, segments.code1.size());
  return Outcome::Read;
}

// A reader of one segment of the image, the others left sound.
Reader segment_reader(std::string name, Bytes zrt::SegmentBytes::*segment) {
  const zrt::SegmentBytes sound = sample_image();
  return {std::move(name), sound.*segment, [sound, segment](std::span<const std::uint8_t> bytes) {
            zrt::SegmentBytes segments = sound;
            segments.*segment = Bytes(bytes.begin(), bytes.end());
            return link(std::move(segments));
          }};
}

std::vector<Reader> loader_readers() {
  return {
      {"image blob (segment lengths)", blob_of(sample_image()),
       [](std::span<const std::uint8_t> bytes) {
         zrt::LoadError error;
         auto segments = zrt::split_image(bytes, error);
         return segments ? link(std::move(*segments)) : refused(error.message);
       }},
      segment_reader("code2 (imports, code pointers)", &zrt::SegmentBytes::code2),
      segment_reader("data1 (header words)", &zrt::SegmentBytes::data1),
      segment_reader("data2 (relocation words)", &zrt::SegmentBytes::data2),
  };
}

// Streams of the image's data.
Bytes sample_settings() {
  definition_tests::DefinitionBuilder stream;
  stream.byte(0).byte(0).byte(0).byte(0).byte(0).byte(0).byte(0).byte(0).byte(13);
  stream.integer(1).text("GaussianFile (*.out)").text("EDIT").text("TEXT").text("out");
  stream.integer(5).text("").text("").text("").text("").text("An exception of class %1 was not handled.");
  stream.byte(1).text("Frame");
  return stream.bytes();
}

Bytes sample_menu_bar() {
  return menu_tests::menu_definition({
                                         {.kind = 1, .title = "Apple", .items = {{.text = "About"}}},
                                         {.kind = 0,
                                          .title = "File",
                                          .items = {{.text = "Quit", .name = "FileQuit", .key = "Q", .class_index = 2},
                                                    {.text = "Recent",
                                                     .submenu = {{.text = "One", .index = 0}, {.text = "-"}},
                                                     .has_submenu = true}}},
                                     })
      .bytes();
}

// Two plug-in entries chained from the start of data1.
constexpr zrt::Address k_plugin_base = 0x00700000;
Bytes sample_plugin_entries() {
  Bytes data;
  const auto entry = [&](zrt::Address next, std::string_view name, std::string_view library) {
    push_u32(data, next);
    push_u32(data, static_cast<std::uint32_t>(1 + name.size() + library.size() + 4));
    push_u32(data, 0);
    data.push_back(static_cast<std::uint8_t>(name.size()));
    data.insert(data.end(), name.begin(), name.end());
    data.insert(data.end(), library.begin(), library.end());
  };
  entry(k_plugin_base + 27, "a.dll", "MZlibrary");  // 12 header bytes, then 1 + 5 + 9
  entry(0, "b.dll", "MZother");
  return data;
}

// The resource index: a count, the offsets, then the resources.
Bytes sample_resource_index() {
  Bytes file;
  for (const std::uint32_t word : {3u, 0u, 4u, 8u}) {
    for (int shift = 24; shift >= 0; shift -= 8) file.push_back(static_cast<std::uint8_t>(word >> shift));
  }
  file.resize(file.size() + 12, 0xAB);
  return file;
}

class BytesFile final : public zrt::ByteFile {
 public:
  explicit BytesFile(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}
  bool read_at(std::uint64_t offset, std::span<std::uint8_t> into) override {
    if (offset > m_bytes.size() || into.size() > m_bytes.size() - offset) return false;
    std::copy_n(m_bytes.begin() + static_cast<std::ptrdiff_t>(offset), into.size(), into.begin());
    return true;
  }

 private:
  std::span<const std::uint8_t> m_bytes;
};

std::vector<Reader> stream_readers() {
  return {
      {"settings stream", sample_settings(),
       [](std::span<const std::uint8_t> bytes) {
         zrt::SettingsError error;
         return zrt::parse_settings(bytes, error) ? Outcome::Read : refused(error.message);
       }},
      {"menu definition", sample_menu_bar(),
       [](std::span<const std::uint8_t> bytes) {
         const auto read = zrt::read_menu_definition(bytes);
         const auto* error = std::get_if<std::string>(&read);
         return error == nullptr ? Outcome::Read : refused(*error);
       }},
      {"plug-in entries", sample_plugin_entries(),
       [](std::span<const std::uint8_t> bytes) {
         Bytes data(bytes.begin(), bytes.end());
         const auto entries = zrt::read_plugin_entries(zrt::ImageSegment{k_plugin_base, data}, k_plugin_base);
         for (const zrt::PluginEntry& entry : entries) {
           EXPECT_TRUE(entry.library.data() >= data.data() &&
                       entry.library.data() + entry.library.size() <= data.data() + data.size());
         }
         // An entry that does not fit is skipped without a word.
         return entries.size() == 2 ? Outcome::Read : Outcome::Refused;
       }},
      {"resource index", sample_resource_index(),
       [](std::span<const std::uint8_t> bytes) {
         BytesFile file(bytes);
         int found = 0;
         for (std::int32_t number = 0; number <= 4; ++number) found += zrt::locate_resource(file, 0, number) ? 1 : 0;
         return found == 3 ? Outcome::Read : Outcome::Refused;
       }},
  };
}

// A bitmap file read and written as a picture's rows, as opening a picture
// does.
Outcome read_bitmap(std::span<const std::uint8_t> bytes) {
  const zrt::BitmapFileRead read = zrt::read_bitmap_file(bytes);
  if (const auto* why = std::get_if<std::string>(&read)) return refused(*why);
  const zrt::BitmapFile& file = std::get<zrt::BitmapFile>(read);
  const std::int32_t depth = zrt::picture_depth_for(file);
  Bytes rows(static_cast<std::size_t>(zrt::row_length_for(file.width, depth)) * static_cast<std::size_t>(file.height));
  zrt::write_picture_rows(file, depth, rows);
  return Outcome::Read;
}

std::vector<Reader> bitmap_file_readers() {
  using bitmap_tests::bitmap_file;
  const zrt::TableColor grey{128, 128, 128, 0};
  return {
      {"bitmap file (8 bits, colour table)",
       bitmap_file({.width = 5, .depth = 8, .table = {grey, grey, grey}, .values = {0, 1, 2, 1, 0, 2, 2, 1, 0, 0}}),
       &read_bitmap},
      {"bitmap file (16 bits, masks)",
       bitmap_file({.depth = 16, .masks = zrt::ColorMasks{0xF800, 0x07E0, 0x001F}, .values = {1, 2, 3, 4, 5, 6}}),
       &read_bitmap},
      {"bitmap file (core header, 4 bits)",
       bitmap_file({.depth = 4, .header = bitmap_tests::HeaderKind::Core, .table = zrt::color_table_for_depth(4),
                    .values = {0, 1, 15, 0, 14, 0}}),
       &read_bitmap},
  };
}

using ImageReadersFuzz = object_tests::ObjectTest;

TEST_F(ImageReadersFuzz, BitmapFilesAreRefusedOrReadForEveryMutation) { fuzz_all(bitmap_file_readers()); }

TEST_F(ImageReadersFuzz, TheLoaderAndTheStreamReadersRefuseOrReadEveryMutation) {
  std::vector<Reader> readers = loader_readers();
  for (Reader& reader : stream_readers()) readers.push_back(std::move(reader));
  fuzz_all(readers);
}

// The application descriptor's class descriptors and project objects (the
// menu bar's and settings' length words among them), built from data1 as
// RuntimeInit builds them.
TEST_F(ImageReadersFuzz, TheClassTableAndTheProjectObjectsRefuseOrBuildEveryMutation) {
  ImageDataBuilder image;
  const zrt::Address global = image.word(0);
  const Bytes settings = sample_settings();
  const zrt::Address settings_object = image.words({4, 0, static_cast<std::uint32_t>(settings.size())});
  image.bytes(settings);
  const Bytes menu_bar = sample_menu_bar();
  const zrt::Address menu_object = image.words({2, static_cast<std::uint32_t>(menu_bar.size())});
  image.bytes(menu_bar);
  const zrt::Address text = image.bytes(Bytes{'d', 'b', '1'});
  const zrt::Address database = image.words({10, 3, text, 11, 12});
  auto shape = class_described("Shape");
  shape.methods = {{"Area", 0x7001}};
  shape.constants = {{"Sides", 4}};
  auto circle = class_described("Circle", 1, 32);
  circle.methods = {{"Area", 0x7003}};
  circle.handlers = {{"Open", 0x7002, 0}};
  circle.interfaces = {0};
  auto drawable = object_tests::interface_described("Drawable");
  drawable.methods = {{"Area", 0}};
  const std::vector<zrt::Address> classes = {image.class_descriptor(drawable), image.class_descriptor(shape),
                                             image.class_descriptor(circle)};
  const zrt::Address instance = image.words({5, 1, global});
  const zrt::Address descriptor =
      image.application_descriptor(classes, {settings_object, menu_object, database, instance});
  const zrt::Address base = image.base();
  fuzz_all({{"class descriptors, project objects", image.contents(),
             [base, descriptor](std::span<const std::uint8_t> bytes) {
               ZObject* const before = zrt::newest_object();
               Bytes data(bytes.begin(), bytes.end());
               zrt::set_image_segments({}, zrt::ImageSegment{base, data});
               zrt::MemoryView& memory = zrt::image_data();
               Outcome outcome = Outcome::Refused;
               const zrt::ClassTableBuild table = zrt::build_class_table(memory, descriptor, &zrt::find_runtime_class);
               if (!table.built) {
                 outcome = refused(table.error);
               } else if (const zrt::ProjectObjectsBuild objects = zrt::build_project_objects(memory, descriptor);
                          !objects.built) {
                 outcome = refused(objects.error);
               } else {
                 outcome = Outcome::Read;
                 // The menu bar's stream is copied as the start-up copies it.
                 if (objects.menu_bar) {
                   EXPECT_TRUE(memory.copy_bytes(objects.menu_bar->stream, objects.menu_bar->length));
                 }
               }
               zrt::destroy_project_objects();
               // The instance a project object stores in its global belongs
               // to the image, which lives for the whole run; each round
               // releases it here.
               std::vector<ZObject*> made;
               for (ZObject* object = zrt::newest_object(); object != before; object = zrt::older_object(object))
                 made.push_back(object);
               for (ZObject* object : made) zrt::unlock_object(object);
               zrt::destroy_class_table();
               zrt::set_image_segments({}, {});
               return outcome;
             }}});
}

// No native window on the host: the build reads the control part, as the
// system's build does, and reports whether it could.
bool read_controls_instead_of_building(ZObject* window, zrt::WindowKind, zrt::DefinitionStream& stream, zrt::Word*) {
  const bool read = zrt::read_window_controls(window, stream);
  EXPECT_TRUE(read || !stream.error().empty()) << "controls refused without a reason";
  zrt::close_window_controls(window);
  return false;
}

using WindowDefinitionFuzz = control_tests::WindowWithControls;

TEST_F(WindowDefinitionFuzz, WindowDefinitionsRefuseOrReadEveryMutation) {
  definition_tests::DefinitionBuilder definition;
  definition.window(control_tests::window_class, {{"Title", "Plot"}, {"Width", "200"}, {"Frame", "0"}},
                    {{control_tests::static_text_class, {{"Name", "Label"}, {"Text", "Frequency"}}},
                     {control_tests::push_button_class, {{"Name", "Button"}, {"Index", "0"}}},
                     {control_tests::listbox_class, {{"Name", "List"}, {"ColumnWidths", "20,30"}}}});
  constexpr zrt::Address base = 0x00800000;
  fuzz_all({{"window definition", definition.with_length(), [](std::span<const std::uint8_t> bytes) {
               Bytes data(bytes.begin(), bytes.end());
               zrt::RegionMemory memory;
               memory.add_region(base, data, zrt::Access::ReadOnly);
               const auto stream = zrt::copy_window_definition(memory, base);
               if (!stream) return refused("the length runs past the data");
               const zrt::WindowCreation made =
                   zrt::create_window(*stream, nullptr, {800, 600}, &read_controls_instead_of_building);
               EXPECT_EQ(made.window, nullptr);
               return made.fault.empty() ? Outcome::Read : refused(made.fault);
             }}});
}

}  // namespace
}  // namespace loader_test
