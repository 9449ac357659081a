// The zc command line: reads every source file, lexes and parses each, and,
// when the program has no syntax errors, checks it as a whole against the
// runtime's interface. With an output it then builds the image: the four
// development files (--dat -o DIR) or a runtime executable carrying it
// (--runtime RT.exe -o APP.exe). --dump-tokens, --dump-ast and --dump-asm
// show a phase's output. Exit code 1 means errors.
#include <deque>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string_view>

#include "compiler/ast_dump.h"
#include "compiler/checker.h"
#include "compiler/image_build.h"
#include "compiler/image_packer.h"
#include "compiler/lexer.h"
#include "compiler/parser.h"
#include "compiler/plugin_classes.h"

namespace {

bool read_file(const char* path, zc::SourceFile& file) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream text;
  text << in.rdbuf();
  file = zc::SourceFile{path, text.str()};
  return true;
}

void dump_tokens(const std::vector<zc::Token>& tokens) {
  for (const zc::Token& token : tokens)
    std::cout << token.line << ':' << token.column << ' ' << zc::token_name(token.kind) << ' '
              << token.text << '\n';
}

constexpr std::string_view k_usage =
    "usage: zc [--dump-tokens] [--dump-ast] [--dump-asm] [-L DIR]... FILE.zs...\n"
    "       zc --dat -o DIR [-L DIR]... FILE.zs...          the four .dat files\n"
    "       zc --runtime RT.exe -o APP.exe [-L DIR]... FILE.zs...   a runtime carrying the image\n"
    "       --max-errors N   stop after N errors (default 20; 0 reports them all)\n";

struct Options {
  bool want_tokens = false;
  bool want_ast = false;
  bool want_assembly = false;
  bool want_dat = false;
  std::string runtime;
  std::string output;
  std::string max_errors = std::to_string(zc::Diagnostics::k_error_limit);
  zc::CodegenOptions codegen;
  std::vector<const char*> sources;
};

// The --max-errors value, or nothing when it is not a count.
std::optional<int> error_limit(const Options& options) {
  const std::string& text = options.max_errors;
  if (text.empty() || text.size() > 6 || text.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
  return std::stoi(text);
}

// Returns false, having said why, on a bad command line.
bool parse_options(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    auto value = [&](std::string& into) {
      if (i + 1 >= argc) return false;
      into = argv[++i];
      return true;
    };
    if (argument == "--dump-tokens") options.want_tokens = true;
    else if (argument == "--dump-ast") options.want_ast = true;
    else if (argument == "--dump-asm") options.want_assembly = true;
    else if (argument == "--dat") options.want_dat = true;
    else if (argument == "--runtime" && value(options.runtime)) continue;
    else if (argument == "-o" && value(options.output)) continue;
    else if (argument == "--max-errors" && value(options.max_errors) && error_limit(options)) continue;
    else if (argument == "-L" && value(options.codegen.library_paths.emplace_back())) continue;
    else if (argument.starts_with("-L") && argument.size() > 2) options.codegen.library_paths.emplace_back(argument.substr(2));
    else if (argument.starts_with("-")) {
      std::cerr << "zc: unknown option or missing value: " << argument << '\n' << k_usage;
      return false;
    } else {
      options.sources.push_back(argv[i]);
    }
  }
  const bool builds = options.want_dat || !options.runtime.empty();
  if (options.sources.empty() || (builds && options.output.empty()) || (!builds && !options.output.empty()) ||
      (options.want_dat && !options.runtime.empty())) {
    std::cerr << k_usage;
    return false;
  }
  return true;
}

std::optional<std::vector<std::uint8_t>> read_bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::vector<std::uint8_t>{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Writes what was asked for; false after reporting a failure.
bool write_outputs(const Options& options, const image::Segments& segments) {
  try {
    if (options.want_dat) {
      image::write_segment_files(segments, options.output);
      return true;
    }
    const auto runtime = read_bytes(options.runtime);
    if (!runtime) {
      std::cerr << "zc: cannot read the runtime " << options.runtime << '\n';
      return false;
    }
    const std::vector<std::uint8_t> packed = zpack::pack_image(*runtime, image::pack_segments(segments));
    std::ofstream out(options.output, std::ios::binary);
    out.write(reinterpret_cast<const char*>(packed.data()), static_cast<std::streamsize>(packed.size()));
    out.close();
    if (out) {
      // The result is a program, like the runtime it was made from.
      std::error_code ignored;
      std::filesystem::permissions(options.output, std::filesystem::perms::owner_exec |
                                                       std::filesystem::perms::group_exec |
                                                       std::filesystem::perms::others_exec,
                                   std::filesystem::perm_options::add, ignored);
      return true;
    }
    std::cerr << "zc: cannot write " << options.output << '\n';
  } catch (const std::runtime_error& error) {
    std::cerr << "zc: " << error.what() << '\n';
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!parse_options(argc, argv, options)) return 1;
  // The trees view the files' text and the tokens, so all of them live to the end.
  std::deque<zc::SourceFile> files;
  std::deque<std::vector<zc::Token>> token_lists;
  zc::Program program;
  zc::Diagnostics diagnostics(std::cerr, *error_limit(options));
  for (const char* path : options.sources) {
    zc::SourceFile& file = files.emplace_back();
    if (!read_file(path, file)) {
      std::cerr << "zc: cannot read " << path << '\n';
      return 1;
    }
  }
  for (const zc::SourceFile& file : files) {
    const std::vector<zc::Token>& tokens = token_lists.emplace_back(zc::tokenize(file, diagnostics));
    if (options.want_tokens) dump_tokens(tokens);
    program.units.push_back(zc::parse(file, tokens, diagnostics));
    if (options.want_ast) zc::dump_unit(program.units.back(), std::cout);
  }
  // Checking a tree with syntax errors would mostly report their consequences.
  if (diagnostics.error_count() > 0) return 1;
  zc::RuntimeInterface runtime = zc::runtime_tables();
  zc::add_plugin_classes(runtime, program, options.codegen.library_paths, diagnostics);
  if (diagnostics.error_count() > 0) return 1;
  const auto semantics = zc::check(program, runtime, diagnostics);
  if (diagnostics.error_count() > 0) return 1;
  const bool builds = options.want_dat || !options.runtime.empty();
  if (options.want_assembly && !builds) {
    std::cout << zc::generate_assembly(program, *semantics, runtime, options.codegen, diagnostics);
    return diagnostics.error_count() > 0 ? 1 : 0;
  }
  if (!builds) return 0;
  const zc::BuiltImage built = zc::build_image(program, *semantics, runtime, options.codegen, diagnostics);
  if (options.want_assembly) std::cout << built.assembly;
  if (!built.segments) return 1;
  return write_outputs(options, *built.segments) ? 0 : 1;
}
