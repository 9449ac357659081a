// The zc command line: reads each source file, runs the phases that exist so
// far, and shows a phase's output on request. Exit code 1 means errors.
#include <fstream>
#include <iostream>
#include <sstream>
#include <string_view>

#include "compiler/ast_dump.h"
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

}  // namespace

int main(int argc, char** argv) {
  bool want_tokens = false;
  bool want_ast = false;
  int file_count = 0;
  zc::Diagnostics diagnostics(std::cerr);
  for (int i = 1; i < argc; ++i) {
    std::string_view argument = argv[i];
    if (argument == "--dump-tokens") { want_tokens = true; continue; }
    if (argument == "--dump-ast") { want_ast = true; continue; }
    if (argument.starts_with("-")) {
      std::cerr << "zc: code generation is not built yet\n";
      return 1;
    }
    zc::SourceFile file;
    if (!read_file(argv[i], file)) {
      std::cerr << "zc: cannot read " << argument << '\n';
      return 1;
    }
    ++file_count;
    std::vector<zc::Token> tokens = zc::tokenize(file, diagnostics);
    if (want_tokens) dump_tokens(tokens);
    zc::Unit unit = zc::parse(file, tokens, diagnostics);
    if (want_ast) zc::dump_unit(unit, std::cout);
  }
  if (file_count == 0) {
    std::cerr << "usage: zc [--dump-tokens] [--dump-ast] FILE.zs...\n";
    return 1;
  }
  return diagnostics.error_count() > 0 ? 1 : 0;
}
