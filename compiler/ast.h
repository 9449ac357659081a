// The syntax tree of a Zoltic program: expressions, statements and
// declarations as the parser builds them. Every node carries its source
// position; the checker fills the `type`, `symbol` and resolution fields so
// that a code generator can walk the tree without looking names up again.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "compiler/diagnostics.h"

namespace zc {

struct SettingShape;

struct Type;
struct Symbol;

struct SourcePos {
  int line = 0;
  int column = 0;
};

// A written type: "Integer", "FolderItem", "Double()" for an array parameter.
struct TypeName {
  std::string_view name;
  SourcePos pos;
  bool is_array = false;
};

// ---------------------------------------------------------------- expressions

enum class ExprKind {
  Integer, Real, String, Boolean, Nil, Self, Name, Member, Call, Unary, Binary, IsA, New,
};

enum class UnaryOp { Negate, Not };
enum class BinaryOp {
  Or, And, Equal, NotEqual, Less, LessEqual, Greater, GreaterEqual,
  Add, Subtract, Multiply, Divide, IntegerDivide, Modulo, Power,
};

struct Expr {
  Expr(ExprKind kind, SourcePos pos) : kind(kind), pos(pos) {}
  virtual ~Expr() = default;

  ExprKind kind;
  SourcePos pos;
  const Type* type = nullptr;  // set by the checker
};
using ExprPtr = std::unique_ptr<Expr>;

// Hexadecimal, binary and octal literals may give all 32 bits (&hFFFFFFFF is
// -1); a decimal literal must fit a signed Integer, negated or not.
struct IntegerLiteral : Expr {
  IntegerLiteral(SourcePos pos, std::int64_t value, bool is_decimal)
      : Expr(ExprKind::Integer, pos), value(value), is_decimal(is_decimal) {}
  std::int64_t value;
  bool is_decimal;
};

struct RealLiteral : Expr {
  RealLiteral(SourcePos pos, double value) : Expr(ExprKind::Real, pos), value(value) {}
  double value;
};

struct StringLiteral : Expr {
  StringLiteral(SourcePos pos, std::string value) : Expr(ExprKind::String, pos), value(std::move(value)) {}
  std::string value;  // the text without quotes, "" already made one quote
};

struct BooleanLiteral : Expr {
  BooleanLiteral(SourcePos pos, bool value) : Expr(ExprKind::Boolean, pos), value(value) {}
  bool value;
};

struct NilLiteral : Expr {
  explicit NilLiteral(SourcePos pos) : Expr(ExprKind::Nil, pos) {}
};

// Self and Me are the same thing.
struct SelfExpr : Expr {
  explicit SelfExpr(SourcePos pos) : Expr(ExprKind::Self, pos) {}
};

struct NameExpr : Expr {
  NameExpr(SourcePos pos, std::string_view name) : Expr(ExprKind::Name, pos), name(name) {}
  std::string_view name;
  const Symbol* symbol = nullptr;  // what the name resolved to
};

struct MemberExpr : Expr {
  MemberExpr(SourcePos pos, ExprPtr object, std::string_view name)
      : Expr(ExprKind::Member, pos), object(std::move(object)), name(name) {}
  ExprPtr object;
  std::string_view name;
  const Symbol* symbol = nullptr;
};

// What a call-shaped expression turned out to be; the syntax "f(x)" alone
// cannot tell a call from an array element or a cast.
// Property: a runtime property with parameters, read (or assigned) through
// its accessors.
enum class CallKind { Unresolved, Method, Routine, ArrayElement, Cast, Property };

struct CallExpr : Expr {
  CallExpr(SourcePos pos, ExprPtr callee, std::vector<ExprPtr> arguments, bool parenthesised)
      : Expr(ExprKind::Call, pos), callee(std::move(callee)), arguments(std::move(arguments)),
        parenthesised(parenthesised) {}
  ExprPtr callee;
  std::vector<ExprPtr> arguments;
  bool parenthesised;
  CallKind call_kind = CallKind::Unresolved;
  const Symbol* target = nullptr;  // the method, routine or property called, the class cast to
};

struct UnaryExpr : Expr {
  UnaryExpr(SourcePos pos, UnaryOp op, ExprPtr operand)
      : Expr(ExprKind::Unary, pos), op(op), operand(std::move(operand)) {}
  UnaryOp op;
  ExprPtr operand;
};

// A chain of binary operators ("a + b - c ...") hangs down the left
// operands, as long as the source writes it, so every phase walks a chain
// link by link (binary_chain) rather than by one nested call per link.
struct BinaryExpr : Expr {
  BinaryExpr(SourcePos pos, BinaryOp op, ExprPtr left, ExprPtr right)
      : Expr(ExprKind::Binary, pos), op(op), left(std::move(left)), right(std::move(right)) {}
  ~BinaryExpr() override {
    ExprPtr next = std::move(left);
    while (next && next->kind == ExprKind::Binary) next = std::move(static_cast<BinaryExpr&>(*next).left);
  }
  BinaryExpr(const BinaryExpr&) = delete;
  BinaryExpr& operator=(const BinaryExpr&) = delete;
  BinaryOp op;
  ExprPtr left;
  ExprPtr right;
  const Type* operand_type = nullptr;  // the type both sides are converted to
};

// The links of the chain that `top` heads, from `top` down to the last link,
// whose left operand is no binary operation.
template <typename Binary>
std::vector<Binary*> binary_chain(Binary& top) {
  std::vector<Binary*> links{&top};
  while (links.back()->left && links.back()->left->kind == ExprKind::Binary)
    links.push_back(static_cast<Binary*>(links.back()->left.get()));
  return links;
}

struct IsAExpr : Expr {
  IsAExpr(SourcePos pos, ExprPtr object, TypeName class_name)
      : Expr(ExprKind::IsA, pos), object(std::move(object)), class_name(class_name) {}
  ExprPtr object;
  TypeName class_name;
  const Type* tested_type = nullptr;
};

struct NewExpr : Expr {
  NewExpr(SourcePos pos, TypeName class_name, std::vector<ExprPtr> arguments)
      : Expr(ExprKind::New, pos), class_name(class_name), arguments(std::move(arguments)) {}
  TypeName class_name;
  std::vector<ExprPtr> arguments;
};

// ----------------------------------------------------------------- statements

enum class StmtKind { Dim, Assign, Call, If, For, While, Do, Select, Return, Exit, Raise, ReDim };

struct Stmt {
  Stmt(StmtKind kind, SourcePos pos) : kind(kind), pos(pos) {}
  virtual ~Stmt() = default;

