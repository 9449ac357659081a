// The Zoltic lexer: case-insensitive keywords, ' and // comments, " _"
// continuations, "" inside strings, decimal, &h, &b and &o numbers, and the
// conditional compilation of #If, #Else and #EndIf.
// Bad characters are reported and skipped so lexing always reaches the end.
#include "compiler/lexer.h"

#include "compiler/names.h"

#include <cctype>
#include <optional>
#include <string>

namespace zc {

std::string_view token_name(TokenKind kind) {
  switch (kind) {
    case TokenKind::EndOfFile: return "end of file";
    case TokenKind::Newline: return "end of line";
    case TokenKind::Identifier: return "identifier";
    case TokenKind::Integer: return "integer";
    case TokenKind::Real: return "number";
    case TokenKind::String: return "string";
    default: break;
  }
  for (const TokenSpelling& spelling : k_token_table)
    if (spelling.kind == kind) return spelling.text;
  return "?";
}

namespace {

bool is_ident_start(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool is_ident_char(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }
bool is_digit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

TokenKind keyword_kind(std::string_view word) {
  for (const TokenSpelling& spelling : k_token_table)
    if (spelling.is_keyword && equal_ignoring_case(spelling.text, word)) return spelling.kind;
  return TokenKind::Identifier;
}

bool is_radix_digit(char c, char radix) {
  switch (std::tolower(static_cast<unsigned char>(radix))) {
    case 'h': return std::isxdigit(static_cast<unsigned char>(c)) != 0;
    case 'b': return c == '0' || c == '1';
    case 'o': return c >= '0' && c <= '7';
    default: return false;
  }
}

class Lexer {
 public:
  Lexer(const SourceFile& file, Diagnostics& diagnostics)
      : m_file(file), m_text(file.text), m_diagnostics(diagnostics) {}

  std::vector<Token> run();

 private:
  char peek(std::size_t ahead = 0) const {
    return m_pos + ahead < m_text.size() ? m_text[m_pos + ahead] : '\0';
  }
  void error(int at_column, std::string_view message) { m_diagnostics.error(m_file, m_line, at_column, message); }
  int column() const { return static_cast<int>(m_pos - m_line_start) + 1; }
  void add(TokenKind kind, std::size_t start, int start_column);
  void new_line();
  bool skip_continuation();
  void skip_comment();
  void lex_word();
  void lex_number();
  void lex_radix_number();
  void lex_string();
  void lex_operator();
  void lex_directive();
  bool at_condition_directive() const;
  std::string_view directive_word();
  std::optional<bool> directive_condition();
  bool taking_lines() const { return m_branches.empty() || m_branches.back().taking; }
  void skip_line();

  // An open #If: whether its lines are read now, whether those around it are,
  // its condition, whether its #Else came, and its line.
  struct Branch {
    bool taking;
    bool enclosing_taking;
    bool condition;
    bool in_else;
    int line;
  };

  const SourceFile& m_file;
  std::string_view m_text;
  Diagnostics& m_diagnostics;
  std::vector<Token> m_tokens;
  std::size_t m_pos = 0;
  std::size_t m_line_start = 0;
  int m_line = 1;
  std::vector<Branch> m_branches;
};

void Lexer::add(TokenKind kind, std::size_t start, int start_column) {
  m_tokens.push_back(Token{kind, m_text.substr(start, m_pos - start), m_line, start_column});
}

void Lexer::new_line() {
  // Blank lines produce no tokens, so the parser sees one Newline per statement.
  if (!m_tokens.empty() && m_tokens.back().kind != TokenKind::Newline)
    m_tokens.push_back(Token{TokenKind::Newline, m_text.substr(m_pos, 0), m_line, column()});
  if (peek() == '\r') ++m_pos;
  if (peek() == '\n') ++m_pos;
  ++m_line;
  m_line_start = m_pos;
}

// A "_" standing alone at the end of a line (after spaces, before an optional
// comment) joins the next line to this one.
bool Lexer::skip_continuation() {
  std::size_t ahead = 1;
  while (peek(ahead) == ' ' || peek(ahead) == '\t') ++ahead;
  char next = peek(ahead);
  bool comment = next == '\'' || (next == '/' && peek(ahead + 1) == '/');
  if (next != '\r' && next != '\n' && !comment) return false;
  m_pos += ahead;
  if (comment) skip_comment();
  if (peek() == '\r') ++m_pos;
  if (peek() == '\n') ++m_pos;
  ++m_line;
  m_line_start = m_pos;
  return true;
}

void Lexer::skip_comment() {
  while (m_pos < m_text.size() && peek() != '\r' && peek() != '\n') ++m_pos;
}

void Lexer::lex_word() {
  std::size_t start = m_pos;
  int start_column = column();
  while (is_ident_char(peek())) ++m_pos;
  add(keyword_kind(m_text.substr(start, m_pos - start)), start, start_column);
}

// number -> digits ['.' digits] [('e'|'E') ['+'|'-'] digits]
void Lexer::lex_number() {
  std::size_t start = m_pos;
  int start_column = column();
  TokenKind kind = TokenKind::Integer;
  while (is_digit(peek())) ++m_pos;
  if (peek() == '.' && is_digit(peek(1))) {
    kind = TokenKind::Real;
    for (++m_pos; is_digit(peek());) ++m_pos;
  }
  if (peek() == 'e' || peek() == 'E') {
    std::size_t sign = (peek(1) == '+' || peek(1) == '-') ? 1 : 0;
    if (!is_digit(peek(1 + sign))) {
      error(start_column, "bad number: exponent without digits");
      m_pos += 1 + sign;
      return;
    }
    kind = TokenKind::Real;
    for (m_pos += 1 + sign; is_digit(peek());) ++m_pos;
  }
  if (is_ident_char(peek())) {
    error(start_column, "bad number: letters after digits");
    while (is_ident_char(peek())) ++m_pos;
    return;
  }
  add(kind, start, start_column);
}

// radix_number -> '&' ('h'|'b'|'o') radix_digits
void Lexer::lex_radix_number() {
  std::size_t start = m_pos;
  int start_column = column();
  char radix = peek(1);
  m_pos += 2;
  std::size_t digits = m_pos;
  while (is_radix_digit(peek(), radix)) ++m_pos;
  bool junk = is_ident_char(peek());
  while (is_ident_char(peek())) ++m_pos;
  if (m_pos == digits || junk) {
    error(start_column, "bad number: invalid digits after '&" + std::string(1, radix) + "'");
    return;
  }
  add(TokenKind::Integer, start, start_column);
}

// string -> '"' { char | '""' } '"'
// A NUL byte is refused: in a source file it is damage, not text, and Chr(0)
// writes the character when it is meant.
void Lexer::lex_string() {
  std::size_t start = m_pos;
  int start_column = column();
  bool nul_reported = false;
  for (++m_pos;; ++m_pos) {
    if (m_pos >= m_text.size() || peek() == '\r' || peek() == '\n') {
      error(start_column, "unterminated string");
      return;
    }
    if (peek() == '\0' && !nul_reported) {
      error(column(), "a NUL byte inside a string; write Chr(0) for that character");
      nul_reported = true;
    }
    if (peek() != '"') continue;
    if (peek(1) != '"') break;
    ++m_pos;
  }
  ++m_pos;
  add(TokenKind::String, start, start_column);
}

void Lexer::lex_operator() {
  std::string_view rest = m_text.substr(m_pos);
  for (const TokenSpelling& spelling : k_token_table) {
    if (spelling.is_keyword || !rest.starts_with(spelling.text)) continue;
    std::size_t start = m_pos;
    int start_column = column();
    m_pos += spelling.text.size();
    add(spelling.kind, start, start_column);
    return;
  }
  unsigned char c = static_cast<unsigned char>(peek());
  error(column(), std::isprint(c) ? "unexpected character '" + std::string(1, peek()) + "'"
                        : "unexpected character " + std::to_string(c));
  ++m_pos;
}

// Conditional compilation: "#If condition Then", "#Else" and "#EndIf", each
// on a line of its own. The condition is known when compiling: True, False,
// TargetWin32 (this platform) or TargetMacOS, optionally after Not. The lines
// of a branch not taken are skipped unread, since they are written for
// another platform's compiler.
void Lexer::lex_directive() {
  const int start_column = column();
  if (!m_tokens.empty() && m_tokens.back().kind != TokenKind::Newline) {
    error(start_column, "a # directive stands at the start of its line");
    skip_line();
    return;
  }
  ++m_pos;
  const std::string_view directive = directive_word();
  if (equal_ignoring_case(directive, "If")) {
    const std::optional<bool> condition = directive_condition();
    const bool enclosing = taking_lines();
    m_branches.push_back({enclosing && condition.value_or(false), enclosing, condition.value_or(false), false, m_line});
  } else if (equal_ignoring_case(directive, "Else") || equal_ignoring_case(directive, "EndIf")) {
    const bool is_else = equal_ignoring_case(directive, "Else");
    if (m_branches.empty()) {
      error(start_column, "#" + std::string(directive) + " without #If");
    } else if (is_else && m_branches.back().in_else) {
      error(start_column, "a second #Else for the #If at line " + std::to_string(m_branches.back().line));
    } else if (is_else) {
      Branch& branch = m_branches.back();
      branch.in_else = true;
      branch.taking = branch.enclosing_taking && !branch.condition;
    } else {
      m_branches.pop_back();
    }
  }
  skip_line();
}

// Whether a # here starts #If, #Else or #EndIf; other directives are the
// parser's.
bool Lexer::at_condition_directive() const {
  std::size_t end = m_pos + 1;
  while (end < m_text.size() && is_ident_char(m_text[end])) ++end;
  const std::string_view word = m_text.substr(m_pos + 1, end - m_pos - 1);
  return equal_ignoring_case(word, "If") || equal_ignoring_case(word, "Else") || equal_ignoring_case(word, "EndIf");
}

std::string_view Lexer::directive_word() {
  while (peek() == ' ' || peek() == '\t') ++m_pos;
  const std::size_t start = m_pos;
  while (is_ident_char(peek())) ++m_pos;
  return m_text.substr(start, m_pos - start);
}

std::optional<bool> Lexer::directive_condition() {
  while (peek() == ' ' || peek() == '\t') ++m_pos;
  const int start_column = column();
  std::string_view word = directive_word();
  const bool negated = equal_ignoring_case(word, "Not");
  if (negated) word = directive_word();
  std::optional<bool> value;
  if (equal_ignoring_case(word, "True") || equal_ignoring_case(word, "TargetWin32")) value = true;
  if (equal_ignoring_case(word, "False") || equal_ignoring_case(word, "TargetMacOS")) value = false;
  if (!value || !equal_ignoring_case(directive_word(), "Then")) {
    error(start_column, "#If takes True, False, TargetWin32 or TargetMacOS, optionally after Not, and then Then");
    return std::nullopt;
  }
  return negated ? !*value : *value;
}

// Up to the line's end, which the main loop then takes.
void Lexer::skip_line() {
  while (m_pos < m_text.size() && peek() != '\r' && peek() != '\n') ++m_pos;
}

std::vector<Token> Lexer::run() {
  while (m_pos < m_text.size() && !m_diagnostics.at_limit()) {
    char c = peek();
    if (!taking_lines() && c != '\r' && c != '\n') {
      while (peek() == ' ' || peek() == '\t') ++m_pos;
      if (peek() == '#' && at_condition_directive()) lex_directive();
      else skip_line();
      continue;
    }
    if (c == '#' && at_condition_directive()) lex_directive();
    else if (c == ' ' || c == '\t') ++m_pos;
    else if (c == '\r' || c == '\n') new_line();
    else if (c == '\'' || (c == '/' && peek(1) == '/')) skip_comment();
    else if (c == '_' && !is_ident_char(peek(1)) && skip_continuation()) continue;
    else if (is_ident_start(c)) lex_word();
    else if (is_digit(c) || (c == '.' && is_digit(peek(1)))) lex_number();
    else if (c == '&' && std::string_view("hHbBoO").find(peek(1)) != std::string_view::npos) lex_radix_number();
    else if (c == '"') lex_string();
    else lex_operator();
  }
  if (!m_branches.empty())
    m_diagnostics.error(m_file, m_branches.back().line, 1,
                        "'#EndIf' expected (to close '#If' at line " + std::to_string(m_branches.back().line) + ")");
  if (m_tokens.empty() || m_tokens.back().kind != TokenKind::Newline)
    m_tokens.push_back(Token{TokenKind::Newline, m_text.substr(m_pos, 0), m_line, column()});
  m_tokens.push_back(Token{TokenKind::EndOfFile, m_text.substr(m_pos, 0), m_line, column()});
  return m_tokens;
}

}  // namespace

std::vector<Token> tokenize(const SourceFile& file, Diagnostics& diagnostics) {
  return Lexer(file, diagnostics).run();
}

}  // namespace zc
