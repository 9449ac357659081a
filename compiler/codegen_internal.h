// The code generator's state, shared by its parts: functions with their
// frames, prologues, epilogues and trailers (codegen_functions.cpp),
// statements (codegen_statements.cpp), expressions (codegen_expressions.cpp),
// calls and references (codegen_calls.cpp), stores (codegen_stores.cpp), and
// the image data (image_data_*.cpp).
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "compiler/assembly_writer.h"
#include "compiler/codegen.h"
#include "compiler/literal_pool.h"
#include "compiler/program_layout.h"

namespace zc {

// Where a value lives while it is worked on: 32-bit values in EAX, Double and
// Single values on the x87 stack (Single is stored as a float, computed as a
// double).
enum class ValueClass { None, Word, Real };
ValueClass value_class(const Type* type);
bool is_string(const Type* type);
bool is_object_reference(const Type* type);  // an object of any class, or Object
SlotKind owned_kind(const Type* type);        // the slot kind of an owned reference of this type

// The object a call is made on, as in `list.Cell(1, 2)`; null for Self.
const Expr* receiver_of(const CallExpr& call);

// A property pair of a window definition as stored: name and value text.
using StoredPair = std::pair<std::string, std::string>;

// An evaluated expression: its class and whether its reference is owned by
// the generated code (a runtime result, New) and must be released after use.
struct Value {
  ValueClass value_class = ValueClass::None;
  bool owned = false;
};

struct FrameSlot {
  int offset = 0;  // from the frame pointer
  const Type* type = nullptr;
  bool by_ref = false;  // holds the address of the variable
};

struct LoopLabels {
  ExitTarget kind;
  std::string exit;
};

// The function being generated.
struct FunctionState {
  std::string name;  // as the program writes it, for messages
  std::map<const Symbol*, FrameSlot> slots;
  std::map<const Stmt*, int> hidden;  // For limits and steps, Select subjects
  std::vector<FrameSlot> released;    // reference slots released on exit and listed in the trailer
  std::vector<FrameSlot> arrays;      // local arrays disposed on exit
  std::vector<std::pair<int, FrameSlot>> parameter_copies;  // argument offset, the method's own copy
  int frame_size = 4;                 // bytes below the frame pointer; -4 is the first local
  std::string exit_label;
  FrameSlot result;                   // type null for a Sub
  int self_offset = 8;                // where Self is read, from the frame pointer
  bool background_tasks = true;
  std::vector<LoopLabels> loops;
  std::vector<std::pair<const ExceptionHandler*, std::string>> handlers;
  std::string array_handler;  // the label of the handler that disposes local arrays, if any
  int handling_offset = 0;    // with arrays and handlers: the slot that is 1 once a handler runs
};

// What a function to generate is: its label, parameters, body and handlers.
struct FunctionPlan {
  std::string label;
  const ClassInfo* self_class = nullptr;  // null for the entry
  const MethodDecl* method = nullptr;     // null for generated routines
  bool self_from_control = false;         // a control's handler: Self is the control's window
  int extra_parameter_words = 0;          // lifecycle routines also get the class record
  std::function<void()> body;             // generated routines' own body
};

class CodeGenerator {
 public:
  CodeGenerator(const Program& program, const Semantics& semantics, const RuntimeInterface& runtime,
                const CodegenOptions& options, Diagnostics& diagnostics)
      : m_program(program), m_semantics(semantics), m_options(options), m_diagnostics(diagnostics),
        m_layout(semantics, runtime) {}

  std::string run();

  // Functions (codegen_functions.cpp).
  void generate_methods(const ClassInfo& info);
  void generate_function(const FunctionPlan& plan);
  void allocate_frame(const FunctionPlan& plan);
  void allocate_block(const Block& block);
  void allocate_local(const Symbol* symbol);
  int allocate_hidden(int bytes);
  void emit_prologue(const FunctionPlan& plan);
  void emit_exit();
  void emit_trailer();
  void emit_handlers(const MethodDecl& method);
  void pass_on_quit();
  void enter_handling();
  void emit_array_handler();
  const ClassInfo* handler_class(const ExceptionHandler& handler) const;
  void generate_lifecycle(const ClassInfo& info);
  bool needs_lifecycle(const ClassInfo& info) const;
  void generate_entry();
  std::int64_t array_bound(const Expr* bound) const;

  // Statements (codegen_statements.cpp).
  void generate_block(const Block& block);
  void generate_statement(const Stmt& statement);
  void generate_dim(const DimStmt& statement);
  void generate_if(const IfStmt& statement);
  void generate_for(const ForStmt& statement);
  // A For loop's hidden slots: its limit, then its step.
  struct ForSlots {
    FrameSlot limit;
    FrameSlot step;
    bool real;
  };
  ForSlots for_slots(const ForStmt& statement) const;
  void generate_for_test(const ForStmt& statement, const ForSlots& slots, const std::string& exit);
  void generate_while(const WhileStmt& statement);
  void generate_do(const DoStmt& statement);
  void generate_select(const SelectStmt& statement);
  void generate_return(const ReturnStmt& statement);
  void generate_exit(const ExitStmt& statement);
  void generate_raise(const RaiseStmt& statement);
  void generate_redim(const ReDimStmt& statement);
  void generate_loop_end(const std::string& top);
  void jump_if_false(const Expr& condition, const std::string& target);
  void create_array(std::int64_t bound);
  void initialise_variable(const VariableDecl& variable);

