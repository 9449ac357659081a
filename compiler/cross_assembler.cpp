// The assembler runs in a fresh temporary folder that is removed afterwards;
// its messages are kept for the error report.
#include "compiler/cross_assembler.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>

namespace zc {

namespace {

constexpr char k_assembler_name[] = "i686-w64-mingw32-as";

std::string read_text(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string quoted(const std::string& text) {
  std::string result = "'";
  for (char c : text) result += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return result + "'";
}

std::filesystem::path scratch_folder() {
  std::random_device random;
  const auto base = std::filesystem::temp_directory_path();
  for (int attempt = 0; attempt < 100; ++attempt) {
    auto candidate = base / ("zc_" + std::to_string(random()));
    if (std::filesystem::create_directory(candidate)) return candidate;
  }
  return {};
}

}  // namespace

std::optional<std::string> find_assembler() {
  if (const char* chosen = std::getenv("ZC_ASSEMBLER"); chosen && *chosen) {
    if (std::filesystem::is_regular_file(chosen)) return std::string(chosen);
    return std::nullopt;
  }
  const char* path = std::getenv("PATH");
  std::istringstream folders(path ? path : "/usr/bin");
  for (std::string folder; std::getline(folders, folder, ':');) {
    const auto candidate = std::filesystem::path(folder.empty() ? "." : folder) / k_assembler_name;
    if (std::filesystem::is_regular_file(candidate)) return candidate.string();
  }
  return std::nullopt;
}

AssembledObject assemble(const std::string& assembler, const std::string& source) {
  AssembledObject result;
  const std::filesystem::path folder = scratch_folder();
  if (folder.empty()) {
    result.error = "cannot create a temporary folder for the assembler";
    return result;
  }
  const auto source_path = folder / "program.s";
  const auto object_path = folder / "program.o";
  const auto messages_path = folder / "messages.txt";
  std::ofstream(source_path, std::ios::binary) << source;
  const std::string command = quoted(assembler) + " -o " + quoted(object_path.string()) + " " +
                              quoted(source_path.string()) + " 2> " + quoted(messages_path.string());
  const int status = std::system(command.c_str());
  if (status != 0 || !std::filesystem::is_regular_file(object_path)) {
    result.error = "the assembler failed on the generated code:\n" + read_text(messages_path);
  } else {
    const std::string bytes = read_text(object_path);
    result.object.assign(bytes.begin(), bytes.end());
  }
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
  return result;
}

}  // namespace zc
