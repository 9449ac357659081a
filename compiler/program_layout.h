// Where a program's pieces live in the image: the class table (the program's
// classes, the runtime classes it names, the nameless subclasses of controls
// that have handlers), the byte offset of every property inside its
// instance, instance sizes, and the assembler labels of routines and data.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "compiler/checker.h"

namespace zc {

struct ClassTableEntry {
  const ClassInfo* info = nullptr;      // the class, or a control's class for a control subclass
  const ControlDecl* control = nullptr;  // set for the nameless subclass of a control
  const ClassInfo* window = nullptr;     // the window that holds that control
  bool is_runtime_reference() const { return info->is_runtime && control == nullptr; }
};

class ProgramLayout {
 public:
  ProgramLayout(const Semantics& semantics, const RuntimeInterface& runtime);

  // The class index of a class; a runtime class gets its entry on first use.
  int class_index(const ClassInfo* info);
  // The index of the control's own subclass when it has handlers, else of its class.
  int control_class_index(const ControlDecl& control);
  const std::vector<ClassTableEntry>& class_table() const { return m_table; }

  int instance_size(const ClassInfo* info) const;
  int field_offset(const Symbol* property) const { return m_field_offsets.at(property); }
  // The interfaces a class and its bases name, each once, the class's own first.
  const std::vector<const ClassInfo*>& listed_interfaces(const ClassInfo* info) const {
    return m_listed_interfaces.at(info);
  }
  // The properties a class declares itself, in declaration order.
  std::vector<const Symbol*> own_fields(const ClassInfo* info) const;

  // Virtual tables: a method that a subclass declares again (same name) is
  // called through its slot, so the object's own class decides which runs.
  struct VirtualMethod {
    const ClassInfo* owner;
    const MethodDecl* method;
  };
  const std::vector<VirtualMethod>& virtual_table(const ClassInfo* info) const { return m_virtual_tables.at(info); }
  // The slot of a method that some subclass declares again, or -1 when a direct call does.
  int virtual_slot(const Symbol& method) const;

 private:
  void lay_out(const ClassInfo* info);
  void lay_out_methods(const ClassInfo* info);

  std::map<std::string, int> m_runtime_sizes;  // by name_key
  std::vector<ClassTableEntry> m_table;
  std::map<const ClassInfo*, int> m_indexes;
  std::map<const ControlDecl*, int> m_control_indexes;
  std::map<const ClassInfo*, int> m_sizes;
  std::map<const ClassInfo*, std::vector<const ClassInfo*>> m_listed_interfaces;
  std::map<const Symbol*, int> m_field_offsets;
  std::map<const ClassInfo*, std::vector<VirtualMethod>> m_virtual_tables;
  std::set<const MethodDecl*> m_overridden;  // methods a subclass declares again
};

// Bytes a value of the type takes in a field, a global or a frame.
int storage_size(const Type* type);

// Labels. Zoltic names are case-insensitive, so labels use their lower-case keys.
std::string method_label(const ClassInfo& owner, const MethodDecl& method);
std::string control_handler_label(const ClassInfo& window, const ControlDecl& control, const MethodDecl& handler);
std::string class_descriptor_label(int index);
std::string global_label(const Symbol& global);
std::string implicit_instance_label(const ClassInfo& window);
std::string window_definition_label(const ClassInfo& window);
std::string lifecycle_label(const ClassInfo& info, bool constructor);

}  // namespace zc
