// Writes the text form of a syntax tree. Declarations come grouped by kind
// (constants, globals, classes, menu bars, settings, plug-ins, default
// windows), each group in source order. An expression lost to a syntax error
// shows as <error>.
#include "compiler/ast_dump.h"

#include <charconv>
#include <ostream>

namespace zc {

namespace {

std::string_view binary_spelling(BinaryOp op) {
  switch (op) {
    case BinaryOp::Or: return "Or";
    case BinaryOp::And: return "And";
    case BinaryOp::Equal: return "=";
    case BinaryOp::NotEqual: return "<>";
    case BinaryOp::Less: return "<";
    case BinaryOp::LessEqual: return "<=";
    case BinaryOp::Greater: return ">";
    case BinaryOp::GreaterEqual: return ">=";
    case BinaryOp::Add: return "+";
    case BinaryOp::Subtract: return "-";
    case BinaryOp::Multiply: return "*";
    case BinaryOp::Divide: return "/";
    case BinaryOp::IntegerDivide: return "\\";
    case BinaryOp::Modulo: return "Mod";
    case BinaryOp::Power: return "^";
  }
  return "?";
}

std::string quoted(std::string_view text) {
  std::string result = "\"";
  for (char c : text) {
    result += c;
    if (c == '"') result += '"';
  }
  return result + "\"";
}

std::string real_text(double value) {
  char buffer[32];
  auto [end, failure] = std::to_chars(buffer, buffer + sizeof buffer, value);
  std::string text(buffer, failure == std::errc() ? end : buffer);
  if (text.find_first_of(".e") == std::string::npos) text += ".0";  // keep it visibly a Double
  return text;
}

std::string type_text(const TypeName& type) {
  return std::string(type.name) + (type.is_array ? "()" : "");
}

std::string list_text(const std::vector<ExprPtr>& expressions) {
  std::string text;
  for (const ExprPtr& expression : expressions) text += " " + dump_expression(expression.get());
  return text;
}

std::string joined(const std::vector<ExprPtr>& expressions) {
  std::string text;
  for (const ExprPtr& expression : expressions)
    text += (text.empty() ? "" : ", ") + dump_expression(expression.get());
  return text;
}

class Dumper {
 public:
  explicit Dumper(std::ostream& out) : m_out(out) {}

  void unit(const Unit& unit);

 private:
  std::ostream& line(int depth) { return m_out << std::string(2 * depth, ' '); }
  void variable(const VariableDecl& variable, std::string_view keyword, int depth);
  void constant(const ConstDecl& constant, int depth);
  void class_decl(const ClassDecl& decl, int depth);
  void definition(const std::vector<DefinitionProperty>& properties, int depth);
  void control(const ControlDecl& control, int depth);
  void method(const MethodDecl& method, int depth);
  void menu_entry(const MenuEntry& entry, int depth);
  void block(const Block& statements, int depth);
  void statement(const Stmt& statement, int depth);
  void if_statement(const IfStmt& statement, int depth);
  void do_statement(const DoStmt& statement, int depth);
  void select_statement(const SelectStmt& statement, int depth);

