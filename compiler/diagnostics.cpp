// Formats error reports and enforces the error limit; the phases decide what
// is an error and where it is.
#include "compiler/diagnostics.h"

#include <ostream>

namespace zc {

std::string_view source_line(std::string_view text, int line) {
  std::size_t start = 0;
  for (int current = 1; current < line; ++current) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) return {};
    start = end + 1;
  }
  std::size_t end = text.find_first_of("\r\n", start);
  return text.substr(start, end == std::string_view::npos ? end : end - start);
}

void Diagnostics::tool_error(std::string_view message) {
  ++m_error_count;
  m_out << "zc: error: " << message << '\n';
}

void Diagnostics::error(const SourceFile& file, int line, int column, std::string_view message) {
  if (at_limit()) return;
  ++m_error_count;
  m_out << file.path << ':' << line << ':' << column << ": error: " << message << '\n';
  std::string_view text = source_line(file.text, line);
  m_out << "  " << text << "\n  ";
  // Tabs stay tabs under the caret so it lines up however the terminal shows them.
  for (int i = 1; i < column && static_cast<std::size_t>(i - 1) < text.size(); ++i)
    m_out << (text[i - 1] == '\t' ? '\t' : ' ');
  m_out << "^\n";
  if (at_limit()) m_out << file.path << ": too many errors, stopping\n";
}

}  // namespace zc
