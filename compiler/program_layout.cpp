// The class table puts the program's interfaces first (a class may only name
// interfaces of lower index), then its classes and windows in declaration
// order, each window followed by its controls' subclasses; runtime classes
// are appended as code and data name them. Fields follow the superclass's
// instance: four bytes each, eight for a Double.
#include "compiler/program_layout.h"

#include <algorithm>

#include "compiler/names.h"

namespace zc {

namespace {

// The object header: reference count, class record, two live-list links.
constexpr int k_object_header_size = 16;

}  // namespace

int storage_size(const Type* type) { return type->kind == TypeKind::Double ? 8 : 4; }

ProgramLayout::ProgramLayout(const Semantics& semantics, const RuntimeInterface& runtime) {
  for (const zif::ClassDecl& decl : runtime.classes) m_runtime_sizes[name_key(decl.name)] = decl.instance_size;
  for (const bool interfaces : {true, false}) {
    for (const ClassInfo* info : semantics.classes) {
      if (info->is_interface != interfaces) continue;
      m_indexes[info] = static_cast<int>(m_table.size());
      m_table.push_back({info, nullptr, nullptr});
      if (!info->decl) continue;
      for (const ControlDecl& control : info->decl->controls) {
        if (control.handlers.empty() || !control.symbol || control.symbol->type->kind != TypeKind::Class) continue;
        m_control_indexes[&control] = static_cast<int>(m_table.size());
        m_table.push_back({control.symbol->type->class_info, &control, info});
      }
    }
  }
  m_program_classes = semantics.classes;
  for (const ClassInfo* info : semantics.classes) {
    lay_out(info);
    lay_out_methods(info);
  }
}

// A subclass's table starts as its superclass's; a method of the same name
// takes over its slot, a new one is appended. The lifecycle methods and
// hooks (event and menu handlers) are called by the runtime and have no slot.
void ProgramLayout::lay_out_methods(const ClassInfo* info) {
  if (info == nullptr || info->is_runtime || m_virtual_tables.count(info)) return;
  lay_out_methods(info->base);
  std::vector<VirtualMethod> table;
  if (info->base && !info->base->is_runtime) table = m_virtual_tables.at(info->base);
  if (info->decl && !info->is_interface) {
    for (const MethodDecl& method : info->decl->methods) {
      if (is_hook(method.kind) || !method.has_body) continue;
      auto same_name = [&](const VirtualMethod& entry) { return equal_ignoring_case(entry.method->name, method.name); };
      auto existing = std::find_if(table.begin(), table.end(), same_name);
      if (existing != table.end()) *existing = {info, &method};
      else table.push_back({info, &method});
    }
  }
  m_virtual_tables[info] = table;
}

int ProgramLayout::virtual_slot(const Symbol& method) const {
  const ClassInfo* owner = method.owner;
  if (!owner || owner->is_runtime || owner->is_interface || !method.method) return -1;
  bool overridden = false;
  for (const ClassInfo* other : m_program_classes) {
    if (other == owner || !is_subclass_of(other, owner) || !other->decl) continue;
    for (const MethodDecl& declared : other->decl->methods)
      overridden |= !is_hook(declared.kind) && equal_ignoring_case(declared.name, method.name);
  }
  if (!overridden) return -1;
  const std::vector<VirtualMethod>& table = m_virtual_tables.at(owner);
  for (std::size_t slot = 0; slot < table.size(); ++slot)
    if (equal_ignoring_case(table[slot].method->name, method.name)) return static_cast<int>(slot);
  return -1;
}

int ProgramLayout::class_index(const ClassInfo* info) {
  if (auto found = m_indexes.find(info); found != m_indexes.end()) return found->second;
  m_indexes[info] = static_cast<int>(m_table.size());
  m_table.push_back({info, nullptr, nullptr});
  return m_indexes[info];
}

int ProgramLayout::control_class_index(const ControlDecl& control) {
  if (auto found = m_control_indexes.find(&control); found != m_control_indexes.end()) return found->second;
  return class_index(control.symbol->type->class_info);
}

int ProgramLayout::instance_size(const ClassInfo* info) const {
  if (info == nullptr) return k_object_header_size;
  if (info->is_runtime) {
    auto found = m_runtime_sizes.find(name_key(info->name));
    return found != m_runtime_sizes.end() ? found->second : k_object_header_size;
  }
  auto found = m_sizes.find(info);
  return found != m_sizes.end() ? found->second : k_object_header_size;
}

void ProgramLayout::lay_out(const ClassInfo* info) {
  if (info == nullptr || info->is_runtime || m_sizes.count(info)) return;
  lay_out(info->base);
  int offset = instance_size(info->base);
  for (const Symbol* field : own_fields(info)) {
    m_field_offsets[field] = offset;
    offset += storage_size(field->type);
  }
  m_sizes[info] = offset;
}

std::vector<const Symbol*> ProgramLayout::own_fields(const ClassInfo* info) const {
  std::vector<const Symbol*> fields;
  if (!info->decl) return fields;
  for (const VariableDecl& property : info->decl->properties)
    if (property.symbol) fields.push_back(property.symbol);
  return fields;
}

// Names are letters, digits and underscores, so a dot between them keeps
// every label unambiguous.
std::string method_label(const ClassInfo& owner, const MethodDecl& method) {
  const char* prefix = method.kind == MethodKind::EventHandler  ? "zevent."
                       : method.kind == MethodKind::MenuHandler ? "zmenu."
                                                                : "zmethod.";
  return prefix + name_key(owner.name) + "." + name_key(method.name);
}

std::string control_handler_label(const ClassInfo& window, const ControlDecl& control, const MethodDecl& handler) {
  return "zevent." + name_key(window.name) + "." + name_key(control.name) + "." + name_key(handler.name);
}

std::string class_descriptor_label(int index) { return "zclass_" + std::to_string(index); }
std::string global_label(const Symbol& global) { return "zglobal." + name_key(global.name); }
std::string implicit_instance_label(const ClassInfo& window) { return "zinstance." + name_key(window.name); }
std::string window_definition_label(const ClassInfo& window) { return "zwindow." + name_key(window.name); }
std::string lifecycle_label(const ClassInfo& info, bool constructor) {
  return (constructor ? "zconstruct." : "zdestruct.") + name_key(info.name);
}

}  // namespace zc
