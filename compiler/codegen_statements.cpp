// Statements. Every statement starts and ends with nothing of its own on the
// machine stack; loops keep their limits and steps in hidden frame slots, and
// every loop iteration ends with the background task unless the method
// switched it off.
#include "compiler/codegen_internal.h"
#include "compiler/codegen_routines.h"

namespace zc {

namespace {

std::string frame_operand(int offset) { return std::to_string(offset) + "(%ebp)"; }

// The sign of a step known when compiling: 1, -1, or 0 when it is only known
// at run time.
int known_step_sign(const Expr* step) {
  if (!step) return 1;
  if (step->kind == ExprKind::Integer) return 1;
  if (step->kind == ExprKind::Real) return static_cast<const RealLiteral*>(step)->value < 0 ? -1 : 1;
  if (step->kind == ExprKind::Unary) {
    const auto& unary = static_cast<const UnaryExpr&>(*step);
    if (unary.op == UnaryOp::Negate && (unary.operand->kind == ExprKind::Integer || unary.operand->kind == ExprKind::Real))
      return -known_step_sign(unary.operand.get());
  }
  return 0;
}

}  // namespace

void CodeGenerator::generate_block(const Block& block) {
  for (const StmtPtr& statement : block) generate_statement(*statement);
}

void CodeGenerator::generate_statement(const Stmt& statement) {
  m_out.comment("line " + std::to_string(statement.pos.line));
  switch (statement.kind) {
    case StmtKind::Dim: generate_dim(static_cast<const DimStmt&>(statement)); break;
    case StmtKind::Assign: {
      const auto& assign = static_cast<const AssignStmt&>(statement);
      generate_assign(*assign.target, *assign.value);
      break;
    }
    case StmtKind::Call: {
      const Expr& call = *static_cast<const CallStmt&>(statement).call;
      const Value result = generate(call);
      if (result.value_class == ValueClass::Real) m_out.emit("fstp %st(0)");
      release_owned(result, call.type);
      break;
    }
    case StmtKind::If: generate_if(static_cast<const IfStmt&>(statement)); break;
    case StmtKind::For: generate_for(static_cast<const ForStmt&>(statement)); break;
    case StmtKind::While: generate_while(static_cast<const WhileStmt&>(statement)); break;
    case StmtKind::Do: generate_do(static_cast<const DoStmt&>(statement)); break;
    case StmtKind::Select: generate_select(static_cast<const SelectStmt&>(statement)); break;
    case StmtKind::Return: generate_return(static_cast<const ReturnStmt&>(statement)); break;
    case StmtKind::Exit: generate_exit(static_cast<const ExitStmt&>(statement)); break;
    case StmtKind::Raise: generate_raise(static_cast<const RaiseStmt&>(statement)); break;
    case StmtKind::ReDim: generate_redim(static_cast<const ReDimStmt&>(statement)); break;
  }
  if (m_out.take_unlisted())
    error(statement.pos, "in '" + m_function.name +
                             "', this statement keeps so many values on the stack during a call that an exception "
                             "could not release them all; split it into shorter statements");
}

// A Dim runs each time it is reached: the variable starts again from its
// initial value, or from zero, Nil or a fresh array.
void CodeGenerator::generate_dim(const DimStmt& statement) { initialise_variable(statement.variable); }

void CodeGenerator::initialise_variable(const VariableDecl& variable) {
  if (!variable.symbol) return;
  const FrameSlot& slot = m_function.slots.at(variable.symbol);
  if (slot.type->kind == TypeKind::Array) {
    zero_slot(slot);
    create_array(array_bound(variable.bound.get()));
    m_out.emit("movl %eax, " + frame_operand(slot.offset));
    return;
  }
  if (variable.initial_value) {
    store_slot(slot, generate_as(*variable.initial_value, slot.type));
    return;
  }
  if (slot.type->is_reference()) {
    zero_slot(slot);
    return;
  }
  m_out.emit("movl $0, " + frame_operand(slot.offset));
  if (storage_size(slot.type) == 8) m_out.emit("movl $0, " + frame_operand(slot.offset + 4));
}

// A one-dimensional array of elements 0 to bound, its record in EAX.
void CodeGenerator::create_array(std::int64_t bound) {
  call_routine(routines::create_array);
  m_out.push("%eax");
  m_out.push("$" + std::to_string(bound));
  m_out.push("$0");
  m_out.push("8(%esp)");
  call_routine(routines::add_array_dimension);
  m_out.drop(3);
  m_out.pop("%eax");
}

void CodeGenerator::jump_if_false(const Expr& condition, const std::string& target) {
  generate(condition);
  m_out.emit("testl %eax, %eax");
  m_out.emit("jz " + target);
}

void CodeGenerator::generate_if(const IfStmt& statement) {
  const std::string end = m_out.new_label();
  for (const IfBranch& branch : statement.branches) {
    const std::string next = m_out.new_label();
    jump_if_false(*branch.condition, next);
    generate_block(branch.body);
    m_out.emit("jmp " + end);
    m_out.label(next);
  }
  generate_block(statement.else_body);
  m_out.label(end);
}

void CodeGenerator::generate_loop_end(const std::string& top) {
  if (m_function.background_tasks) call_routine(routines::background_task);
  m_out.emit("jmp " + top);
}

void CodeGenerator::generate_while(const WhileStmt& statement) {
  const std::string top = m_out.new_label();
  const std::string exit = m_out.new_label();
  m_out.label(top);
  jump_if_false(*statement.condition, exit);
  m_function.loops.push_back({ExitTarget::While, exit});
  generate_block(statement.body);
  m_function.loops.pop_back();
  generate_loop_end(top);
  m_out.label(exit);
}

void CodeGenerator::generate_do(const DoStmt& statement) {
  const std::string top = m_out.new_label();
  const std::string exit = m_out.new_label();
  m_out.label(top);
  auto test = [&] {
    if (statement.test == LoopTest::None) return;
    generate(*statement.condition);
    m_out.emit("testl %eax, %eax");
    m_out.emit((statement.test == LoopTest::While ? "jz " : "jnz ") + exit);
  };
  if (!statement.test_at_end) test();
  m_function.loops.push_back({ExitTarget::Do, exit});
  generate_block(statement.body);
  m_function.loops.pop_back();
  if (statement.test_at_end) {
    if (m_function.background_tasks) call_routine(routines::background_task);
    test();
    m_out.emit("jmp " + top);
  } else {
    generate_loop_end(top);
  }
  m_out.label(exit);
}

// For v = first To last [Step s]: the limit and the step are evaluated once;
// the loop ends when v passes the limit in the step's direction.
void CodeGenerator::generate_for(const ForStmt& statement) {
  const Expr& variable = *statement.variable;
  const Type* type = variable.type;
  const ForSlots slots = for_slots(statement);
  store_value_to(variable, [&] { return generate_as(*statement.first, type); });
  store_slot(slots.limit, generate_as(*statement.last, slots.limit.type));
  if (statement.step) {
    store_slot(slots.step, generate_as(*statement.step, slots.step.type));
  } else if (slots.real) {
    m_out.emit("fld1");
    store_slot(slots.step, {ValueClass::Real, false});
  } else {
    m_out.emit("movl $1, " + frame_operand(slots.step.offset));
  }
  const std::string top = m_out.new_label();
  const std::string exit = m_out.new_label();
  m_out.label(top);
  generate_for_test(statement, slots, exit);
  m_function.loops.push_back({ExitTarget::For, exit});
  generate_block(statement.body);
  m_function.loops.pop_back();
  store_value_to(variable, [&] {
    if (slots.real) {
      generate_as(variable, slots.step.type);
      m_out.emit("faddl " + frame_operand(slots.step.offset));
    } else {
      generate(variable);
      m_out.emit("addl " + frame_operand(slots.step.offset) + ", %eax");
      // A step past the largest or smallest Integer ends the loop instead
      // of wrapping around to start it again.
      m_out.emit("jo " + exit);
    }
    return Value{slots.real ? ValueClass::Real : ValueClass::Word, false};
  });
  generate_loop_end(top);
  m_out.label(exit);
}

CodeGenerator::ForSlots CodeGenerator::for_slots(const ForStmt& statement) const {
  const Type* type = statement.variable->type;
  const bool real = value_class(type) == ValueClass::Real;
  const int limit = m_function.hidden.at(&statement);
  const Type* kept = real ? m_semantics.types.double_type() : type;
  return {{limit, kept, false}, {limit + storage_size(type), kept, false}, real};
}

// Leaves for `exit` once the variable has passed the limit; with a step whose
// sign is only known at run time, in the direction the step has then.
void CodeGenerator::generate_for_test(const ForStmt& statement, const ForSlots& slots, const std::string& exit) {
  const Expr& variable = *statement.variable;
  auto compare_and_leave = [&](int sign) {
    if (slots.real) {
      // The variable is loaded first: loading may call a getter, and calls
      // want the x87 stack empty. Then ST0 is the limit and ST1 the variable.
      generate_as(variable, slots.step.type);
      m_out.emit("fldl " + frame_operand(slots.limit.offset));
      m_out.emit("fucomip %st(1), %st");
      m_out.emit("fstp %st(0)");
      m_out.emit((sign > 0 ? "jb " : "ja ") + exit);
    } else {
      generate(variable);
      m_out.emit("cmpl " + frame_operand(slots.limit.offset) + ", %eax");
      m_out.emit((sign > 0 ? "jg " : "jl ") + exit);
    }
  };
  const int sign = known_step_sign(statement.step.get());
  if (sign != 0) {
    compare_and_leave(sign);
    return;
  }
  const std::string downward = m_out.new_label();
  const std::string body = m_out.new_label();
  if (slots.real) {
    m_out.emit("fldz");
    m_out.emit("fldl " + frame_operand(slots.step.offset));
    m_out.emit("fucomip %st(1), %st");
    m_out.emit("fstp %st(0)");
    m_out.emit("jb " + downward);
  } else {
    m_out.emit("cmpl $0, " + frame_operand(slots.step.offset));
    m_out.emit("jl " + downward);
  }
  compare_and_leave(1);
  m_out.emit("jmp " + body);
  m_out.label(downward);
  compare_and_leave(-1);
  m_out.label(body);
}

// The subject is evaluated once into a hidden slot; each Case value is
// compared with it in order, and the first match runs its block.
void CodeGenerator::generate_select(const SelectStmt& statement) {
  const Type* type = statement.subject->type;
  const FrameSlot subject{m_function.hidden.at(&statement), type, false};
  store_slot(subject, generate(*statement.subject));
  const std::string end = m_out.new_label();
  for (const CaseClause& clause : statement.cases) {
    const std::string match = m_out.new_label();
    const std::string next = m_out.new_label();
    for (const ExprPtr& value : clause.values) {
      const Value case_value = generate_as(*value, type);
      if (is_string(type)) {
        const int pushed = push_value(case_value, type);
        m_out.push(frame_operand(subject.offset));
        call_routine(routines::compare_strings);
        finish_call(pushed + 1, m_semantics.types.integer());
        m_out.emit("testl %eax, %eax");
      } else if (case_value.value_class == ValueClass::Real) {
        m_out.emit((type->kind == TypeKind::Single ? "flds " : "fldl ") + frame_operand(subject.offset));
        m_out.emit("fucomip %st(1), %st");
        m_out.emit("fstp %st(0)");
      } else {
        m_out.emit("cmpl " + frame_operand(subject.offset) + ", %eax");
      }
      m_out.emit("je " + match);
    }
    m_out.emit("jmp " + next);
    m_out.label(match);
    generate_block(clause.body);
    m_out.emit("jmp " + end);
    m_out.label(next);
  }
  generate_block(statement.else_body);
  m_out.label(end);
  if (is_string(type)) zero_slot(subject);
}

void CodeGenerator::generate_return(const ReturnStmt& statement) {
  if (statement.value && m_function.result.type) {
    // The caller owns what a function returns.
    const Value value = generate_as(*statement.value, m_function.result.type);
    store_slot(m_function.result, value);
  }
  m_out.emit("jmp " + m_function.exit_label);
}

void CodeGenerator::generate_exit(const ExitStmt& statement) {
  if (statement.target == ExitTarget::Sub || statement.target == ExitTarget::Function) {
    m_out.emit("jmp " + m_function.exit_label);
    return;
  }
  for (auto loop = m_function.loops.rbegin(); loop != m_function.loops.rend(); ++loop) {
    if (loop->kind != statement.target) continue;
    m_out.emit("jmp " + loop->exit);
    return;
  }
}

void CodeGenerator::generate_raise(const RaiseStmt& statement) {
  const Value value = generate(*statement.value);
  const int pushed = push_value(value, statement.value->type);
  call_routine(routines::raise);
  finish_call(pushed, m_semantics.types.void_type());
}

}  // namespace zc
