// The zc command line: reads every source file, lexes and parses each, and,
// when the program has no syntax errors, checks it as a whole against the
// runtime's interface. --dump-tokens and --dump-ast show a phase's output.
// Exit code 1 means errors.
#include <deque>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string_view>

#include "compiler/ast_dump.h"
#include "compiler/checker.h"
#include "compiler/lexer.h"
#include "compiler/parser.h"

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

constexpr std::string_view k_usage = "usage: zc [--dump-tokens] [--dump-ast] FILE.zs...\n";

}  // namespace

int main(int argc, char** argv) {
  bool want_tokens = false;
  bool want_ast = false;
  // The trees view the files' text and the tokens, so all of them live to the end.
  std::deque<zc::SourceFile> files;
  std::deque<std::vector<zc::Token>> token_lists;
  zc::Program program;
  zc::Diagnostics diagnostics(std::cerr);
  for (int i = 1; i < argc; ++i) {
    std::string_view argument = argv[i];
    if (argument == "--dump-tokens") { want_tokens = true; continue; }
    if (argument == "--dump-ast") { want_ast = true; continue; }
    if (argument.starts_with("-")) {
      std::cerr << "zc: unknown option " << argument << '\n' << k_usage;
      return 1;
    }
    zc::SourceFile& file = files.emplace_back();
    if (!read_file(argv[i], file)) {
      std::cerr << "zc: cannot read " << argument << '\n';
      return 1;
    }
  }
  if (files.empty()) {
    std::cerr << k_usage;
    return 1;
  }
  for (const zc::SourceFile& file : files) {
    const std::vector<zc::Token>& tokens = token_lists.emplace_back(zc::tokenize(file, diagnostics));
    if (want_tokens) dump_tokens(tokens);
    program.units.push_back(zc::parse(file, tokens, diagnostics));
    if (want_ast) zc::dump_unit(program.units.back(), std::cout);
  }
  // Checking a tree with syntax errors would mostly report their consequences.
  if (diagnostics.error_count() == 0) zc::check(program, zc::runtime_tables(), diagnostics);
  return diagnostics.error_count() > 0 ? 1 : 0;
}
