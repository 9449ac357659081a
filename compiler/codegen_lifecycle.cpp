// Routines the program does not write: each class's lifecycle pair, which
// the runtime calls with (instance, class record) root first on creation
// and leaf first on destruction, and the image's entry.
#include "compiler/codegen_internal.h"
#include "compiler/codegen_routines.h"
#include "compiler/names.h"
#include "compiler/object_linker.h"

namespace zc {

namespace {

const MethodDecl* own_method(const ClassInfo& info, std::string_view name) {
  for (const MethodDecl& method : info.decl->methods)
    if (!is_hook(method.kind) && equal_ignoring_case(method.name, name)) return &method;
  return nullptr;
}

const VariableDecl* declaration_of(const ClassInfo& info, const Symbol* field) {
  for (const VariableDecl& property : info.decl->properties)
    if (property.symbol == field) return &property;
  return nullptr;
}

}  // namespace

// A class needs lifecycle routines when it has fields to create or release,
// or a Constructor without parameters or a Destructor to run.
bool CodeGenerator::needs_lifecycle(const ClassInfo& info) const {
  if (info.is_interface || !info.decl) return false;
  const MethodDecl* constructor = own_method(info, "Constructor");
  if ((constructor && constructor->parameters.empty()) || own_method(info, "Destructor")) return true;
  for (const Symbol* field : m_layout.own_fields(&info))
    if (field->type->is_reference()) return true;
  return false;
}

std::int64_t CodeGenerator::array_bound(const Expr* bound) const {
  auto found = m_semantics.folded.find(bound);
  return found != m_semantics.folded.end() ? found->second.integer : 0;
}

void CodeGenerator::generate_lifecycle(const ClassInfo& info) {
  const MethodDecl* constructor = own_method(info, "Constructor");
  const MethodDecl* destructor = own_method(info, "Destructor");
  const std::vector<const Symbol*> fields = m_layout.own_fields(&info);
  generate_function({lifecycle_label(info, true), &info, nullptr, false, 1, [&] {
                       for (const Symbol* field : fields) {
                         if (field->type->kind != TypeKind::Array) continue;
                         create_array(array_bound(declaration_of(info, field)->bound.get()));
                         m_out.emit("movl 8(%ebp), %ecx");
                         m_out.emit("movl %eax, " + std::to_string(m_layout.field_offset(field)) + "(%ecx)");
                       }
                       if (!constructor || !constructor->parameters.empty()) return;
                       m_out.push("8(%ebp)");
                       m_out.call(method_label(info, *constructor));
                       m_out.drop(1);
                     }});
  generate_function({lifecycle_label(info, false), &info, nullptr, false, 1, [&] {
                       if (destructor) {
                         m_out.push("8(%ebp)");
                         m_out.call(method_label(info, *destructor));
                         m_out.drop(1);
                       }
                       for (const Symbol* field : fields) {
                         if (!field->type->is_reference()) continue;
                         const std::string done = m_out.new_label();
                         const std::string address = std::to_string(m_layout.field_offset(field)) + "(%ecx)";
                         m_out.emit("movl 8(%ebp), %ecx");
                         m_out.emit("movl " + address + ", %eax");
                         m_out.emit("testl %eax, %eax");
                         m_out.emit("jz " + done);
                         m_out.emit("movl $0, " + address);
                         m_out.push("%eax");
                         const Type* element = field->type->element;
                         call_routine(field->type->kind != TypeKind::Array ? (is_string(field->type) ? routines::unlock_string
                                                                                                    : routines::unlock_object)
                                      : is_string(element)                  ? routines::dispose_string_array
                                      : element && element->is_reference() ? routines::dispose_object_array
                                                                            : routines::dispose_number_array);
                         m_out.drop(1);
                         m_out.label(done);
                       }
                     }});
}

// The entry installs the plug-ins, starts the runtime with the application
// descriptor, makes the default window through its implicit instance and
// runs the event loop until the application ends.
void CodeGenerator::generate_entry() {
  const DefaultWindowDecl* default_window = nullptr;
  for (const Unit& unit : m_program.units)
    for (const DefaultWindowDecl& window : unit.default_windows)
      if (!default_window && window.symbol) default_window = &window;
  m_class = nullptr;
  const std::string entry(zlink::k_entry_symbol);
  m_out.emit(".globl " + entry);
  generate_function({entry, nullptr, nullptr, false, 0, [&] {
                       m_out.push(m_has_plugins ? "$zplugin_0" : "$0");
                       call_routine(routines::install_plugins);
                       m_out.drop(1);
                       m_out.push("$" + std::string(zlink::k_application_symbol));
                       call_routine(routines::init);
                       m_out.drop(1);
                       if (default_window) implicit_instance(*default_window->symbol->class_info);
                       call_routine(routines::run);
                     }});
}

}  // namespace zc
