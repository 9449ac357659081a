// Checks of method bodies: scopes of locals (a block's Dim lives to the end of
// the block, and may not hide another local of the method), conditions,
// loops with their Exit, Return against the method's result, Raise, and the
// exception handlers with their variable.
#include "compiler/checker_internal.h"
#include "compiler/names.h"
#include "compiler/text_format.h"

namespace zc {

void Checker::check_bodies(const ClassInfo& info) {
  ClassDecl& decl = *const_cast<ClassDecl*>(info.decl);
  for (MethodDecl& method : decl.methods)
    if (method.has_body) check_method(info, method);
  for (ControlDecl& control : decl.controls)
    for (MethodDecl& handler : control.handlers) check_method(info, handler);
}

void Checker::check_method(const ClassInfo& info, MethodDecl& method) {
  m_class = &info;
  m_method = &method;
  m_result = method.symbol ? method.symbol->signature.result : m_types.error();
  m_scopes.assign(1, {});
  m_loops.clear();
  for (Parameter& parameter : method.parameters)
    parameter.symbol = declare_local(SymbolKind::Parameter, parameter.name, resolve_type(parameter.type), parameter.pos);
  check_block(method.body);
  std::map<const Type*, int> handled;  // exception class (Object: any) -> line of its handler
  for (ExceptionHandler& handler : method.handlers) {
    m_scopes.emplace_back();
    const Type* type = handler.type.name.empty() ? m_types.object() : resolve_type(handler.type);
    if (type->kind != TypeKind::Object && type->kind != TypeKind::Class && type->kind != TypeKind::Error)
      error(handler.type.pos, text::format("an Exception handler takes an exception class, not {}", type->name()));
    else if (type->kind != TypeKind::Error)
      check_first_handler_for(type, handler, handled);
    if (!handler.variable.empty()) handler.symbol = declare_local(SymbolKind::Local, handler.variable, type, handler.pos);
    check_block(handler.body);
    m_scopes.pop_back();
  }
  m_scopes.clear();
  m_method = nullptr;
}

// A second handler for the same class would never run: the first takes
// every exception the second could.
void Checker::check_first_handler_for(const Type* type, const ExceptionHandler& handler,
                                      std::map<const Type*, int>& handled) {
  auto [first, is_first] = handled.try_emplace(type, handler.pos.line);
  if (!is_first)
    error(handler.pos, text::format("a second Exception handler for {} in this method (the first is at line {})",
                                    handler.type.name.empty() ? "any exception" : "'" + type->name() + "'",
                                    first->second));
}

Symbol* Checker::declare_local(SymbolKind kind, std::string_view name, const Type* type, SourcePos pos) {
  Symbol* symbol = m_symbols.make(kind, std::string(name), type, pos);
  const std::string key = name_key(name);
  for (const auto& scope : m_scopes) {
    if (auto existing = scope.find(key); existing != scope.end()) {
      error(pos, text::format("'{}' is already declared in this method at line {}", name, existing->second->pos.line));
      return symbol;
    }
  }
  m_scopes.back()[key] = symbol;
  return symbol;
}

void Checker::check_block(Block& block) {
  m_scopes.emplace_back();
  for (StmtPtr& statement : block) check_statement(*statement);
  m_scopes.pop_back();
}

void Checker::check_statement(Stmt& statement) {
  switch (statement.kind) {
    case StmtKind::Dim: check_dim(static_cast<DimStmt&>(statement)); return;
    case StmtKind::Assign: check_assign(static_cast<AssignStmt&>(statement)); return;
    case StmtKind::Call: check_call_statement(static_cast<CallStmt&>(statement)); return;
    case StmtKind::If: {
      auto& branch_statement = static_cast<IfStmt&>(statement);
      for (IfBranch& branch : branch_statement.branches) {
        check_condition(branch.condition, "If");
        check_block(branch.body);
      }
      check_block(branch_statement.else_body);
      return;
    }
    case StmtKind::For: check_for(static_cast<ForStmt&>(statement)); return;
    case StmtKind::While: {
      auto& loop = static_cast<WhileStmt&>(statement);
      check_condition(loop.condition, "While");
      check_loop_body(LoopKind::While, loop.body);
      return;
    }
    case StmtKind::Do: {
      auto& loop = static_cast<DoStmt&>(statement);
      if (loop.test != LoopTest::None) check_condition(loop.condition, "Do");
      check_loop_body(LoopKind::Do, loop.body);
      return;
    }
    case StmtKind::Select: check_select(static_cast<SelectStmt&>(statement)); return;
    case StmtKind::Return: check_return(static_cast<ReturnStmt&>(statement)); return;
    case StmtKind::Exit: check_exit(static_cast<ExitStmt&>(statement)); return;
    case StmtKind::Raise: check_raise(static_cast<RaiseStmt&>(statement)); return;
    case StmtKind::ReDim: check_redim(static_cast<ReDimStmt&>(statement)); return;
  }
}

void Checker::check_dim(DimStmt& statement) {
  VariableDecl& variable = statement.variable;
  const Type* type = variable_type(variable);
  if (variable.initial_value) check_value(variable.initial_value, type, "the initial value");
  variable.symbol = declare_local(SymbolKind::Local, variable.name, type, variable.pos);
}

void Checker::check_assign(AssignStmt& statement) {
  const Type* target = check_expression(statement.target.get());
  std::string why;
  if (!is_assignable(*statement.target, &why)) {
    error(statement.target->pos, why);
    check_expression(statement.value.get());
    return;
  }
  check_value(statement.value, target, "the assigned value");
}

void Checker::check_call_statement(CallStmt& statement) {
  check_expression(statement.call.get());
  const auto& call = static_cast<const CallExpr&>(*statement.call);
  if (call.type->kind == TypeKind::Error) return;
  if (call.call_kind != CallKind::Method && call.call_kind != CallKind::Routine)
    error(statement.pos, "this statement calls nothing; a statement is a call or an assignment");
}

void Checker::check_condition(ExprPtr& condition, std::string_view what) {
  const Type* type = check_expression(condition.get());
  if (type->kind != TypeKind::Boolean && type->kind != TypeKind::Error)
    error(condition->pos, text::format("the {} condition must be Boolean, not {}", what, type->name()));
}

void Checker::check_loop_body(LoopKind kind, Block& body) {
  m_loops.push_back(kind);
  check_block(body);
  m_loops.pop_back();
}

// An undeclared loop variable is declared by the loop as an Integer local
// that lives as long as the loop.
void Checker::check_for(ForStmt& statement) {
  auto& variable = static_cast<NameExpr&>(*statement.variable);
  m_scopes.emplace_back();
  if (!lookup(variable.name))
    declare_local(SymbolKind::Local, variable.name, m_types.integer(), variable.pos);
  const Type* type = check_expression(&variable);
  std::string why;
  if (!type->is_numeric() && type->kind != TypeKind::Error)
    error(variable.pos, text::format("the loop variable must be a number, not {}", type->name()));
  else if (!is_assignable(variable, &why))
    error(variable.pos, why);
  check_value(statement.first, type, "the loop's first value");
  check_value(statement.last, type, "the loop's last value");
  if (statement.step) check_value(statement.step, type, "the loop's step");
  check_loop_body(LoopKind::For, statement.body);
  m_scopes.pop_back();
}

void Checker::check_select(SelectStmt& statement) {
  const Type* subject = check_expression(statement.subject.get());
  for (CaseClause& clause : statement.cases) {
    for (ExprPtr& value : clause.values) {
      const Type* type = check_expression(value.get());
      const bool comparable = converts_implicitly(type, subject) && (subject->is_numeric() || type == subject ||
                                                                     type->kind == TypeKind::Error);
      if (!comparable && subject->kind != TypeKind::Error)
        error(value->pos, text::format("a Case of {} cannot be {}", subject->name(), type->name()));
    }
    check_block(clause.body);
  }
  check_block(statement.else_body);
}

void Checker::check_return(ReturnStmt& statement) {
  const bool has_result = m_result->kind != TypeKind::Void;
  if (statement.value && !has_result) {
    error(statement.value->pos, "this method gives no result; Return takes no value here");
    check_expression(statement.value.get());
  } else if (!statement.value && has_result && m_result->kind != TypeKind::Error) {
    error(statement.pos, text::format("Return needs a value of type {}", m_result->name()));
  } else if (statement.value) {
    check_value(statement.value, m_result, "the returned value");
  }
}

void Checker::check_exit(ExitStmt& statement) {
  auto inside = [&](LoopKind kind) {
    for (LoopKind loop : m_loops)
      if (loop == kind) return true;
    return false;
  };
  const bool is_function = m_method->kind == MethodKind::Function || m_method->kind == MethodKind::MenuHandler;
  switch (statement.target) {
    case ExitTarget::For: if (!inside(LoopKind::For)) error(statement.pos, "'Exit For' outside a For loop"); return;
    case ExitTarget::While: if (!inside(LoopKind::While)) error(statement.pos, "'Exit While' outside a While loop"); return;
    case ExitTarget::Do: if (!inside(LoopKind::Do)) error(statement.pos, "'Exit Do' outside a Do loop"); return;
    case ExitTarget::Sub: if (is_function) error(statement.pos, "'Exit Sub' in a Function; use Return"); return;
    case ExitTarget::Function: if (!is_function) error(statement.pos, "'Exit Function' outside a Function"); return;
  }
}

// Only exceptions are raised: objects of RuntimeException or a subclass when
// the runtime declares that class.
void Checker::check_raise(RaiseStmt& statement) {
  const Type* type = check_expression(statement.value.get());
  if (type->kind == TypeKind::Error) return;
  const ClassInfo* root = runtime_class("RuntimeException");
  const bool is_exception = type->kind == TypeKind::Class && (!root || is_subclass_of(type->class_info, root));
  if (!is_exception) error(statement.value->pos, text::format("Raise takes an exception object, not {}", type->name()));
}

// ReDim takes an array element written as Name(bound): the array's new upper bound.
void Checker::check_redim(ReDimStmt& statement) {
  const Type* type = check_expression(statement.element.get());
  if (type->kind == TypeKind::Error) return;
  const bool is_element = statement.element->kind == ExprKind::Call &&
                          static_cast<const CallExpr&>(*statement.element).call_kind == CallKind::ArrayElement;
  if (!is_element) error(statement.element->pos, "ReDim takes an array and its new upper bound: ReDim Name(bound)");
}

}  // namespace zc
