// Reading a member declaration that a plug-in gives as text in the
// language's own syntax:
//   name [ "(" [ parameter { "," parameter } ] ")" ] [ "As" type ]
//   parameter = [ "ByVal" | "ByRef" ] identifier "As" type
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zrt {

struct DeclaredParameter {
  std::string type;
  bool by_reference = false;
};

struct MethodDeclaration {
  std::string name;
  std::string parameter_text;  // what stands between the parentheses
  std::string result_type;     // empty for none
  std::vector<DeclaredParameter> parameters;
};

struct DeclarationReading {
  MethodDeclaration declaration;
  std::string error;  // empty when the text follows the syntax and its result type is known
};

// Whether a name is a result type: a type keyword or a runtime or plug-in class.
using TypeLookup = std::function<bool(std::string_view name)>;

// The errors are "Invalid plugin method format: " or "Invalid return type: "
// followed by the text.
[[nodiscard]] DeclarationReading read_method_declaration(std::string_view text, const TypeLookup& is_class);

}  // namespace zrt
