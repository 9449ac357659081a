// The image's data about classes: globals and implicit window instances,
// one class descriptor per class-table entry (a reference to a runtime class,
// or a program class, a window, or a control's nameless subclass holding its
// handlers), and the application descriptor. Their layout:
// runtime/interface/image_format.h.
#include <algorithm>

#include "compiler/codegen_internal.h"
#include "compiler/names.h"
#include "runtime/interface/image_format.h"

namespace zc {

namespace {

namespace format = zif::image_format;

std::string words(const std::vector<std::string>& values) {
  std::string text;
  for (const std::string& value : values) text += (text.empty() ? "" : ", ") + value;
  return text;
}

}  // namespace

std::string CodeGenerator::literal_label(const std::string& text) {
  return text.empty() ? "0" : m_literals.label_of(text);
}

void CodeGenerator::write_globals() {
  m_out.emit(".balign 4");
  for (const Unit& unit : m_program.units) {
    for (const VariableDecl& global : unit.globals) {
      if (!global.symbol) continue;
      m_out.label(global_label(*global.symbol));
      m_out.emit(storage_size(global.symbol->type) == 8 ? ".long 0, 0" : ".long 0");
    }
  }
  for (const ClassInfo* info : m_semantics.classes) {
    if (!info->is_window) continue;
    m_out.label(implicit_instance_label(*info));
    m_out.emit(".long 0");
  }
}

// Runtime classes are appended to the table while descriptors are written
// (a superclass, say), so the table is walked by index.
void CodeGenerator::write_class_descriptors() {
  for (std::size_t index = 0; index < m_layout.class_table().size(); ++index) {
    const ClassTableEntry entry = m_layout.class_table()[index];
    write_class_descriptor(static_cast<int>(index), entry);
  }
}

void CodeGenerator::write_class_descriptor(int index, const ClassTableEntry& entry) {
  m_out.emit(".balign 4");
  m_out.label(class_descriptor_label(index));
  if (entry.is_runtime_reference()) {
    m_out.emit(".long " + std::to_string(format::class_kind::runtime) + ", " + literal_label(entry.info->name));
    return;
  }
  const std::vector<std::string> fields = entry.control ? control_descriptor(entry) : class_descriptor(*entry.info);
  m_out.emit(".long " + words(fields));
}

// A control's own subclass: its class's size, no name, only handlers.
std::vector<std::string> CodeGenerator::control_descriptor(const ClassTableEntry& entry) {
  const ClassInfo& info = *entry.info;
  std::vector<std::string> fields{std::to_string(format::class_kind::program),
                                  std::to_string(m_layout.instance_size(&info)), "0",
                                  std::to_string(m_layout.class_index(&info))};
  fields.insert(fields.end(), {"0", "0", "0", "0"});  // no lifecycle, not an interface, none, no methods
  fields.push_back(std::to_string(entry.control->handlers.size()));
  for (const MethodDecl& handler : entry.control->handlers)
    fields.insert(fields.end(), {literal_label(std::string(handler.name)),
                                 control_handler_label(*entry.window, *entry.control, handler), "0"});
  // No constants, the table word, an empty virtual table.
  fields.insert(fields.end(), {"0", std::to_string(format::table_word), "0"});
  return fields;
}

std::vector<std::string> CodeGenerator::class_descriptor(const ClassInfo& info) {
  std::vector<std::string> fields{std::to_string(format::class_kind::program),
                                  std::to_string(m_layout.instance_size(&info)), literal_label(info.name)};
  fields.push_back(std::to_string(info.base ? static_cast<std::uint32_t>(m_layout.class_index(info.base))
                                            : format::no_superclass));
  if (needs_lifecycle(info)) fields.insert(fields.end(), {"1", lifecycle_label(info, true), lifecycle_label(info, false)});
  else fields.push_back("0");
  fields.push_back(info.is_interface ? "1" : "0");
  // Every class lists the interfaces of its bases too: the runtime answers an
  // interface call from the first class up the chain that lists the
  // interface, and only this class's table finds the methods it redeclares.
  const std::vector<const ClassInfo*>& interfaces = m_layout.listed_interfaces(&info);
  fields.push_back(std::to_string(interfaces.size()));
  for (const ClassInfo* implemented : interfaces) fields.push_back(std::to_string(m_layout.class_index(implemented)));
  append_members(info, fields);
  // The table word, then the virtual table (one empty slot when there is none).
  fields.push_back(std::to_string(format::table_word));
  const auto& table = m_layout.virtual_table(&info);
  for (const ProgramLayout::VirtualMethod& entry : table) fields.push_back(method_label(*entry.owner, *entry.method));
  if (table.empty()) fields.push_back("0");
  return fields;
}

// Methods (an interface's by name only), hooks with key 0, constants. A menu
// handler is a hook named after its menu item, which is how the runtime's menu
// delivery finds it.
void CodeGenerator::append_members(const ClassInfo& info, std::vector<std::string>& fields) {
  std::vector<std::string> methods;
  std::vector<std::string> handlers;
  for (const MethodDecl& method : info.decl->methods) {
    if (is_hook(method.kind)) {
      if (method.symbol) handlers.insert(handlers.end(), {literal_label(std::string(method.name)), method_label(info, method), "0"});
      continue;
    }
    methods.push_back(literal_label(std::string(method.name)));
    if (!info.is_interface) methods.push_back(method_label(info, method));
  }
  fields.push_back(std::to_string(methods.size() / (info.is_interface ? 1 : 2)));
  fields.insert(fields.end(), methods.begin(), methods.end());
  fields.push_back(std::to_string(handlers.size() / 3));
  fields.insert(fields.end(), handlers.begin(), handlers.end());
  fields.push_back(std::to_string(info.decl->constants.size()));
  for (const ConstDecl& constant : info.decl->constants) {
    fields.push_back(literal_label(std::string(constant.name)));
    const Symbol* symbol = constant.symbol;
    if (symbol && is_string(symbol->type)) fields.push_back(literal_label(symbol->string_value));
    else fields.push_back(std::to_string(symbol ? static_cast<std::int32_t>(symbol->integer_value) : 0));
  }
}

void CodeGenerator::write_application_descriptor() {
  m_out.emit(".balign 4");
  m_out.emit(".globl _zoltic_app");
  m_out.label("_zoltic_app");
  std::vector<std::string> fields{std::to_string(m_layout.class_table().size())};
  for (std::size_t index = 0; index < m_layout.class_table().size(); ++index)
    fields.push_back(class_descriptor_label(static_cast<int>(index)));
  fields.push_back(std::to_string(m_project_objects.size()));
  fields.insert(fields.end(), m_project_objects.begin(), m_project_objects.end());
  m_out.emit(".long " + words(fields));
}

}  // namespace zc
