// The class table puts the program's interfaces first (a class may only name
// interfaces of lower index), then its classes and windows in declaration
// order, each window followed by its controls' subclasses; runtime classes
// are appended as code and data name them. Fields follow the superclass's
// instance: four bytes each, eight for a Double.
#include "compiler/program_layout.h"

#include <algorithm>

#include "compiler/names.h"
#include "runtime/interface/abi_types.h"

namespace zc {

namespace {

void append_missing(std::vector<const ClassInfo*>& list, const std::vector<const ClassInfo*>& more) {
  for (const ClassInfo* info : more)
    if (std::find(list.begin(), list.end(), info) == list.end()) list.push_back(info);
}

// `info` and its bases up to the first that `done` holds or that belongs to
// the runtime, the highest first: the order in which a chain of any length
// is laid out without nesting a call per class.
template <typename Done>
std::vector<const ClassInfo*> classes_to_lay_out(const ClassInfo* info, const Done& done) {
  std::vector<const ClassInfo*> chain;
  for (; info != nullptr && !info->is_runtime && !done.count(info); info = info->base) chain.push_back(info);
  std::reverse(chain.begin(), chain.end());
  return chain;
}

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
  for (const ClassInfo* info : semantics.classes) {
    lay_out(info);
    lay_out_methods(info);
  }
}

// A subclass's table starts as its superclass's; a method of the same name
// takes over its slot, a new one is appended, and the method it takes over
// is noted as overridden. The lifecycle methods and hooks (event and menu
// handlers) are called by the runtime and have no slot.
void ProgramLayout::lay_out_methods(const ClassInfo* info) {
  for (const ClassInfo* level : classes_to_lay_out(info, m_virtual_tables)) {
    std::vector<VirtualMethod> table;
    if (level->base && !level->base->is_runtime) table = m_virtual_tables.at(level->base);
    if (level->decl && !level->is_interface) {
      for (const MethodDecl& method : level->decl->methods) {
        if (is_hook(method.kind) || !method.has_body) continue;
        auto same_name = [&](const VirtualMethod& entry) { return equal_ignoring_case(entry.method->name, method.name); };
        auto existing = std::find_if(table.begin(), table.end(), same_name);
        if (existing != table.end()) {
          m_overridden.insert(existing->method);
          *existing = {level, &method};
        } else {
          table.push_back({level, &method});
        }
      }
    }
    m_virtual_tables[level] = std::move(table);
  }
}

int ProgramLayout::virtual_slot(const Symbol& method) const {
  const ClassInfo* owner = method.owner;
  if (!owner || owner->is_runtime || owner->is_interface || !method.method || !m_overridden.count(method.method))
    return -1;
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
  if (info == nullptr) return zif::object_header_size;
  if (info->is_runtime) {
    auto found = m_runtime_sizes.find(name_key(info->name));
    return found != m_runtime_sizes.end() ? found->second : zif::object_header_size;
  }
  auto found = m_sizes.find(info);
  return found != m_sizes.end() ? found->second : zif::object_header_size;
}

void ProgramLayout::lay_out(const ClassInfo* info) {
  for (const ClassInfo* level : classes_to_lay_out(info, m_sizes)) {
    int offset = instance_size(level->base);
    for (const Symbol* field : own_fields(level)) {
      m_field_offsets[field] = offset;
      offset += storage_size(field->type);
    }
    m_sizes[level] = offset;
    std::vector<const ClassInfo*>& interfaces = m_listed_interfaces[level];
    append_missing(interfaces, level->interfaces);
    if (level->base && !level->base->is_runtime) append_missing(interfaces, m_listed_interfaces.at(level->base));
  }
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
