// The checker's passes and its declarations: the runtime's classes, routines
// and built-in functions first, then the program's classes (names, then
// bases, then members), globals and constants, then the definitions and the
// method bodies. Names are declared before any body is checked, so a method
// may use what is declared after it.
#include "compiler/checker.h"

#include "compiler/checker_internal.h"
#include "compiler/lexer.h"
#include "compiler/names.h"
#include "compiler/parser.h"
#include "compiler/text_format.h"
#include "runtime/interface/window_members.h"

#include <algorithm>
#include <iterator>
#include <unordered_map>

namespace zc {

std::unique_ptr<Semantics> check(Program& program, const RuntimeInterface& runtime, Diagnostics& diagnostics) {
  auto semantics = std::make_unique<Semantics>();
  Checker(program, runtime, diagnostics, *semantics).run();
  return semantics;
}

void Checker::run() {
  import_runtime();
  import_builtins();
  import_plugin_methods();
  declare_classes();
  for (Unit& unit : m_program.units) declare_globals(unit);
  for (auto& [info, file] : m_program_classes) {
    m_file = file;
    link_class(*info);
  }
  break_inheritance_cycles();
  for (auto& [info, file] : m_program_classes) {
    m_file = file;
    declare_members(*info);
  }
  for (auto& [info, file] : m_program_classes) {
    m_file = file;
    check_interfaces_implemented(*info);
  }
  check_program_singletons();
  check_menu_bars();
  check_settings();
  for (auto& [info, file] : m_program_classes) {
    m_file = file;
    check_bodies(*info);
    m_semantics.classes.push_back(info);
  }
}

void Checker::error(SourcePos pos, const std::string& message) { error_in(m_file, pos, message); }

void Checker::error_in(const SourceFile* file, SourcePos pos, const std::string& message) {
  static const SourceFile k_nowhere{"zc", ""};
  m_diagnostics.error(file ? *file : k_nowhere, pos.line, pos.column, message);
}

// ------------------------------------------------------- the runtime's interface

void Checker::import_runtime() {
  for (const zif::RoutineDecl& routine : m_runtime.routines) {
    Symbol* symbol = m_symbols.make(SymbolKind::Routine, std::string(routine.name), nullptr, {});
    for (std::size_t i = 0; i < routine.params.size(); ++i)
      symbol->signature.parameters.push_back({"p" + std::to_string(i + 1), type_of_letter(routine.params[i]), false});
    symbol->signature.result = symbol->type = type_of_letter(routine.result);
    symbol->routine = routine.name;
    m_routines[name_key(routine.name)] = symbol;
  }
  std::vector<std::pair<ClassInfo*, const zif::ClassDecl*>> imported;
  for (const zif::ClassDecl& decl : m_runtime.classes) {
    ClassInfo* info = m_symbols.make_class(std::string(decl.name));
    info->is_runtime = true;
    Symbol* symbol = m_symbols.make(SymbolKind::Class, info->name, m_types.class_type(info), {});
    symbol->class_info = info;
    info->symbol = symbol;
    m_classes[name_key(decl.name)] = info;
    m_semantics.runtime_classes[name_key(decl.name)] = info;
    m_globals[name_key(decl.name)] = symbol;
    imported.emplace_back(info, &decl);
  }
  for (auto& [info, decl] : imported) {
    if (!decl->superclass.empty()) info->base = runtime_class(decl->superclass);
    import_runtime_class_members(*info, *decl);
  }
}

void Checker::import_runtime_class_members(ClassInfo& info, const zif::ClassDecl& decl) {
  for (const zif::PropertyDecl& property : decl.properties) {
    std::string where = info.name + "." + std::string(property.name);
    Symbol* symbol = m_symbols.make(SymbolKind::Property, std::string(property.name),
                                    runtime_type(property.type, where), {});
    symbol->owner = &info;
    symbol->getter = property.getter;
    symbol->setter = property.setter;
    symbol->parameter_word = property.param;
    symbol->read_only = property.setter.empty();
    if (!property.params.empty()) import_property_parameters(*symbol, property, where);
    info.members[name_key(property.name)] = symbol;
  }
  for (const zif::MethodDecl& method : decl.methods) {
    auto parsed = runtime_signature(method.declaration, info.name + " method", false);
    if (!parsed) continue;
    Symbol* symbol = m_symbols.make(SymbolKind::Method, parsed->first, parsed->second.result, {});
    symbol->owner = &info;
    symbol->signature = parsed->second;
    symbol->routine = method.routine;
    info.members[name_key(parsed->first)] = symbol;
  }
  for (const zif::EventDecl& event : decl.events) {
    auto parsed = runtime_signature(event.params, info.name + "." + std::string(event.name), true);
    if (!parsed) continue;
    EventInfo& info_event = info.events[name_key(event.name)];
    info_event.name = event.name;
    info_event.signature = parsed->second;
    info_event.signature.result = event.result.empty() ? m_types.void_type() : runtime_type(event.result, event.name);
    info_event.code = event.code;
  }
}

// A property with parameters passes them where other properties pass the
// parameter word, so its accessors take that many words more.
void Checker::import_property_parameters(Symbol& property, const zif::PropertyDecl& decl, const std::string& where) {
  auto parsed = runtime_signature(decl.params, where, true);
  if (!parsed) return;
  property.signature.parameters = parsed->second.parameters;
  property.signature.result = property.type;
  const std::size_t count = property.signature.parameters.size();
  for (auto [routine, words] : {std::pair{decl.getter, count + 1}, std::pair{decl.setter, count + 2}}) {
    if (routine.empty()) continue;
    auto found = m_routines.find(name_key(routine));
    if (found == m_routines.end() || found->second->signature.parameters.size() != words)
      error_in(nullptr, {}, text::format("runtime interface: {} needs the routine '{}' taking {} words", where,
                                         routine, words));
  }
}

// The runtime's tables write signatures in the language's own syntax, so they
// are read with the language's lexer and parser.
std::optional<std::pair<std::string, Signature>> Checker::runtime_signature(std::string_view text,
                                                                            std::string_view where,
                                                                            bool is_event_list) {
  SourceFile file{"runtime interface (" + std::string(where) + ")",
                  is_event_list ? "E(" + std::string(text) + ")" : std::string(text)};
  int errors_before = m_diagnostics.error_count();
  std::vector<Token> tokens = tokenize(file, m_diagnostics);
  MethodDecl parsed = parse_signature(file, tokens, m_diagnostics);
  if (m_diagnostics.error_count() != errors_before) return std::nullopt;
  Signature signature;
  for (const Parameter& parameter : parsed.parameters) {
    const Type* type = runtime_type(parameter.type.name, where);
    if (parameter.type.is_array) type = m_types.array_of(type);
    signature.parameters.push_back({std::string(parameter.name), type, parameter.by_ref});
  }
  signature.result = parsed.result.name.empty() ? m_types.void_type() : runtime_type(parsed.result.name, where);
  return std::make_pair(std::string(parsed.name), signature);
}

const Type* Checker::runtime_type(std::string_view name, std::string_view where) {
  if (const Type* builtin = m_types.builtin(name)) return builtin;
  if (const ClassInfo* info = runtime_class(name)) return m_types.class_type(info);
  error_in(nullptr, {}, text::format("runtime interface: {} has the unknown type '{}'", where, name));
  return m_types.error();
}

const Type* Checker::type_of_letter(char letter) {
  switch (letter) {
    case 'i': case 'u': return m_types.integer();
    case 'b': return m_types.boolean();
    case 'd': return m_types.double_type();
    case 'f': return m_types.single();
    case 'c': return m_types.color();
    case 's': return m_types.string();
    case 'a': return m_types.any_array();
    case 'p': return m_types.pointer();
    case 'o': return m_types.object();
    default: return m_types.void_type();
  }
}

// A built-in function takes its routine's parameters and result.
void Checker::import_builtins() {
  for (const zif::BuiltinDecl& builtin : m_runtime.builtins) {
    auto routine = m_routines.find(name_key(builtin.routine));
    if (routine == m_routines.end()) {
      error_in(nullptr, {}, text::format("runtime interface: the built-in '{}' calls the undeclared routine '{}'",
                                         builtin.name, builtin.routine));
      continue;
    }
    Symbol* symbol = m_symbols.make(SymbolKind::Routine, std::string(builtin.name), nullptr, {});
    symbol->signature = routine->second->signature;
    const ClassInfo* result_class = builtin.result_class.empty() ? nullptr : runtime_class(builtin.result_class);
    if (result_class && symbol->signature.result->kind == TypeKind::Object)
      symbol->signature.result = m_types.class_type(result_class);
    symbol->type = symbol->signature.result;
    symbol->routine = builtin.routine;
    m_builtins[name_key(builtin.name)].push_back(symbol);
  }
}

// Plug-ins' global methods are called like built-in functions.
void Checker::import_plugin_methods() {
  for (const zif::MethodDecl& method : m_runtime.global_methods) {
    auto parsed = runtime_signature(method.declaration, "plug-in method", false);
    if (!parsed) continue;
    Symbol* symbol = m_symbols.make(SymbolKind::Routine, parsed->first, parsed->second.result, {});
    symbol->signature = parsed->second;
    symbol->routine = method.routine;
    m_builtins[name_key(parsed->first)].push_back(symbol);
  }
}

const ClassInfo* Checker::runtime_class(std::string_view name) const {
  auto found = m_classes.find(name_key(name));
  return found != m_classes.end() && found->second->is_runtime ? found->second : nullptr;
}

// ------------------------------------------------------------ program classes

void Checker::declare_classes() {
  for (Unit& unit : m_program.units) {
    m_file = unit.file;
    for (ClassDecl& decl : unit.classes) {
      if (decl.name.empty()) continue;
      const std::string key = name_key(decl.name);
      if (auto existing = m_classes.find(key); existing != m_classes.end()) {
        error(decl.pos, existing->second->is_runtime
                            ? text::format("'{}' is already a class of the runtime", decl.name)
                            : text::format("the class '{}' is declared twice", decl.name));
        continue;
      }
      ClassInfo* info = m_symbols.make_class(std::string(decl.name));
      info->decl = &decl;
      info->is_interface = decl.kind == ClassKind::Interface;
      info->is_window = decl.kind == ClassKind::Window;
      Symbol* symbol = m_symbols.make(SymbolKind::Class, info->name, m_types.class_type(info), decl.pos);
      symbol->class_info = info;
      info->symbol = symbol;
      decl.symbol = symbol;
      m_classes[key] = info;
      m_globals[key] = symbol;
      m_program_classes.emplace_back(info, unit.file);
    }
  }
}

void Checker::link_class(ClassInfo& info) {
  ClassDecl& decl = *const_cast<ClassDecl*>(info.decl);
  if (!decl.base.name.empty()) {
    const ClassInfo* base = resolve_class(decl.base, "base class");
    if (base && base->is_interface) {
      error(decl.base.pos, text::format("'{}' is an interface; use Implements for it", base->name));
    } else {
      info.base = base;
    }
  } else if (info.is_window) {
    info.base = runtime_class("Window");
  }
  for (const TypeName& name : decl.interfaces) {
    const ClassInfo* implemented = resolve_class(name, "interface");
    if (implemented && !implemented->is_interface)
      error(name.pos, text::format("'{}' is a class, not an interface", implemented->name));
    else if (implemented)
      info.interfaces.push_back(implemented);
  }
}

// One depth-first walk over every class's base and interfaces, colouring each
// class as on the current path or done, finds every cycle in time linear in
// the classes and links. The link that closes a cycle is reported and
// dropped, so that every later walk up a class's ancestors ends.
void Checker::break_inheritance_cycles() {
  constexpr int k_done = -1;
  std::unordered_map<const ClassInfo*, int> path_index;  // on the path: its index there; absent: not reached yet
  std::unordered_map<const ClassInfo*, const SourceFile*> files;
  for (auto& [info, file] : m_program_classes) files[info] = file;
  struct Step {
    ClassInfo* info;
    std::size_t next_link = 0;  // 0: the base; i > 0: interface i - 1
  };
  std::vector<Step> path;
  for (auto& [start, start_file] : m_program_classes) {
    if (path_index.count(start)) continue;
    path.push_back({start});
    path_index[start] = 0;
    while (!path.empty()) {
      Step& step = path.back();
      ClassInfo& info = *step.info;
      if (step.next_link > info.interfaces.size()) {
        path_index[&info] = k_done;
        path.pop_back();
        continue;
      }
      const std::size_t link = step.next_link++;
      const ClassInfo* target = link == 0 ? info.base : info.interfaces[link - 1];
      if (target == nullptr) continue;
      auto [found, reached_first] = path_index.try_emplace(target, static_cast<int>(path.size()));
      if (reached_first) {
        path.push_back({const_cast<ClassInfo*>(target)});
      } else if (found->second != k_done) {
        std::vector<const ClassInfo*> cycle;
        for (std::size_t i = static_cast<std::size_t>(found->second); i < path.size(); ++i) cycle.push_back(path[i].info);
        m_file = files[&info];
        report_inheritance_cycle(cycle, link == 0 ? info.decl->base.pos : info.decl->interfaces[link - 1].pos);
        if (link == 0) {
          info.base = nullptr;
        } else {
          info.interfaces.erase(info.interfaces.begin() + static_cast<std::ptrdiff_t>(link - 1));
          --step.next_link;
        }
      }
    }
  }
}

// `cycle` runs from the class the closing link names to the class it belongs to.
void Checker::report_inheritance_cycle(const std::vector<const ClassInfo*>& cycle, SourcePos closing_link) {
  constexpr std::size_t k_names_shown = 8;
  std::string through;
  const std::size_t between = std::max<std::size_t>(cycle.size() - 1, 1);
  for (std::size_t i = 0; i < std::min(between, k_names_shown); ++i)
    through += (i ? ", '" : "'") + cycle[i]->name + "'";
  if (between > k_names_shown) through += text::format(" and {} more", between - k_names_shown);
  error(closing_link, text::format("'{}' inherits from itself through {}", cycle.back()->name, through));
}

void Checker::declare_members(ClassInfo& info) {
  ClassDecl& decl = *const_cast<ClassDecl*>(info.decl);
  if (const ClassInfo* window = runtime_class("Window"); info.is_window && window && info.base &&
                                                         !is_subclass_of(info.base, window))
    error(decl.base.pos, text::format("a window inherits from Window or one of its subclasses, not '{}'",
                                      info.base->name));
  for (ConstDecl& constant : decl.constants) declare_constant(constant, info.members);
  for (VariableDecl& property : decl.properties) declare_property(info, property);
  for (ControlDecl& control : decl.controls) declare_control(info, control);
  for (MethodDecl& method : decl.methods) declare_method(info, method);
  if (info.is_window) check_definition(info, decl.definition);
}

void Checker::declare_property(ClassInfo& info, VariableDecl& property) {
  if (property.initial_value)
    error(property.initial_value->pos, "a property starts as zero, Nil or empty; set it in the constructor");
  Symbol* symbol = m_symbols.make(SymbolKind::Property, std::string(property.name), variable_type(property),
                                  property.pos);
  symbol->owner = &info;
  property.symbol = symbol;
  declare_member(info, symbol);
}

void Checker::declare_method(ClassInfo& info, MethodDecl& method) {
  if (method.kind == MethodKind::EventHandler) {
    check_handler(info.base, method);
    return;
  }
  if (method.kind == MethodKind::MenuHandler) {
    check_menu_handler(info, method);
    return;
  }
  Symbol* symbol = m_symbols.make(SymbolKind::Method, std::string(method.name), nullptr, method.pos);
  symbol->signature = signature_of(method);
  symbol->type = symbol->signature.result;
  symbol->owner = &info;
  symbol->method = &method;
  method.symbol = symbol;
  const bool lifecycle = equal_ignoring_case(method.name, "Constructor") || equal_ignoring_case(method.name, "Destructor");
  if (lifecycle && method.kind != MethodKind::Sub)
    error(method.pos, text::format("the {} is a Sub", method.name));
  else if (equal_ignoring_case(method.name, "Destructor") && !method.parameters.empty())
    error(method.pos, "the Destructor takes no parameters");
  declare_member(info, symbol);
}

// Controls, and the runtime's classes that a window places without a pane.
bool Checker::may_sit_in_window(const ClassInfo* member_class) const {
  if (is_subclass_of(member_class, runtime_class("Control"))) return true;
  return std::any_of(std::begin(zif::paneless_window_member_classes), std::end(zif::paneless_window_member_classes),
                     [&](std::string_view name) { return is_subclass_of(member_class, runtime_class(name)); });
}

void Checker::declare_control(ClassInfo& info, ControlDecl& control) {
  const ClassInfo* control_class = resolve_class(control.class_name, "control class");
  if (control_class && !may_sit_in_window(control_class)) {
    error(control.class_name.pos, text::format("'{}' is not a control class", control_class->name));
    control_class = nullptr;
  }
  const Type* type = control_class ? m_types.class_type(control_class) : m_types.error();
  Symbol* symbol = m_symbols.make(SymbolKind::Control, std::string(control.name), type, control.pos);
  symbol->owner = &info;
  control.symbol = symbol;
  declare_member(info, symbol);
  if (!control_class) return;
  check_definition(*control_class, control.properties);
  for (MethodDecl& handler : control.handlers) check_handler(control_class, handler);
}

void Checker::declare_member(ClassInfo& info, Symbol* symbol) {
  auto [existing, inserted] = info.members.try_emplace(name_key(symbol->name), symbol);
  if (!inserted)
    error(symbol->pos, text::format("'{}' is already declared in '{}' at line {}", symbol->name, info.name,
                                    existing->second->pos.line));
}

void Checker::declare_globals(Unit& unit) {
  m_file = unit.file;
  for (ConstDecl& constant : unit.constants) declare_constant(constant, m_globals);
  for (VariableDecl& global : unit.globals) {
    if (global.initial_value)
      error(global.initial_value->pos, "a global starts as zero, Nil or empty; it takes no initial value");
    Symbol* symbol = m_symbols.make(SymbolKind::Global, std::string(global.name), variable_type(global), global.pos);
    global.symbol = symbol;
    if (!m_globals.try_emplace(name_key(global.name), symbol).second)
      error(global.pos, text::format("'{}' is already declared", global.name));
  }
}

void Checker::declare_constant(ConstDecl& constant, std::map<std::string, const Symbol*>& into) {
  std::optional<ConstantValue> value = fold(constant.value.get());
  if (!value) {
    if (constant.value) error(constant.value->pos, "a constant's value must be known when compiling");
    value = ConstantValue{m_types.error()};
  }
  const Type* type = value->type;
  if (!constant.type.name.empty()) {
    type = resolve_type(constant.type);
    if (!converts_implicitly(value->type, type))
      error(constant.pos, text::format("the constant '{}' is {}, but its value is {}", constant.name, type->name(),
                                       value->type->name()));
  }
  Symbol* symbol = m_symbols.make(SymbolKind::Constant, std::string(constant.name), type, constant.pos);
  symbol->integer_value = value->integer;
  symbol->real_value = type->kind == TypeKind::Double || type->kind == TypeKind::Single
                           ? (value->type->kind == TypeKind::Integer ? static_cast<double>(value->integer) : value->real)
                           : value->real;
  symbol->string_value = value->text;
  constant.symbol = symbol;
  if (!into.try_emplace(name_key(constant.name), symbol).second)
    error(constant.pos, text::format("'{}' is already declared", constant.name));
}

// Every method of an implemented interface needs a method of the same
// signature in the class or its bases.
void Checker::check_interfaces_implemented(const ClassInfo& info) {
  if (info.is_interface) return;
  auto same = [](const Signature& a, const Signature& b) {
    if (a.result != b.result || a.parameters.size() != b.parameters.size()) return false;
    for (std::size_t i = 0; i < a.parameters.size(); ++i)
      if (a.parameters[i].type != b.parameters[i].type || a.parameters[i].by_ref != b.parameters[i].by_ref)
        return false;
    return true;
  };
  for (const ClassInfo* implemented : info.interfaces) {
    for (const auto& [key, required] : implemented->members) {
      const Symbol* found = nullptr;
      for (const ClassInfo* c = &info; c != nullptr && !found; c = c->base)
        if (auto member = c->members.find(key); member != c->members.end()) found = member->second;
      if (!found || found->kind != SymbolKind::Method || !same(found->signature, required->signature))
        error(info.decl->pos, text::format("'{}' does not implement '{}' of the interface '{}'", info.name,
                                           required->name, implemented->name));
    }
  }
}

// An event handler answers an event that `raiser` (the base class, or the
// control's class) declares; it takes the event's parameters and result.
void Checker::check_handler(const ClassInfo* raiser, MethodDecl& handler) {
  const EventInfo* event = raiser ? raiser->find_event(handler.name) : nullptr;
  if (!event) {
    error(handler.pos, raiser ? text::format("'{}' has no event '{}'", raiser->name, handler.name)
                              : text::format("'{}' handles an event, but nothing here raises events", handler.name));
    return;
  }
  Signature written = signature_of(handler);
  bool parameters_match = written.parameters.size() == event->signature.parameters.size();
  for (std::size_t i = 0; parameters_match && i < written.parameters.size(); ++i)
    parameters_match = written.parameters[i].type == event->signature.parameters[i].type;
  std::string expected;
  for (const ParameterInfo& parameter : event->signature.parameters)
    expected += (expected.empty() ? "" : ", ") + parameter.name + " As " + parameter.type->name();
  if (!parameters_match)
    error(handler.pos, text::format("the handler of '{}' takes ({})", event->name, expected));
  else if (!handler.result.name.empty() && written.result != event->signature.result)
    error(handler.result.pos, text::format("the event '{}' gives {}", event->name, event->signature.result->name()));
  Symbol* symbol = m_symbols.make(SymbolKind::Method, std::string(handler.name), event->signature.result, handler.pos);
  symbol->signature = written;
  symbol->signature.result = event->signature.result;
  symbol->owner = raiser;
  symbol->method = &handler;
  handler.symbol = symbol;
}

Signature Checker::signature_of(const MethodDecl& method) {
  Signature signature;
  for (const Parameter& parameter : method.parameters)
    signature.parameters.push_back({std::string(parameter.name), resolve_type(parameter.type), parameter.by_ref});
  signature.result = method.result.name.empty() ? m_types.void_type() : resolve_type(method.result);
  return signature;
}

const Type* Checker::resolve_type(const TypeName& name) {
  if (name.name.empty()) return m_types.error();
  const Type* type = m_types.builtin(name.name);
  if (!type) {
    auto found = m_classes.find(name_key(name.name));
    if (found == m_classes.end()) {
      error(name.pos, text::format("unknown type '{}'", name.name));
      return m_types.error();
    }
    type = m_types.class_type(found->second);
  }
  return name.is_array ? m_types.array_of(type) : type;
}

const ClassInfo* Checker::resolve_class(const TypeName& name, std::string_view role) {
  if (name.name.empty()) return nullptr;
  auto found = m_classes.find(name_key(name.name));
  if (found != m_classes.end()) return found->second;
  error(name.pos, text::format("unknown {} '{}'", role, name.name));
  return nullptr;
}

// A variable with an upper bound is an array, created with bound + 1
// elements; the bound must be known when compiling.
const Type* Checker::variable_type(VariableDecl& variable) {
  const Type* type = resolve_type(variable.type);
  if (!variable.bound) return type;
  std::optional<ConstantValue> bound = fold(variable.bound.get());
  if (!bound || bound->type->kind != TypeKind::Integer || bound->integer < 0)
    error(variable.bound->pos, "an array's upper bound must be a constant Integer of 0 or more");
  else
    m_semantics.folded.insert_or_assign(variable.bound.get(), *bound);
  return m_types.array_of(type);
}

}  // namespace zc
