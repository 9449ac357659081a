// Images the loader must refuse, each run by the runtime as a program: it
// shows exactly one message box saying why, runs nothing of the image (no
// result.txt, not the image's exit code) and ends with exit code 1 once the
// box is answered.
#include "tests/images/image_runs.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using image_runs::Bytes;
using image_runs::hex;
using image_runs::RunFolder;
using image_runs::Segments;

constexpr char k_prefix[] = "The application could not be loaded because ";

void expect_refused(const image_runs::Outcome& outcome, const std::string& message) {
  EXPECT_EQ(outcome.message, message);
  EXPECT_EQ(outcome.exit_code, 1u) << "the program did not end as refused after its one message box";
  EXPECT_EQ(outcome.result, std::nullopt) << "the image ran";
}

struct DamagedFiles {
  const char* what;
  // Damages the segments and returns the reason the loader must give.
  std::function<std::string(Segments&)> damage;
};

TEST(LoaderFailure, DamagedDevelopmentFilesShowOneMessageAndRunNothing) {
  const DamagedFiles cases[] = {
      {"plain import the runtime does not export",
       [](Segments& s) {
         image_runs::rename_in_imports(s.code2, "RuntimeAddString", "RuntimeAddStrinQ");
         return std::string("the runtime exports no routine named RuntimeAddStrinQ.");
       }},
      {"library that cannot be loaded",
       [](Segments& s) {
         image_runs::rename_in_imports(s.code2, "kernel32.dll", "kernelQQ.dll");
         return std::string("a necessary shared library kernelQQ.dll could not be found.");
       }},
      {"routine the library does not export",
       [](Segments& s) {
         image_runs::rename_in_imports(s.code2, "_lclose", "_lclosQ");
         return std::string("the routine _lclosQ could not be found in the shared library kernel32.dll.");
       }},
      {"chain operand outside code1",
       [](Segments& s) {
         const std::size_t record = image_runs::import_record(s.code2, "RuntimeAddString");
         const auto outside = static_cast<std::uint32_t>(s.code1.size() + 0x10);
         image_runs::store_word(s.code2, record + 1, outside);
         return "the calls of \"RuntimeAddString\" lead to code1 offset " + hex(outside) + ", outside the code (" +
                hex(s.code1.size()) + " bytes).";
       }},
      {"chain that loops back to its head",
       [](Segments& s) {
         const std::uint32_t head = image_runs::chain_head(s.code2, "StringStr");
         image_runs::store_word(s.code1, head, head);
         return "the calls of \"StringStr\" reach the call operand at code1 offset " + hex(head) + " a second time.";
       }},
      {"import record cut at the end of code2",
       [](Segments& s) {
         const std::size_t cut = s.code2.size();
         s.code2.insert(s.code2.end(), {0x01, 0x00, 0x00});
         return "code2 ends inside the import record at offset " + hex(cut) + ".";
       }},
      {"data2 run beyond the end of data1",
       [](Segments& s) {
         s.data2 = {0xFF, 0x41};  // 512 words from data1 offset 0
         return "the data2 word at offset 0x0 relocates 512 words at data1 offset 0x0, beyond the end of data1 (" +
                hex(s.data1.size()) + " bytes).";
       }},
      {"truncated data1 too short for its header",
       [](Segments& s) {
         s.data1.resize(6);
         s.data2.clear();
         return std::string("its data1 segment (6 bytes) is too short for the entry and application words.");
       }},
  };
  // The cases run side by side: under Wine a program takes about two
  // seconds to end after its message box closes.
  struct Running {
    std::string reason;
    std::unique_ptr<RunFolder> folder;
    std::unique_ptr<driver::Process> process;
    std::optional<std::string> message;
  };
  std::vector<Running> runs;
  for (const DamagedFiles& test : cases) {
    Segments segments = image_runs::built_segments("strings");
    Running run{test.damage(segments), std::make_unique<RunFolder>(std::to_string(runs.size())), nullptr, std::nullopt};
    run.folder->write("zrt.exe", image_runs::bare_runtime());
    run.folder->write_development_files(segments);
    run.process = run.folder->start("zrt.exe");
    runs.push_back(std::move(run));
  }
  for (Running& run : runs) run.message = RunFolder::answer_box(*run.process);
  for (std::size_t i = 0; i < runs.size(); ++i) {
    SCOPED_TRACE(cases[i].what);
    expect_refused(runs[i].folder->finish(*runs[i].process, runs[i].message), k_prefix + runs[i].reason);
  }
}

TEST(LoaderFailure, MissingDevelopmentFileIsNamed) {
  RunFolder folder;
  folder.write("zrt.exe", image_runs::bare_runtime());
  const Segments segments = image_runs::built_segments("strings");
  folder.write("code1.dat", segments.code1);
  folder.write("data1.dat", segments.data1);
  folder.write("code2.dat", segments.code2);
  expect_refused(folder.run("zrt.exe", true),
                 k_prefix + std::string("the development file data2.dat could not be read from the current directory."));
}

// A packed program cut short or with one byte changed, as a damaged download
// is, no longer matches its checksum.
TEST(LoaderFailure, DamagedPackedProgramIsRefusedBeforeItsImageIsRead) {
  const Bytes program = image_runs::built_program("strings");
  Bytes cut(program.begin(), program.end() - 2);
  Bytes flipped = program;
  flipped[program.size() / 2] ^= 0x01;
  for (const Bytes* damaged : {&cut, &flipped}) {
    RunFolder folder;
    folder.write("strings.exe", *damaged);
    expect_refused(folder.run("strings.exe", true), "strings.exe is damaged; please obtain it again.");
  }
}

}  // namespace
