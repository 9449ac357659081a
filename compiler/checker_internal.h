// The checker's state, shared by its parts: declarations and the runtime's
// classes (checker.cpp), window definitions, menus and settings
// (check_definitions.cpp), statements (check_statements.cpp), expressions
// (check_expressions.cpp) and constant folding (constant_folding.cpp).
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "compiler/checker.h"

namespace zc {

enum class LoopKind { For, While, Do };

class Checker {
 public:
  Checker(Program& program, const RuntimeInterface& runtime, Diagnostics& diagnostics, Semantics& semantics)
      : m_program(program), m_runtime(runtime), m_diagnostics(diagnostics), m_semantics(semantics),
        m_types(semantics.types), m_symbols(semantics.symbols) {}

  void run();

  // Reporting, against the file being checked.
  void error(SourcePos pos, const std::string& message);
  void error_in(const SourceFile* file, SourcePos pos, const std::string& message);

  // The runtime's interface (checker.cpp).
  void import_runtime();
  void import_runtime_class_members(ClassInfo& info, const zif::ClassDecl& decl);
  void import_property_parameters(Symbol& property, const zif::PropertyDecl& decl, const std::string& where);
  std::optional<std::pair<std::string, Signature>> runtime_signature(std::string_view text, std::string_view where,
                                                                   bool is_event_list);
  const Type* runtime_type(std::string_view name, std::string_view where);
  const Type* type_of_letter(char letter);
  void import_builtins();
  void import_plugin_methods();

  // Declarations (checker.cpp).
  void declare_classes();
  void link_class(ClassInfo& info);
  void break_inheritance_cycles();
  void report_inheritance_cycle(const std::vector<const ClassInfo*>& cycle, SourcePos closing_link);
  void declare_members(ClassInfo& info);
  void declare_property(ClassInfo& info, VariableDecl& property);
  void declare_method(ClassInfo& info, MethodDecl& method);
  void declare_control(ClassInfo& info, ControlDecl& control);
  [[nodiscard]] bool may_sit_in_window(const ClassInfo* member_class) const;
  void declare_member(ClassInfo& info, Symbol* symbol);
  void declare_globals(Unit& unit);
  void declare_constant(ConstDecl& constant, std::map<std::string, const Symbol*>& into);
  void check_interfaces_implemented(const ClassInfo& info);
  void check_handler(const ClassInfo* raiser, MethodDecl& handler);
  Signature signature_of(const MethodDecl& method);
  const Type* resolve_type(const TypeName& name);
  const ClassInfo* resolve_class(const TypeName& name, std::string_view role);
  const ClassInfo* runtime_class(std::string_view name) const;

  // Windows, menus, settings (check_definitions.cpp).
  void check_definition(const ClassInfo& target, std::vector<DefinitionProperty>& properties);
  void check_definition_value(const Symbol& property, DefinitionProperty& pair);
  void check_menu_bars();
  void check_menu_entries(std::vector<MenuEntry>& entries, std::map<std::string, SourcePos>& seen);
  void check_menu_handler(ClassInfo& info, MethodDecl& handler);
  void check_menu_handler_signature(const MethodDecl& handler);
  bool names_menu_item(std::string_view name) const;
  void check_settings();
  bool check_setting(SettingDecl& setting);
  void check_program_singletons();

  // Method bodies (check_statements.cpp).
  void check_bodies(const ClassInfo& info);
  void check_method(const ClassInfo& info, MethodDecl& method);
  void check_first_handler_for(const Type* type, const ExceptionHandler& handler,
                               std::map<const Type*, int>& handled);
  void check_block(Block& block);
  void check_statement(Stmt& statement);
  void check_dim(DimStmt& statement);
  void check_assign(AssignStmt& statement);
  void check_call_statement(CallStmt& statement);
  void check_for(ForStmt& statement);
  void check_select(SelectStmt& statement);
  void check_return(ReturnStmt& statement);
  void check_exit(ExitStmt& statement);
  void check_raise(RaiseStmt& statement);
  void check_redim(ReDimStmt& statement);
  void check_condition(ExprPtr& condition, std::string_view what);
  void check_loop_body(LoopKind kind, Block& body);
  Symbol* declare_local(SymbolKind kind, std::string_view name, const Type* type, SourcePos pos);
  const Type* variable_type(VariableDecl& variable);

  // Expressions (check_expressions.cpp).
  const Type* check_expression(Expr* expression);
  const Type* check_value(ExprPtr& expression, const Type* expected, std::string_view what);
  const Type* check_name(NameExpr& name);
  const Type* check_member(MemberExpr& member);
  const Type* member_of(MemberExpr& member, const Type* object);
  const Type* check_call(CallExpr& call);
  const Type* check_member_call(CallExpr& call);
  const Type* check_call_of_value(CallExpr& call, const Type* callee);
  const Type* check_call_of(CallExpr& call, const Symbol* callee);
  const Type* check_arguments(CallExpr& call, const Symbol& callee, const Signature& signature);
  const Type* check_builtin_call(CallExpr& call, std::string_view name);
  const Type* check_cast(CallExpr& call, const ClassInfo* target);
  const Type* check_element(CallExpr& call, const Type* array);
  const Type* check_unary(UnaryExpr& unary);
  const Type* check_binary_chain(BinaryExpr& top);
  const Type* check_binary(BinaryExpr& binary, const Type* left);
  const Type* check_comparison(BinaryExpr& binary, const Type* left, const Type* right);
  const Type* check_new(NewExpr& creation);
  const Symbol* lookup(std::string_view name) const;
  bool is_assignable(const Expr& target, std::string* why) const;

  // Constants (constant_folding.cpp).
  std::optional<ConstantValue> fold(const Expr* expression);
  std::optional<ConstantValue> fold_binary_chain(const BinaryExpr& top);
  std::optional<ConstantValue> fold_binary(const BinaryExpr& binary, ConstantValue left);
  std::optional<ConstantValue> fold_integer(const IntegerLiteral& literal, bool negated);
  std::optional<ConstantValue> fold_chr(const CallExpr& call);

  Program& m_program;
  const RuntimeInterface& m_runtime;
  Diagnostics& m_diagnostics;
  Semantics& m_semantics;
  TypeTable& m_types;
  SymbolTable& m_symbols;
  const SourceFile* m_file = nullptr;

  std::map<std::string, ClassInfo*> m_classes;           // runtime and program classes, by name_key
  std::map<std::string, const Symbol*> m_globals;        // globals, constants, class names
  std::map<std::string, const Symbol*> m_routines;       // runtime routines by name_key
  std::map<std::string, std::vector<const Symbol*>> m_builtins;  // built-in functions by name_key
  std::vector<std::pair<ClassInfo*, const SourceFile*>> m_program_classes;

  // The method being checked.
  const ClassInfo* m_class = nullptr;
  const MethodDecl* m_method = nullptr;
  const Type* m_result = nullptr;
  std::vector<std::map<std::string, const Symbol*>> m_scopes;
  std::vector<LoopKind> m_loops;
};

}  // namespace zc