  StmtKind kind;
  SourcePos pos;
};
using StmtPtr = std::unique_ptr<Stmt>;
using Block = std::vector<StmtPtr>;

// A named variable: a local (Dim), a global, or a class property. A bound
// makes it an array of bound + 1 elements.
struct VariableDecl {
  std::string_view name;
  SourcePos pos;
  TypeName type;
  ExprPtr bound;
  ExprPtr initial_value;
  const Symbol* symbol = nullptr;
};

struct DimStmt : Stmt {
  DimStmt(SourcePos pos, VariableDecl variable) : Stmt(StmtKind::Dim, pos), variable(std::move(variable)) {}
  VariableDecl variable;
};

struct AssignStmt : Stmt {
  AssignStmt(SourcePos pos, ExprPtr target, ExprPtr value)
      : Stmt(StmtKind::Assign, pos), target(std::move(target)), value(std::move(value)) {}
  ExprPtr target;
  ExprPtr value;
};

struct CallStmt : Stmt {
  CallStmt(SourcePos pos, ExprPtr call) : Stmt(StmtKind::Call, pos), call(std::move(call)) {}
  ExprPtr call;
};

struct IfBranch {
  ExprPtr condition;
  Block body;
};

struct IfStmt : Stmt {
  explicit IfStmt(SourcePos pos) : Stmt(StmtKind::If, pos) {}
  std::vector<IfBranch> branches;  // If, then each ElseIf
  Block else_body;
};

struct ForStmt : Stmt {
  explicit ForStmt(SourcePos pos) : Stmt(StmtKind::For, pos) {}
  ExprPtr variable;
  ExprPtr first;
  ExprPtr last;
  ExprPtr step;  // null for the default step of 1
  Block body;
};

struct WhileStmt : Stmt {
  explicit WhileStmt(SourcePos pos) : Stmt(StmtKind::While, pos) {}
  ExprPtr condition;
  Block body;
};

// Do [While|Until c] ... Loop [While|Until c]: at most one of the two tests.
enum class LoopTest { None, While, Until };

struct DoStmt : Stmt {
  explicit DoStmt(SourcePos pos) : Stmt(StmtKind::Do, pos) {}
  LoopTest test = LoopTest::None;
  bool test_at_end = false;
  ExprPtr condition;
  Block body;
};

struct CaseClause {
  SourcePos pos;
  std::vector<ExprPtr> values;
  Block body;
};

struct SelectStmt : Stmt {
  explicit SelectStmt(SourcePos pos) : Stmt(StmtKind::Select, pos) {}
  ExprPtr subject;
  std::vector<CaseClause> cases;
  bool has_else = false;
  Block else_body;
};

struct ReturnStmt : Stmt {
  ReturnStmt(SourcePos pos, ExprPtr value) : Stmt(StmtKind::Return, pos), value(std::move(value)) {}
  ExprPtr value;
};

enum class ExitTarget { For, While, Do, Sub, Function };

struct ExitStmt : Stmt {
  ExitStmt(SourcePos pos, ExitTarget target) : Stmt(StmtKind::Exit, pos), target(target) {}
  ExitTarget target;
};

// ReDim element: `element` is written as an array element, `Name(bound)`;
// the array takes that upper bound and keeps the elements below it.
struct ReDimStmt : Stmt {
  ReDimStmt(SourcePos pos, ExprPtr element) : Stmt(StmtKind::ReDim, pos), element(std::move(element)) {}
  ExprPtr element;
};

struct RaiseStmt : Stmt {
  RaiseStmt(SourcePos pos, ExprPtr value) : Stmt(StmtKind::Raise, pos), value(std::move(value)) {}
  ExprPtr value;
};

// --------------------------------------------------------------- declarations

struct Parameter {
  std::string_view name;
  SourcePos pos;
  TypeName type;
  bool by_ref = false;
  const Symbol* symbol = nullptr;
};

// "Exception err As NilObjectException" and the code after it, up to the
// next handler or the end of the method. Without a type it takes every
// exception; without a name the exception is not kept.
struct ExceptionHandler {
  SourcePos pos;
  std::string_view variable;
  TypeName type;
  Block body;
  const Symbol* symbol = nullptr;
};

// Event and menu handlers are hooks: the runtime finds them by name in the
// class descriptor and calls them; nothing in the program calls them.
enum class MethodKind { Sub, Function, EventHandler, MenuHandler };

constexpr bool is_hook(MethodKind kind) { return kind == MethodKind::EventHandler || kind == MethodKind::MenuHandler; }

struct MethodDecl {
  MethodKind kind = MethodKind::Sub;
  std::string_view name;
  SourcePos pos;
  std::vector<Parameter> parameters;
  TypeName result;  // empty name: no result
  bool has_body = true;  // interface methods have none
  bool background_tasks = true;  // #pragma DisableBackgroundTasks clears it
  Block body;
  std::vector<ExceptionHandler> handlers;
  const Symbol* symbol = nullptr;
};

struct ConstDecl {
  std::string_view name;
  SourcePos pos;
  TypeName type;  // empty name: the value's type
  ExprPtr value;
  const Symbol* symbol = nullptr;
};

// "Width = 390" inside a window or a control: stored as text in the window
// definition, converted by the runtime after the property's declared type.
struct DefinitionProperty {
  std::string_view name;
  SourcePos pos;
  ExprPtr value;
};

struct ControlDecl {
  std::string_view name;
  SourcePos pos;
  TypeName class_name;
  std::vector<DefinitionProperty> properties;
  std::vector<MethodDecl> handlers;
  const Symbol* symbol = nullptr;
};

enum class ClassKind { Class, Interface, Window };

struct ClassDecl {
  ClassKind kind = ClassKind::Class;
  std::string_view name;
  SourcePos pos;
  TypeName base;  // empty name: no base class
  std::vector<TypeName> interfaces;
  std::vector<VariableDecl> properties;
  std::vector<ConstDecl> constants;
  std::vector<MethodDecl> methods;  // event handlers too
  std::vector<DefinitionProperty> definition;  // windows only
  std::vector<ControlDecl> controls;  // windows only
  const Symbol* symbol = nullptr;
};

// An entry of a menu: an item, a separator, or a submenu with entries of its own.
enum class MenuEntryKind { Item, Separator, Submenu };

struct MenuEntry {
  MenuEntryKind kind = MenuEntryKind::Item;
  SourcePos pos;
  std::string_view name;  // items only
  std::string text;       // the item's text or the submenu's title
  std::string key;        // the item's command key, "" for none
  TypeName class_name;    // empty name: MenuItem
  std::vector<MenuEntry> entries;  // submenus only
};

struct MenuBarDecl {
  SourcePos pos;
  std::vector<MenuEntry> menus;  // each a Submenu
};

// A line of the Settings block: a setting's name and its arguments.
struct SettingDecl {
  std::string_view name;
  SourcePos pos;
  std::vector<ExprPtr> arguments;
  const SettingShape* shape = nullptr;  // set by the checker for a known setting
};

struct SettingsDecl {
  SourcePos pos;
  std::vector<SettingDecl> settings;
};

struct PluginDecl {
  SourcePos pos;
  std::string path;
};

struct DefaultWindowDecl {
  SourcePos pos;
  std::string_view name;
  const Symbol* symbol = nullptr;
};

// One source file's declarations, in source order within each kind.
struct Unit {
  const SourceFile* file = nullptr;
  std::vector<ClassDecl> classes;  // classes, interfaces and windows
  std::vector<ConstDecl> constants;
  std::vector<VariableDecl> globals;
  std::vector<MenuBarDecl> menu_bars;
  std::vector<SettingsDecl> settings;
  std::vector<PluginDecl> plugins;
  std::vector<DefaultWindowDecl> default_windows;
};

struct Program {
  std::vector<Unit> units;
};

}  // namespace zc
