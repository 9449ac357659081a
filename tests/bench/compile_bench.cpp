// Time to compile Zoltic programs in-process, phase by phase: the front end
// (lexing, parsing, checking), then code generation to assembler text, then
// the whole build with the cross assembler (a child process) and the linker.
// The programs are the application in app/*.zs, whose controls come from the
// plug-in library the Windows build puts into the output folder (as `zc -L`
// reads it), and the generated-code probe. The target is the whole
// application compiled in under 0.5 s.
#include "compiler/checker.h"
#include "compiler/image_build.h"
#include "compiler/lexer.h"
#include "compiler/parser.h"
#include "compiler/plugin_classes.h"
#include "tests/bench/bench.h"

#include <algorithm>
#include <deque>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr double whole_application_target_ns = 500'000'000;  // 0.5 s
constexpr std::chrono::milliseconds budget(1000);

enum class Stage { FrontEnd, Generation, WholeBuild };

std::vector<zc::SourceFile> read_sources(const std::vector<std::filesystem::path>& paths) {
  std::vector<zc::SourceFile> files;
  for (const std::filesystem::path& path : paths) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    files.push_back(zc::SourceFile{path.string(), text.str()});
  }
  return files;
}

std::vector<std::filesystem::path> application_sources() {
  std::vector<std::filesystem::path> paths;
  for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(Z_SOURCE_DIR) / "app"))
    if (entry.path().extension() == ".zs") paths.push_back(entry.path());
  std::sort(paths.begin(), paths.end());
  return paths;
}

// One compile up to `stage`; false when the program did not compile.
bool compile(const std::vector<zc::SourceFile>& files, const zc::RuntimeInterface& runtime, Stage stage) {
  std::ostringstream messages;
  zc::Diagnostics diagnostics(messages);
  std::deque<std::vector<zc::Token>> token_lists;  // the trees view the tokens
  zc::Program program;
  for (const zc::SourceFile& file : files)
    program.units.push_back(zc::parse(file, token_lists.emplace_back(zc::tokenize(file, diagnostics)), diagnostics));
  if (diagnostics.error_count() > 0) return false;
  zc::CodegenOptions options;
  options.library_paths = {Z_OUT_DIR};
  zc::RuntimeInterface interface = runtime;
  zc::add_plugin_classes(interface, program, options.library_paths, diagnostics);
  if (diagnostics.error_count() > 0) return false;
  const auto semantics = zc::check(program, interface, diagnostics);
  if (diagnostics.error_count() > 0 || stage == Stage::FrontEnd) return diagnostics.error_count() == 0;
  if (stage == Stage::Generation) {
    zbench::keep(zc::generate_assembly(program, *semantics, interface, options, diagnostics));
    return diagnostics.error_count() == 0;
  }
  return zc::build_image(program, *semantics, interface, options, diagnostics).segments.has_value();
}

std::size_t line_count(const std::vector<zc::SourceFile>& files) {
  std::size_t lines = 0;
  for (const zc::SourceFile& file : files) lines += static_cast<std::size_t>(std::count(file.text.begin(), file.text.end(), '\n'));
  return lines;
}

void bench_program(const std::string& name, const std::vector<zc::SourceFile>& files,
                   const zc::RuntimeInterface& runtime) {
  std::printf("%s: %zu files, %zu lines\n", name.c_str(), files.size(), line_count(files));
  if (!compile(files, runtime, Stage::WholeBuild)) {
    std::printf("  does not compile here (its plug-in library in %s comes from the Windows build); skipped\n",
                Z_OUT_DIR);
    return;
  }
  const std::pair<const char*, Stage> stages[] = {{"lex, parse and check", Stage::FrontEnd},
                                                  {"and generate the assembler text", Stage::Generation},
                                                  {"whole compile: assemble and link too", Stage::WholeBuild}};
  for (const auto& [what, stage] : stages)
    zbench::report("  " + std::string(what), zbench::measure([&, stage = stage] { zbench::keep(compile(files, runtime, stage)); }, budget),
                   whole_application_target_ns);
}

}  // namespace

int main() {
  const zc::RuntimeInterface runtime = zc::runtime_tables();
  bench_program("the application (app/*.zs)", read_sources(application_sources()), runtime);
  bench_program("the generated-code probe", read_sources({std::filesystem::path(Z_SOURCE_DIR) / "tests/compiler/probe.zs"}),
                runtime);
  return 0;
}
