// Runs the front of the compiler on source text for tests: lexing, parsing
// and, on request, checking against a given runtime interface, keeping the
// diagnostics' text.
#pragma once

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "compiler/ast_dump.h"
#include "compiler/checker.h"
#include "compiler/lexer.h"
#include "compiler/parser.h"

namespace test {

struct Compiled {
  // The tree views the file and the tokens, so they live here together.
  std::unique_ptr<zc::SourceFile> file;
  std::vector<zc::Token> tokens;
  zc::Program program;
  std::unique_ptr<zc::Semantics> semantics;
  std::string errors;
  int error_count = 0;

  std::string dump() const {
    std::ostringstream out;
    zc::dump_unit(program.units.at(0), out);
    return out.str();
  }
  // The first line of the first report: "t.zs:3:5: error: ...".
  std::string first_error() const { return errors.substr(0, errors.find('\n')); }
};

inline Compiled parse_text(const std::string& text) {
  Compiled result;
  result.file = std::make_unique<zc::SourceFile>(zc::SourceFile{"t.zs", text});
  std::ostringstream out;
  zc::Diagnostics diagnostics(out);
  result.tokens = zc::tokenize(*result.file, diagnostics);
  result.program.units.push_back(zc::parse(*result.file, result.tokens, diagnostics));
  result.errors = out.str();
  result.error_count = diagnostics.error_count();
  return result;
}

inline Compiled check_text(const std::string& text, const zc::RuntimeInterface& runtime) {
  Compiled result = parse_text(text);
  if (result.error_count > 0) return result;
  std::ostringstream out;
  zc::Diagnostics diagnostics(out);
  result.semantics = zc::check(result.program, runtime, diagnostics);
  result.errors = out.str();
  result.error_count = diagnostics.error_count();
  return result;
}

}  // namespace test
