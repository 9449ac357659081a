// The declaration reader: a small tokenizer (names, parentheses, commas) and
// the grammar in method_declarations.h.
#include "runtime/core/method_declarations.h"

#include "runtime/core/name_equality.h"

#include <cctype>

namespace zrt {
namespace {

bool is_name_character(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_'; }

// A name, or one of "(", ")" and ","; empty at the end or at any other character.
class Tokens {
 public:
  explicit Tokens(std::string_view text) : m_text(text) { advance(); }

  [[nodiscard]] std::string_view current() const { return m_current; }
  [[nodiscard]] bool at_end() const { return m_current.empty() && m_position >= m_text.size(); }
  [[nodiscard]] bool is_name() const { return !m_current.empty() && is_name_character(m_current.front()); }

  bool take(std::string_view token) {
    if (!names_equal(m_current, token)) return false;
    advance();
    return true;
  }

  bool take_name(std::string& name) {
    if (!is_name()) return false;
    name = std::string(m_current);
    advance();
    return true;
  }

 private:
  void advance() {
    while (m_position < m_text.size() && (m_text[m_position] == ' ' || m_text[m_position] == '\t')) ++m_position;
    const std::size_t start = m_position;
    if (m_position < m_text.size() && std::string_view("(),").find(m_text[m_position]) != std::string_view::npos)
      ++m_position;
    else
      while (m_position < m_text.size() && is_name_character(m_text[m_position])) ++m_position;
    m_current = m_text.substr(start, m_position - start);
  }

  std::string_view m_text;
  std::size_t m_position = 0;
  std::string_view m_current;
};

constexpr std::string_view type_keywords[] = {"Integer", "String", "Single", "Double", "Boolean", "color"};

bool is_type(std::string_view name, const TypeLookup& is_class) {
  for (std::string_view keyword : type_keywords)
    if (names_equal(name, keyword)) return true;
  return is_class(name);
}

// parameter = [ "ByVal" | "ByRef" ] identifier "As" type
bool read_parameter(Tokens& tokens, std::vector<DeclaredParameter>& parameters) {
  DeclaredParameter parameter;
  if (tokens.take("ByRef"))
    parameter.by_reference = true;
  else
    static_cast<void>(tokens.take("ByVal"));
  std::string name;
  if (!tokens.take_name(name) || !tokens.take("As") || !tokens.take_name(parameter.type)) return false;
  parameters.push_back(std::move(parameter));
  return true;
}

// "(" [ parameter { "," parameter } ] ")"
bool read_parameter_list(Tokens& tokens, std::vector<DeclaredParameter>& parameters) {
  if (tokens.take(")")) return true;
  do {
    if (!read_parameter(tokens, parameters)) return false;
  } while (tokens.take(","));
  return tokens.take(")");
}

}  // namespace

DeclarationReading read_method_declaration(std::string_view text, const TypeLookup& is_class) {
  DeclarationReading reading;
  MethodDeclaration& declaration = reading.declaration;
  Tokens tokens(text);
  bool valid = tokens.take_name(declaration.name);
  if (valid && tokens.current() == "(") {
    const std::size_t open = text.find('(');
    tokens.take("(");
    valid = read_parameter_list(tokens, declaration.parameters);
    if (valid) declaration.parameter_text = std::string(text.substr(open + 1, text.rfind(')') - open - 1));
  }
  if (valid && tokens.take("As")) valid = tokens.take_name(declaration.result_type);
  if (!valid || !tokens.at_end()) {
    reading.error = "Invalid plugin method format: " + std::string(text);
  } else if (!declaration.result_type.empty() && !is_type(declaration.result_type, is_class)) {
    reading.error = "Invalid return type: " + std::string(text);
  }
  return reading;
}

}  // namespace zrt
