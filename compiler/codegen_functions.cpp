// Functions: the frame (parameters above the frame pointer, the exception
// variable as the first local, then locals and hidden slots), the prologue that zeroes the frame,
// copies every reference parameter with a reference of its own and calls the
// stack check,
// the one exit that releases what the frame holds and ends in "leave; ret"
// with the cleanup trailer, and the handlers behind the body.
#include "compiler/codegen_internal.h"
#include "compiler/codegen_routines.h"
#include "compiler/names.h"
#include "compiler/text_format.h"
#include "runtime/interface/image_format.h"

namespace zc {

namespace {

namespace format = zif::image_format;

std::string frame_operand(int offset) { return std::to_string(offset) + "(%ebp)"; }

// Trailer operands are big-endian.
std::string big_endian(std::uint32_t value, int bytes) {
  std::string text;
  for (int i = bytes - 1; i >= 0; --i)
    text += (text.empty() ? "" : ", ") + std::to_string((value >> (8 * i)) & 0xFF);
  return text;
}

int parameter_bytes(const Parameter& parameter) {
  if (parameter.by_ref || !parameter.symbol) return 4;
  return storage_size(parameter.symbol->type);
}

}  // namespace

void CodeGenerator::generate_methods(const ClassInfo& info) {
  m_class = &info;
  for (const MethodDecl& method : info.decl->methods)
    if (method.has_body) generate_function({method_label(info, method), &info, &method, false, 0, nullptr});
  for (const ControlDecl& control : info.decl->controls)
    for (const MethodDecl& handler : control.handlers)
      generate_function({control_handler_label(info, control, handler), &info, &handler, true, 0, nullptr});
  if (needs_lifecycle(info)) generate_lifecycle(info);
}

void CodeGenerator::generate_function(const FunctionPlan& plan) {
  m_function = FunctionState{};
  m_function.name = plan.method ? std::string(plan.method->name) : plan.label;
  m_function.exit_label = m_out.new_label();
  m_function.background_tasks = !plan.method || plan.method->background_tasks;
  allocate_frame(plan);
  if (!m_function.arrays.empty() && runtime_class("RuntimeException")) m_function.array_handler = m_out.new_label();
  emit_prologue(plan);
  if (plan.body) plan.body();
  if (plan.method) {
    generate_block(plan.method->body);
    if (!plan.method->handlers.empty()) m_out.emit("jmp " + m_function.exit_label);
    emit_handlers(*plan.method);
  }
  if (!m_function.arrays.empty()) m_out.emit("jmp " + m_function.exit_label);
  emit_array_handler();
  emit_exit();
}

void CodeGenerator::allocate_frame(const FunctionPlan& plan) {
  int offset = plan.self_class ? 12 : 8;
  offset += 4 * plan.extra_parameter_words;
  if (plan.method) {
    for (const Parameter& parameter : plan.method->parameters) {
      if (!parameter.symbol) continue;
      FrameSlot slot{offset, parameter.symbol->type, parameter.by_ref};
      offset += parameter_bytes(parameter);
      const bool counted = !parameter.by_ref && parameter.symbol->type->is_reference() &&
                           parameter.symbol->type->kind != TypeKind::Array;
      if (!counted) {
        m_function.slots[parameter.symbol] = slot;
        continue;
      }
      // The pushed argument belongs to the caller, which releases it after
      // the call or as an exception passes; the method works on a copy of
      // its own, with its own reference.
      const FrameSlot copy{allocate_hidden(4), slot.type, false};
      m_function.slots[parameter.symbol] = copy;
      m_function.parameter_copies.emplace_back(slot.offset, copy);
      m_function.released.push_back(copy);
    }
    if (plan.method->symbol && plan.method->symbol->signature.result->kind != TypeKind::Void) {
      const Type* type = plan.method->symbol->signature.result;
      m_function.result = {allocate_hidden(storage_size(type)), type, false};
    }
    allocate_block(plan.method->body);
    for (const ExceptionHandler& handler : plan.method->handlers) {
      if (handler.symbol) m_function.slots[handler.symbol] = {format::exception_variable_offset, handler.symbol->type, false};
      allocate_block(handler.body);
    }
    if (!m_function.arrays.empty() && !plan.method->handlers.empty()) m_function.handling_offset = allocate_hidden(4);
  }
  if (plan.self_from_control) m_function.self_offset = allocate_hidden(4);
}

int CodeGenerator::allocate_hidden(int bytes) {
  m_function.frame_size += bytes;
  return -m_function.frame_size;
}

void CodeGenerator::allocate_local(const Symbol* symbol) {
  if (!symbol || m_function.slots.count(symbol)) return;
  FrameSlot slot{allocate_hidden(storage_size(symbol->type)), symbol->type, false};
  m_function.slots[symbol] = slot;
  if (symbol->type->kind == TypeKind::Array) m_function.arrays.push_back(slot);
  else if (symbol->type->is_reference()) m_function.released.push_back(slot);
}

void CodeGenerator::allocate_block(const Block& block) {
  for (const StmtPtr& statement : block) {
    switch (statement->kind) {
      case StmtKind::Dim: allocate_local(static_cast<const DimStmt&>(*statement).variable.symbol); break;
      case StmtKind::If: {
        const auto& branches = static_cast<const IfStmt&>(*statement);
        for (const IfBranch& branch : branches.branches) allocate_block(branch.body);
        allocate_block(branches.else_body);
        break;
      }
      case StmtKind::For: {
        const auto& loop = static_cast<const ForStmt&>(*statement);
        const auto& variable = static_cast<const NameExpr&>(*loop.variable);
        if (variable.symbol && variable.symbol->kind == SymbolKind::Local) allocate_local(variable.symbol);
        const int bytes = variable.type ? storage_size(variable.type) : 4;
        m_function.hidden[statement.get()] = allocate_hidden(2 * bytes);  // the limit, then the step
        allocate_block(loop.body);
        break;
      }
      case StmtKind::While: allocate_block(static_cast<const WhileStmt&>(*statement).body); break;
      case StmtKind::Do: allocate_block(static_cast<const DoStmt&>(*statement).body); break;
      case StmtKind::Select: {
        const auto& select = static_cast<const SelectStmt&>(*statement);
        const Type* type = select.subject->type;
        const int offset = allocate_hidden(storage_size(type));
        m_function.hidden[statement.get()] = offset;
        if (is_string(type)) m_function.released.push_back({offset, type, false});
        for (const CaseClause& clause : select.cases) allocate_block(clause.body);
        allocate_block(select.else_body);
        break;
      }
      default: break;
    }
  }
}

void CodeGenerator::emit_prologue(const FunctionPlan& plan) {
  m_out.emit(".text");
  m_out.label(plan.label);
  m_out.emit("pushl %ebp");
  m_out.emit("movl %esp, %ebp");
  m_out.emit("subl $" + std::to_string(m_function.frame_size) + ", %esp");
  for (int offset = 4; offset <= m_function.frame_size; offset += 4) m_out.emit("movl $0, " + frame_operand(-offset));
  for (const auto& [argument, copy] : m_function.parameter_copies) {
    m_out.emit("movl " + frame_operand(argument) + ", %eax");
    m_out.emit("movl %eax, " + frame_operand(copy.offset));
    m_out.push("%eax");
    call_routine(is_string(copy.type) ? routines::lock_string : routines::lock_object);
    m_out.drop(1);
  }
  call_routine(routines::stack_check);
  if (plan.self_from_control) {
    // A control's handler gets the control; its code works on the window,
    // which the control holds as its first field.
    m_out.emit("movl 8(%ebp), %eax");
    m_out.emit("movl 16(%eax), %eax");
    m_out.emit("movl %eax, " + frame_operand(m_function.self_offset));
  }
}

// Calls from handler code carry the inside-a-handler marker, so that an
// exception raised there passes this function's handlers. The walk then
// skips the array handler too, which would leave the local arrays behind; so
// in a function with local arrays handler calls go unmarked, and every
// handler sends an exception that arrives while a handler already runs to
// the array handler, which disposes the arrays and raises it on, marked.
void CodeGenerator::emit_handlers(const MethodDecl& method) {
  const bool guarded = m_function.handling_offset != 0 && !m_function.array_handler.empty();
  for (const ExceptionHandler& handler : method.handlers) {
    const std::string label = m_out.new_label();
    m_function.handlers.emplace_back(&handler, label);
    m_out.label(label);
    // The exception walk leaves the stack pointer where the raise was.
    m_out.emit("leal -" + std::to_string(m_function.frame_size) + "(%ebp), %esp");
    m_out.reset_stack();
    if (guarded) enter_handling();
    m_out.set_in_handler(!guarded);
    if (handler.type.name.empty()) pass_on_quit();
    generate_block(handler.body);
    m_out.set_in_handler(false);
    m_out.emit("jmp " + m_function.exit_label);
  }
}

void CodeGenerator::enter_handling() {
  const std::string flag = frame_operand(m_function.handling_offset);
  m_out.emit("cmpl $0, " + flag);
  m_out.emit("jne " + m_function.array_handler);
  m_out.emit("movl $1, " + flag);
}

// A handler without a class takes every exception but the one that quitting
// raises: catching that would leave the application running after Quit. It
// raises it again from inside the handler, where this function's own
// handlers do not take it.
void CodeGenerator::pass_on_quit() {
  const ClassInfo* quit = runtime_class("EndException");
  if (!quit) return;
  const std::string other = m_out.new_label();
  m_out.push("$" + std::to_string(m_layout.class_index(quit)));
  m_out.push(frame_operand(format::exception_variable_offset));
  call_routine(routines::object_isa);
  m_out.drop(2);
  m_out.emit("testl %eax, %eax");
  m_out.emit("jz " + other);
  m_out.push(frame_operand(format::exception_variable_offset));
  call_routine(routines::raise);
  m_out.drop(1);
  m_out.label(other);
}

void CodeGenerator::emit_exit() {
  m_out.label(m_function.exit_label);
  m_out.reset_stack();
  for (const FrameSlot& slot : m_function.released) zero_slot(slot);
  for (const FrameSlot& slot : m_function.arrays) zero_slot(slot);
  zero_slot({format::exception_variable_offset, m_semantics.types.object(), false});
  if (m_function.result.type) {
    const FrameSlot& result = m_function.result;
    if (value_class(result.type) == ValueClass::Real)
      m_out.emit((result.type->kind == TypeKind::Single ? "flds " : "fldl ") + frame_operand(result.offset));
    else
      m_out.emit("movl " + frame_operand(result.offset) + ", %eax");
  }
  m_out.emit("leave");
  m_out.emit("ret");
  emit_trailer();
}

// The class a handler takes; null for one written without a class.
const ClassInfo* CodeGenerator::handler_class(const ExceptionHandler& handler) const {
  if (handler.symbol && handler.symbol->type->kind == TypeKind::Class) return handler.symbol->type->class_info;
  if (handler.type.name.empty()) return nullptr;
  for (const ClassInfo* info : m_semantics.classes)
    if (equal_ignoring_case(info->name, handler.type.name)) return info;
  return runtime_class(handler.type.name);
}

// A method with local arrays gets a last handler of its own, listed after
// every cleanup: an exception that passes the method disposes the arrays
// there and is raised again from inside it, so it goes on to the callers.
void CodeGenerator::emit_array_handler() {
  if (m_function.array_handler.empty()) return;
  m_out.label(m_function.array_handler);
  m_out.emit("leal -" + std::to_string(m_function.frame_size) + "(%ebp), %esp");
  m_out.reset_stack();
  m_out.set_in_handler(true);
  for (const FrameSlot& slot : m_function.arrays) zero_slot(slot);
  m_out.push(frame_operand(format::exception_variable_offset));
  call_routine(routines::raise);
  m_out.drop(1);
  m_out.set_in_handler(false);
}

// The program's handlers come first, so that the locals are still there when
// one takes the exception. Handler entries point at jumps placed right after
// the trailer, which keeps every displacement a constant of the trailer's size.
void CodeGenerator::emit_trailer() {
  std::vector<FrameSlot> cleanups = m_function.released;
  if (m_function.result.type && m_function.result.type->is_reference()) cleanups.push_back(m_function.result);
  struct HandlerEntry {
    int class_index;
    std::string label;
  };
  std::vector<HandlerEntry> handlers;
  for (const auto& [handler, label] : m_function.handlers) {
    // A handler without a class takes every exception: all derive from the root.
    const ClassInfo* taken = handler_class(*handler);
    if (!taken) taken = runtime_class("RuntimeException");
    if (!taken) error(handler->pos, "a handler without a class needs the runtime's class RuntimeException");
    handlers.push_back({taken ? m_layout.class_index(taken) : 0, label});
  }
  const int program_handlers = static_cast<int>(handlers.size());
  if (!m_function.array_handler.empty())
    handlers.push_back({m_layout.class_index(runtime_class("RuntimeException")), m_function.array_handler});
  // Offsets from the first entry; the handlers' jumps follow the trailer's end.
  const int cleanup_bytes = format::trailer_release_size * static_cast<int>(cleanups.size());
  const int trailer_end = format::trailer_handler_size * static_cast<int>(handlers.size()) + cleanup_bytes + 1;
  auto emit_handler = [&](int k, int entry_start) {
    const int displacement = trailer_end + 5 * k - (entry_start + format::handler_displacement_origin);
    m_out.emit(".byte " + std::to_string(format::trailer_entry::handler) + ", " +
               big_endian(static_cast<std::uint32_t>(handlers[static_cast<std::size_t>(k)].class_index), 2) + ", " +
               big_endian(static_cast<std::uint32_t>(displacement), 4));
  };
  m_out.emit(".byte " + text::hex(format::list_marker));
  for (int k = 0; k < program_handlers; ++k) emit_handler(k, format::trailer_handler_size * k);
  for (const FrameSlot& slot : cleanups) {
    const int kind = is_string(slot.type) ? format::trailer_entry::release_local_string
                                           : format::trailer_entry::release_local_object;
    m_out.emit(".byte " + std::to_string(kind) + ", " +
               big_endian(static_cast<std::uint32_t>(slot.offset) & 0xFFFF, 2));
  }
  if (!m_function.array_handler.empty()) emit_handler(program_handlers, format::trailer_handler_size * program_handlers + cleanup_bytes);
  m_out.emit(".byte " + std::to_string(format::list_end));
  for (const HandlerEntry& handler : handlers) {
    m_out.emit(".byte 0xE9");
    m_out.emit(".long " + handler.label + " - . - 4");
  }
}

// Releases a slot on the way out and leaves it zero, so that nothing is
// released twice should a destructor run by the release raise.
void CodeGenerator::zero_slot(const FrameSlot& slot) {
  const std::string done = m_out.new_label();
  m_out.emit("movl " + frame_operand(slot.offset) + ", %eax");
  m_out.emit("testl %eax, %eax");
  m_out.emit("jz " + done);
  m_out.emit("movl $0, " + frame_operand(slot.offset));
  m_out.push("%eax");
  if (slot.type->kind == TypeKind::Array) {
    const Type* element = slot.type->element;
    call_routine(is_string(element)                         ? routines::dispose_string_array
                 : element && element->is_reference() ? routines::dispose_object_array
                                                       : routines::dispose_number_array);
  } else {
    call_routine(is_string(slot.type) ? routines::unlock_string : routines::unlock_object);
  }
  m_out.drop(1);
  m_out.label(done);
}

}  // namespace zc