  std::ostream& m_out;
};

void Dumper::unit(const Unit& unit) {
  for (const ConstDecl& constant : unit.constants) this->constant(constant, 0);
  for (const VariableDecl& global : unit.globals) variable(global, "Dim", 0);
  for (const ClassDecl& decl : unit.classes) class_decl(decl, 0);
  for (const MenuBarDecl& bar : unit.menu_bars) {
    line(0) << "MenuBar\n";
    for (const MenuEntry& menu : bar.menus) menu_entry(menu, 1);
  }
  for (const SettingsDecl& settings : unit.settings) {
    line(0) << "Settings\n";
    for (const SettingDecl& setting : settings.settings)
      line(1) << setting.name << (setting.arguments.empty() ? "" : " ") << joined(setting.arguments) << '\n';
  }
  for (const PluginDecl& plugin : unit.plugins) line(0) << "Plugin " << quoted(plugin.path) << '\n';
  for (const DefaultWindowDecl& window : unit.default_windows) line(0) << "DefaultWindow " << window.name << '\n';
}

void Dumper::variable(const VariableDecl& variable, std::string_view keyword, int depth) {
  line(depth) << keyword << ' ' << variable.name;
  if (variable.bound) m_out << '(' << dump_expression(variable.bound.get()) << ')';
  m_out << " As " << type_text(variable.type);
  if (variable.initial_value) m_out << " = " << dump_expression(variable.initial_value.get());
  m_out << '\n';
}

void Dumper::constant(const ConstDecl& constant, int depth) {
  line(depth) << "Const " << constant.name;
  if (!constant.type.name.empty()) m_out << " As " << type_text(constant.type);
  m_out << " = " << dump_expression(constant.value.get()) << '\n';
}

void Dumper::class_decl(const ClassDecl& decl, int depth) {
  static constexpr std::string_view k_keywords[] = {"Class", "Interface", "Window"};
  line(depth) << k_keywords[static_cast<int>(decl.kind)] << ' ' << decl.name;
  if (!decl.base.name.empty()) m_out << " Inherits " << decl.base.name;
  for (std::size_t i = 0; i < decl.interfaces.size(); ++i)
    m_out << (i == 0 ? " Implements " : ", ") << decl.interfaces[i].name;
  m_out << '\n';
  definition(decl.definition, depth + 1);
  for (const ControlDecl& control : decl.controls) this->control(control, depth + 1);
  for (const ConstDecl& constant : decl.constants) this->constant(constant, depth + 1);
  for (const VariableDecl& property : decl.properties) variable(property, "Property", depth + 1);
  for (const MethodDecl& method : decl.methods) this->method(method, depth + 1);
}

void Dumper::definition(const std::vector<DefinitionProperty>& properties, int depth) {
  for (const DefinitionProperty& property : properties)
    line(depth) << property.name << " = " << dump_expression(property.value.get()) << '\n';
}

void Dumper::control(const ControlDecl& control, int depth) {
  line(depth) << "Control " << control.name << " As " << type_text(control.class_name) << '\n';
  definition(control.properties, depth + 1);
  for (const MethodDecl& handler : control.handlers) method(handler, depth + 1);
}

void Dumper::method(const MethodDecl& method, int depth) {
  static constexpr std::string_view k_keywords[] = {"Sub", "Function", "Event", "MenuHandler"};
  line(depth) << k_keywords[static_cast<int>(method.kind)] << ' ' << method.name << '(';
  for (std::size_t i = 0; i < method.parameters.size(); ++i) {
    const Parameter& parameter = method.parameters[i];
    m_out << (i == 0 ? "" : ", ") << (parameter.by_ref ? "ByRef " : "") << parameter.name << " As "
          << type_text(parameter.type);
  }
  m_out << ')';
  if (!method.result.name.empty()) m_out << " As " << type_text(method.result);
  m_out << '\n';
  if (!method.background_tasks) line(depth + 1) << "#pragma DisableBackgroundTasks\n";
  block(method.body, depth + 1);
  for (const ExceptionHandler& handler : method.handlers) {
    line(depth + 1) << "Exception";
    if (!handler.variable.empty()) m_out << ' ' << handler.variable;
    if (!handler.type.name.empty()) m_out << " As " << handler.type.name;
    m_out << '\n';
    block(handler.body, depth + 2);
  }
}

void Dumper::menu_entry(const MenuEntry& entry, int depth) {
  switch (entry.kind) {
    case MenuEntryKind::Separator: line(depth) << "Separator\n"; return;
    case MenuEntryKind::Submenu:
      line(depth) << "Menu " << quoted(entry.text) << '\n';
      for (const MenuEntry& inner : entry.entries) menu_entry(inner, depth + 1);
      return;
    case MenuEntryKind::Item:
      line(depth) << "Item " << entry.name << ' ' << quoted(entry.text);
      if (!entry.key.empty()) m_out << " Key " << quoted(entry.key);
      if (!entry.class_name.name.empty()) m_out << " As " << entry.class_name.name;
      m_out << '\n';
      return;
  }
}

void Dumper::block(const Block& statements, int depth) {
  for (const StmtPtr& statement : statements) this->statement(*statement, depth);
}

void Dumper::statement(const Stmt& statement, int depth) {
  switch (statement.kind) {
    case StmtKind::Dim: variable(static_cast<const DimStmt&>(statement).variable, "Dim", depth); return;
    case StmtKind::Assign: {
      const auto& assign = static_cast<const AssignStmt&>(statement);
      line(depth) << "Assign " << dump_expression(assign.target.get()) << " = "
                  << dump_expression(assign.value.get()) << '\n';
      return;
    }
    case StmtKind::Call:
      line(depth) << "Call " << dump_expression(static_cast<const CallStmt&>(statement).call.get()) << '\n';
      return;
    case StmtKind::If: if_statement(static_cast<const IfStmt&>(statement), depth); return;
    case StmtKind::For: {
      const auto& loop = static_cast<const ForStmt&>(statement);
      line(depth) << "For " << dump_expression(loop.variable.get()) << " = " << dump_expression(loop.first.get())
                  << " To " << dump_expression(loop.last.get());
      if (loop.step) m_out << " Step " << dump_expression(loop.step.get());
      m_out << '\n';
      block(loop.body, depth + 1);
      return;
    }
    case StmtKind::While: {
      const auto& loop = static_cast<const WhileStmt&>(statement);
      line(depth) << "While " << dump_expression(loop.condition.get()) << '\n';
      block(loop.body, depth + 1);
      return;
    }
    case StmtKind::Do: do_statement(static_cast<const DoStmt&>(statement), depth); return;
    case StmtKind::Select: select_statement(static_cast<const SelectStmt&>(statement), depth); return;
    case StmtKind::Return: {
      const auto& result = static_cast<const ReturnStmt&>(statement);
      line(depth) << "Return" << (result.value ? " " + dump_expression(result.value.get()) : "") << '\n';
      return;
    }
    case StmtKind::Exit: {
      static constexpr std::string_view k_targets[] = {"For", "While", "Do", "Sub", "Function"};
      line(depth) << "Exit " << k_targets[static_cast<int>(static_cast<const ExitStmt&>(statement).target)] << '\n';
      return;
    }
    case StmtKind::Raise:
      line(depth) << "Raise " << dump_expression(static_cast<const RaiseStmt&>(statement).value.get()) << '\n';
      return;
    case StmtKind::ReDim:
      line(depth) << "ReDim " << dump_expression(static_cast<const ReDimStmt&>(statement).element.get()) << '\n';
      return;
  }
}

void Dumper::if_statement(const IfStmt& statement, int depth) {
  for (std::size_t i = 0; i < statement.branches.size(); ++i) {
    line(depth) << (i == 0 ? "If " : "ElseIf ") << dump_expression(statement.branches[i].condition.get()) << '\n';
    block(statement.branches[i].body, depth + 1);
  }
  if (statement.else_body.empty()) return;
  line(depth) << "Else\n";
  block(statement.else_body, depth + 1);
}

void Dumper::do_statement(const DoStmt& statement, int depth) {
  std::string test;
  if (statement.test != LoopTest::None)
    test = (statement.test == LoopTest::While ? " While " : " Until ") + dump_expression(statement.condition.get());
  line(depth) << "Do" << (statement.test_at_end ? "" : test) << '\n';
  block(statement.body, depth + 1);
  line(depth) << "Loop" << (statement.test_at_end ? test : "") << '\n';
}

void Dumper::select_statement(const SelectStmt& statement, int depth) {
  line(depth) << "Select Case " << dump_expression(statement.subject.get()) << '\n';
  for (const CaseClause& clause : statement.cases) {
    line(depth + 1) << "Case " << joined(clause.values) << '\n';
    block(clause.body, depth + 2);
  }
  if (!statement.has_else) return;
  line(depth + 1) << "Case Else\n";
  block(statement.else_body, depth + 2);
}

}  // namespace

std::string dump_expression(const Expr* expression) {
  if (expression == nullptr) return "<error>";
  switch (expression->kind) {
    case ExprKind::Integer: return std::to_string(static_cast<const IntegerLiteral*>(expression)->value);
    case ExprKind::Real: return real_text(static_cast<const RealLiteral*>(expression)->value);
    case ExprKind::String: return quoted(static_cast<const StringLiteral*>(expression)->value);
    case ExprKind::Boolean: return static_cast<const BooleanLiteral*>(expression)->value ? "True" : "False";
    case ExprKind::Nil: return "Nil";
    case ExprKind::Self: return "Self";
    case ExprKind::Name: return std::string(static_cast<const NameExpr*>(expression)->name);
    case ExprKind::Member: {
      const auto* member = static_cast<const MemberExpr*>(expression);
      return "(. " + dump_expression(member->object.get()) + " " + std::string(member->name) + ")";
    }
    case ExprKind::Call: {
      const auto* call = static_cast<const CallExpr*>(expression);
      return "(call " + dump_expression(call->callee.get()) + list_text(call->arguments) + ")";
    }
    case ExprKind::Unary: {
      const auto* unary = static_cast<const UnaryExpr*>(expression);
      return std::string(unary->op == UnaryOp::Not ? "(Not " : "(- ") + dump_expression(unary->operand.get()) + ")";
    }
    case ExprKind::Binary: {
      const std::vector<const BinaryExpr*> links = binary_chain(*static_cast<const BinaryExpr*>(expression));
      std::string text;
      for (const BinaryExpr* link : links) text += "(" + std::string(binary_spelling(link->op)) + " ";
      text += dump_expression(links.back()->left.get());
      for (auto link = links.rbegin(); link != links.rend(); ++link)
        text += " " + dump_expression((*link)->right.get()) + ")";
      return text;
    }
    case ExprKind::IsA: {
      const auto* test = static_cast<const IsAExpr*>(expression);
      return "(IsA " + dump_expression(test->object.get()) + " " + std::string(test->class_name.name) + ")";
    }
    case ExprKind::New: {
      const auto* creation = static_cast<const NewExpr*>(expression);
      return "(New " + std::string(creation->class_name.name) + list_text(creation->arguments) + ")";
    }
  }
  return "?";
}

void dump_unit(const Unit& unit, std::ostream& out) { Dumper(out).unit(unit); }

}  // namespace zc
