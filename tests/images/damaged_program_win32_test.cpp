// A hundred damaged copies of a packed program, as damaged downloads are
// (a changed bit, a cut-off end, a segment length word set to 0,
// 0x7FFFFFFF, 0xFFFFFFFF or one off), from a fixed seed: each must show one
// message and end with exit code 1, be refused by the system before it
// starts, or run normally; none may fault or hang.
#include "tests/images/image_runs.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

using image_runs::Bytes;
using image_runs::RunFolder;

constexpr int k_programs = 100;
constexpr int k_side_by_side = 10;
constexpr std::uint32_t k_seed = 0xDA3A6ED;
constexpr DWORD k_refused_exit_code = 1;
constexpr DWORD k_first_fault_code = 0xC0000000;

// The file offsets of the four segment length words of the appended image.
std::vector<std::size_t> length_words(std::size_t image_start) {
  const image_runs::Segments segments = image_runs::built_segments("strings");
  std::vector<std::size_t> words{image_start};
  for (const Bytes* segment : {&segments.code1, &segments.code2, &segments.data1})
    words.push_back(words.back() + 4 + segment->size());
  return words;
}

Bytes damaged(const Bytes& program, const std::vector<std::size_t>& words, std::mt19937& random) {
  Bytes bytes = program;
  switch (random() % 3) {
    case 0:
      bytes[random() % bytes.size()] ^= static_cast<std::uint8_t>(1u << (random() % 8));
      break;
    case 1:
      bytes.resize(random() % bytes.size());
      break;
    default: {
      const std::size_t word = words[random() % words.size()];
      const std::uint32_t original = image_runs::load_word(bytes, word);
      const std::uint32_t values[] = {0, 0x7FFFFFFF, 0xFFFFFFFF, original + 1, original - 1};
      image_runs::store_word(bytes, word, values[random() % std::size(values)]);
    }
  }
  return bytes;
}

enum Ending { refused, refused_by_the_system, ran_normally, faulted, hung, ending_count };

Ending ending_of(bool started, const image_runs::Outcome& outcome) {
  if (!started) return refused_by_the_system;
  if (!outcome.exit_code) return hung;
  if (*outcome.exit_code >= k_first_fault_code) return faulted;
  if (outcome.message && *outcome.exit_code == k_refused_exit_code && !outcome.result) return refused;
  if (!outcome.message && outcome.result) return ran_normally;
  return faulted;
}

TEST(DamagedProgram, EachEndsWithOneMessageOrRunsNeverFaultsOrHangs) {
  const Bytes program = image_runs::built_program("strings");
  const std::vector<std::size_t> words = length_words(image_runs::bare_runtime().size());
  std::mt19937 random(k_seed);
  int endings[ending_count] = {};
  for (int batch = 0; batch < k_programs / k_side_by_side; ++batch) {
    // Side by side: under Wine a program takes about two seconds to end
    // after its message box closes.
    std::vector<std::unique_ptr<RunFolder>> folders;
    std::vector<std::unique_ptr<driver::Process>> processes;
    for (int i = 0; i < k_side_by_side; ++i) {
      folders.push_back(std::make_unique<RunFolder>(std::to_string(i)));
      folders.back()->write("strings.exe", damaged(program, words, random));
      // A copy the system refuses to start is an expected ending here.
      processes.push_back(folders.back()->launch("strings.exe"));
    }
    for (int i = 0; i < k_side_by_side; ++i) {
      const bool started = processes[i]->started();
      const auto message = started ? RunFolder::answer_box(*processes[i]) : std::nullopt;
      const image_runs::Outcome outcome = folders[i]->finish(*processes[i], message);
      const Ending ending = ending_of(started, outcome);
      ++endings[ending];
      EXPECT_TRUE(ending != faulted && ending != hung)
          << "program " << batch * k_side_by_side + i << (ending == hung ? " hung" : " faulted") << ": exit code "
          << (outcome.exit_code ? std::to_string(*outcome.exit_code) : "none") << ", message \""
          << outcome.message.value_or("(none)") << "\", result \"" << outcome.result.value_or("(none)") << "\"";
    }
  }
  std::printf("%d damaged programs: %d refused with a message, %d refused by the system, %d ran normally, "
              "%d faulted, %d hung\n",
              k_programs, endings[refused], endings[refused_by_the_system], endings[ran_normally], endings[faulted],
              endings[hung]);
}

}  // namespace
