// What names stand for once the checker has resolved them: variables,
// constants, properties, methods, events, classes and runtime routines. The
// checker owns every symbol in a SymbolTable; the tree points at them.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "compiler/ast.h"
#include "compiler/types.h"

namespace zc {

struct ClassInfo;

struct ParameterInfo {
  std::string name;
  const Type* type;
  bool by_ref = false;
};

struct Signature {
  std::vector<ParameterInfo> parameters;
  const Type* result = nullptr;  // void_type for none
};

enum class SymbolKind {
  Local, Parameter, Global, Constant, Property, Method, Class, Routine, Control,
};

struct Symbol {
  SymbolKind kind;
  std::string name;
  const Type* type = nullptr;  // of the value; a method's result; a class's own type
  SourcePos pos;
  const ClassInfo* owner = nullptr;  // members: the class that declares them

  // Properties of runtime classes: their accessors and parameter word. A
  // property without setter is read-only.
  std::string getter;
  std::string setter;
  std::int32_t parameter_word = 0;
  bool read_only = false;

  // Methods, routines, and properties with parameters.
  Signature signature;
  std::string routine;  // the runtime routine that implements it, if any
  const MethodDecl* method = nullptr;

  // Constants: the folded value.
  std::int64_t integer_value = 0;
  double real_value = 0;
  std::string string_value;

  const ClassInfo* class_info = nullptr;  // Class symbols

  // A property read and assigned with arguments: `list.Cell(row, column)`.
  bool takes_arguments() const { return kind == SymbolKind::Property && !signature.parameters.empty(); }
  // Whether `Name(...)` calls or indexes this symbol rather than reaching past it.
  bool is_callable() const {
    return kind == SymbolKind::Method || kind == SymbolKind::Routine || kind == SymbolKind::Class ||
           takes_arguments() || (type && type->kind == TypeKind::Array);
  }
};

struct EventInfo {
  std::string name;
  Signature signature;
  std::int32_t code = 0;
};

struct ClassInfo {
  std::string name;
  bool is_runtime = false;
  bool is_interface = false;
  bool is_window = false;   // a window class of the program: its name is also its implicit instance
  const ClassInfo* base = nullptr;
  std::vector<const ClassInfo*> interfaces;
  std::map<std::string, const Symbol*> members;  // by name_key
  std::map<std::string, EventInfo> events;       // declared by this class, by name_key
  const ClassDecl* decl = nullptr;
  const Symbol* symbol = nullptr;

  // Looks a member up here, then in the base classes.
  const Symbol* find_member(std::string_view name) const;
  const EventInfo* find_event(std::string_view name) const;

  // Whether `found` holds for this class or one of its ancestors, visited
  // depth first (a class, its interfaces with theirs, then its base) and
  // each interface once, without nesting a call per level. The checker has
  // broken every inheritance cycle, so the walk ends.
  template <typename Predicate>
  bool any_ancestor(Predicate found) const {
    std::vector<const ClassInfo*> pending{this};
    std::unordered_set<const ClassInfo*> interfaces_seen;
    while (!pending.empty()) {
      const ClassInfo* info = pending.back();
      pending.pop_back();
      if (found(*info)) return true;
      if (info->base) pending.push_back(info->base);
      for (auto implemented = info->interfaces.rbegin(); implemented != info->interfaces.rend(); ++implemented)
        if (interfaces_seen.insert(*implemented).second) pending.push_back(*implemented);
    }
    return false;
  }
};

// Owns every symbol and class of one compilation.
class SymbolTable {
 public:
  Symbol* make(SymbolKind kind, std::string name, const Type* type, SourcePos pos);
  ClassInfo* make_class(std::string name);

 private:
  std::deque<Symbol> m_symbols;
  std::deque<ClassInfo> m_classes;
};

}  // namespace zc
