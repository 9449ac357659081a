// Error reports for bad source: each names file, line and column, gives a
// one-line message, and shows the source line with a caret under the column.
// The count is capped so a badly broken file stops the compiler early.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

namespace zc {

struct SourceFile {
  std::string path;
  std::string text;
};

class Diagnostics {
 public:
  // Twenty errors are enough to show a pattern; more would only bury it.
  static constexpr int k_error_limit = 20;

  // After `error_limit` errors the rest are dropped and the phases stop
  // early; 0 reports every error.
  explicit Diagnostics(std::ostream& out, int error_limit = k_error_limit) : m_out(out), m_error_limit(error_limit) {}

  void error(const SourceFile& file, int line, int column, std::string_view message);
  // An error that belongs to no source line: a missing tool, a failed step.
  void tool_error(std::string_view message);
  int error_count() const { return m_error_count; }
  bool at_limit() const { return m_error_limit > 0 && m_error_count >= m_error_limit; }

 private:
  std::ostream& m_out;
  int m_error_limit;
  int m_error_count = 0;
};

// The text of the given 1-based line, without its line ending.
std::string_view source_line(std::string_view text, int line);

}  // namespace zc
