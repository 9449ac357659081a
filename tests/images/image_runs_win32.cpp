// Finding the built images, editing their segments, and running a program
// in a scratch folder under the driver.
#include "tests/images/image_runs.h"

#include "runtime/interface/image_format.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace image_runs {
namespace {

namespace format = zif::image_format;

// How long a run may take; a program that waits longer is stuck on
// something nobody answers.
constexpr driver::Timeout k_run_timeout = std::chrono::seconds(20);

// Calls `visit(position, name)` for every import record of a code2 stream.
template <typename Visit>
void each_import(const Bytes& code2, Visit visit) {
  for (std::size_t position = 0; position < code2.size();) {
    if (code2[position] == format::code2_record::import && position + format::import_record_fixed_size <= code2.size()) {
      const std::size_t length = code2[position + 5];
      visit(position, std::string(code2.begin() + static_cast<std::ptrdiff_t>(position + format::import_record_fixed_size),
                                  code2.begin() + static_cast<std::ptrdiff_t>(position + format::import_record_fixed_size + length)));
      position += format::import_record_fixed_size + length;
    } else {
      position += code2[position] == format::code2_record::code_pointer ? format::code_pointer_record_size : 1;
    }
  }
}

}  // namespace

std::string built_folder() {
  char path[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  const std::string program(path);
  return program.substr(0, program.find_last_of('\\') + 1);
}

Bytes read_bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  EXPECT_TRUE(in) << "cannot read " << path;
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Segments built_segments(const std::string& name) {
  const std::string folder = built_folder() + name + "\\";
  return {read_bytes(folder + "code1.dat"), read_bytes(folder + "code2.dat"), read_bytes(folder + "data1.dat"),
          read_bytes(folder + "data2.dat")};
}

Bytes built_program(const std::string& name) { return read_bytes(built_folder() + name + ".exe"); }

Bytes bare_runtime() { return read_bytes(built_folder() + "zrt.exe"); }

std::size_t import_record(const Bytes& code2, const std::string& name) {
  std::optional<std::size_t> found;
  each_import(code2, [&](std::size_t position, const std::string& import) {
    if (import == name && !found) found = position;
  });
  EXPECT_TRUE(found) << "the image imports no " << name;
  return found.value_or(0);
}

std::uint32_t chain_head(const Bytes& code2, const std::string& name) {
  return load_word(code2, import_record(code2, name) + 1);
}

void rename_in_imports(Bytes& code2, const std::string& from, const std::string& to) {
  ASSERT_EQ(from.size(), to.size());
  each_import(code2, [&](std::size_t position, const std::string& import) {
    const std::size_t at = import.find(from);
    if (at == std::string::npos) return;
    std::copy(to.begin(), to.end(), code2.begin() + static_cast<std::ptrdiff_t>(position + format::import_record_fixed_size + at));
  });
}

std::uint32_t load_word(const Bytes& bytes, std::size_t offset) {
  return static_cast<std::uint32_t>(bytes.at(offset) | bytes.at(offset + 1) << 8 | bytes.at(offset + 2) << 16 |
                                    bytes.at(offset + 3) << 24);
}

void store_word(Bytes& bytes, std::size_t offset, std::uint32_t value) {
  for (std::size_t i = 0; i < 4; ++i) bytes.at(offset + i) = static_cast<std::uint8_t>(value >> (8 * i));
}

std::string hex(std::uint64_t value) {
  char text[24];
  std::snprintf(text, sizeof text, "0x%llX", static_cast<unsigned long long>(value));
  return text;
}

void RunFolder::write_development_files(const Segments& segments) const {
  write("code1.dat", segments.code1);
  write("code2.dat", segments.code2);
  write("data1.dat", segments.data1);
  write("data2.dat", segments.data2);
}

std::unique_ptr<driver::Process> RunFolder::launch(const std::string& program) const {
  return std::make_unique<driver::Process>('"' + path(program) + '"', path());
}

std::unique_ptr<driver::Process> RunFolder::start(const std::string& program) const {
  auto process = launch(program);
  EXPECT_TRUE(process->started()) << "cannot start " << path(program);
  return process;
}

std::optional<std::string> RunFolder::answer_box(driver::Process& process) {
  return driver::answer_message_box(process.id(), k_run_timeout);
}

Outcome RunFolder::finish(driver::Process& process, std::optional<std::string> message) const {
  Outcome outcome;
  if (!process.started()) return outcome;
  const bool answered = message.has_value();
  outcome.message = std::move(message);
  outcome.exit_code = process.wait(k_run_timeout);
  // A box nobody expected keeps the program waiting: say what it reads.
  if (!answered && !outcome.exit_code) outcome.message = driver::answer_message_box(process.id(), std::chrono::seconds(1));
  if (std::filesystem::exists(path("result.txt"))) {
    const Bytes text = read_bytes(path("result.txt"));
    outcome.result = std::string(text.begin(), text.end());
  }
  return outcome;
}

}  // namespace image_runs