  // Expressions (codegen_expressions.cpp).
  Value generate(const Expr& expression);
  Value generate_as(const Expr& expression, const Type* wanted);
  Value converted(Value value, const Type* from, const Type* wanted);
  void convert(const Type* from, const Type* to);
  Value generate_constant(const Symbol& constant);
  Value generate_real_constant(double value);
  Value generate_name(const NameExpr& name);
  Value generate_member(const MemberExpr& member);
  Value generate_unary(const UnaryExpr& unary);
  Value generate_binary_chain(const BinaryExpr& top);
  Value generate_binary(const BinaryExpr& binary, Value left);
  Value generate_arithmetic(const BinaryExpr& binary, Value left);
  Value generate_integer_arithmetic(const BinaryExpr& binary, Value left);
  Value generate_real_arithmetic(const BinaryExpr& binary, Value left);
  Value generate_comparison(const BinaryExpr& binary, Value left);
  Value generate_string_concatenation(const BinaryExpr& binary, Value left);
  Value generate_isa(const IsAExpr& test);
  Value generate_new(const NewExpr& creation);
  Value generate_string_literal(const std::string& text);
  Value load_slot(const FrameSlot& slot);
  Value load_global(const Symbol& global);
  Value load_field(const Symbol& property, const Expr* object);
  Value load_self();
  Value implicit_instance(const ClassInfo& window);
  Value fetch_control(const Symbol& control, const Expr* window);
  Value generate_object(const Expr* object);  // Self when null
  void check_not_nil();

  // Calls and references (codegen_calls.cpp).
  Value generate_call(const CallExpr& call);
  Value generate_method_call(const CallExpr& call, const Symbol& method);
  void push_receiver(const Expr* object);
  Value generate_routine_call(const std::string& routine, const Signature& signature,
                              const std::vector<ExprPtr>& arguments, const Expr* object, bool has_object);
  Value generate_element(const CallExpr& call);
  Value generate_cast(const CallExpr& call);
  int push_arguments(const Signature& signature, const std::vector<ExprPtr>& arguments);
  int push_value(const Value& value, const Type* type);
  // After a call: releases the owned references among the arguments, keeping
  // the result, and pops the arguments. The result of a call is owned.
  Value finish_call(int argument_words, const Type* result, bool result_owned = true);
  void release_owned(const Value& value, const Type* type);
  void lock_value(const Type* type);
  void call_routine(std::string_view routine);
  void push_address(const Expr& variable);

  // Stores (codegen_stores.cpp).
  void generate_assign(const Expr& target, const Expr& value);
  void store_value_to(const Expr& target, const std::function<Value()>& value);
  void store_slot(const FrameSlot& slot, const Value& value);
  void store_at(const std::string& address, const Type* type, const Value& value);
  void store_field(const Symbol& property, const Expr* object, const std::function<Value()>& value);
  void store_runtime_property(const Symbol& property, const Expr* object, const std::function<Value()>& value);
  void store_element(const CallExpr& element, const std::function<Value()>& value);
  void store_property_with_arguments(const CallExpr& call, const std::function<Value()>& value);
  void zero_slot(const FrameSlot& slot);

  // Image data (image_data_*.cpp).
  void write_data();
  void write_globals();
  void write_class_descriptors();
  void write_class_descriptor(int index, const ClassTableEntry& entry);
  std::vector<std::string> control_descriptor(const ClassTableEntry& entry);
  std::vector<std::string> class_descriptor(const ClassInfo& info);
  void append_members(const ClassInfo& info, std::vector<std::string>& fields);
  void write_window_definitions();
  void write_window_definition(const ClassInfo& window);
  std::vector<StoredPair> stored_pairs(const std::vector<DefinitionProperty>& properties) const;
  std::vector<StoredPair> control_pairs(const ControlDecl& control) const;
  void write_menu_definition();
  void write_settings();
  void write_plugins();
  void write_application_descriptor();
  std::string literal_label(const std::string& text);

  const ClassInfo* runtime_class(std::string_view name) const;

  // Reporting.
  void error(SourcePos pos, const std::string& message);

  const Program& m_program;
  const Semantics& m_semantics;
  const CodegenOptions& m_options;
  Diagnostics& m_diagnostics;
  ProgramLayout m_layout;
  AssemblyWriter m_out;
  LiteralPool m_literals;
  FunctionState m_function;
  const ClassInfo* m_class = nullptr;
  const SourceFile* m_file = nullptr;
  std::vector<std::string> m_project_objects;  // labels of project-object descriptors
  bool m_has_plugins = false;
};

}  // namespace zc
