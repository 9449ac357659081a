// Making and freeing class records and walking their member lists.
#include "runtime/core/class_records.h"

#include "runtime/core/assert.h"
#include "runtime/core/memory.h"
#include "runtime/core/name_equality.h"

namespace zrt {
namespace {

ClassRecord* g_newest_class = nullptr;

template <typename Entry>
Entry* new_entry(const Entry& value) {
  auto* entry = static_cast<Entry*>(allocate(sizeof(Entry)));
  *entry = value;
  return entry;
}

template <typename Entry>
void push_front(Entry*& head, Entry* entry) {
  entry->next = head;
  head = entry;
}

template <typename Entry>
void append(Entry*& head, Entry* entry) {
  Entry** link = &head;
  while (*link != nullptr) link = &(*link)->next;
  *link = entry;
}

// Frees every entry after letting release_fields give up what it holds.
template <typename Entry, typename ReleaseFields>
void free_list(Entry*& head, ReleaseFields release_fields) {
  while (head != nullptr) {
    Entry* next = head->next;
    release_fields(*head);
    release(head, sizeof(Entry));
    head = next;
  }
}

void unlink_from_class_list(ClassRecord* record) {
  for (ClassRecord** link = &g_newest_class; *link != nullptr; link = &(*link)->next_class) {
    if (*link == record) {
      *link = record->next_class;
      return;
    }
  }
  ZASSERT(false, "a class record missing from the list of records");
}

bool is_named(const ZString* name, std::string_view wanted) {
  return names_equal(string_text(name), wanted);
}

}  // namespace

ClassRecord* create_class_record(std::string_view name, std::string_view internal_name) {
  auto* record = static_cast<ClassRecord*>(allocate(sizeof(ClassRecord)));
  *record = ClassRecord{};
  record->tag = class_record_tag;
  record->name = make_string(name);
  record->internal_name = make_string(internal_name);
  record->instance_size = default_instance_size;
  record->reserved_size = -1;
  record->next_class = g_newest_class;
  g_newest_class = record;
  return record;
}

void destroy_class_record(ClassRecord* record) {
  unlink_from_class_list(record);
  free_list(record->properties, [](PropertyEntry& e) {
    unlock_string(e.name);
    unlock_string(e.type);
  });
  free_list(record->methods, [](MethodEntry& e) { unlock_string(e.name); });
  free_list(record->events, [](EventEntry& e) {
    unlock_string(e.name);
    unlock_string(e.parameters);
    unlock_string(e.result_type);
  });
  free_list(record->hooks, [](HookEntry& e) { unlock_string(e.name); });
  free_list(record->constants, [](ConstantEntry& e) { unlock_string(e.name); });
  free_list(record->interfaces, [](InterfaceEntry& e) {
    if (e.dispatch_table != nullptr) release(e.dispatch_table, sizeof(CodeAddress) * static_cast<std::size_t>(e.dispatch_length));
  });
  unlock_string(record->name);
  unlock_string(record->internal_name);
  release(record, sizeof(ClassRecord));
}

void append_method(ClassRecord& record, std::string_view name, CodeAddress routine, CodeAddress second_routine) {
  append(record.methods, new_entry(MethodEntry{nullptr, make_string(name), routine, 0, second_routine}));
}

void append_property(ClassRecord& record, std::string_view name, std::string_view type, CodeAddress getter,
                     CodeAddress setter, std::int32_t parameter) {
  append(record.properties,
         new_entry(PropertyEntry{nullptr, make_string(name), make_string(type), getter, setter, parameter}));
}

void append_event(ClassRecord& record, std::string_view name, std::string_view parameters,
                  std::string_view result_type, std::int32_t code) {
  append(record.events,
         new_entry(EventEntry{nullptr, make_string(name), make_string(parameters), make_string(result_type), code}));
}

void push_hook(ClassRecord& record, std::string_view name, std::int32_t key, CodeAddress routine) {
  push_front(record.hooks, new_entry(HookEntry{nullptr, make_string(name), key, routine}));
}

void push_constant(ClassRecord& record, std::string_view name, std::int32_t value) {
  push_front(record.constants, new_entry(ConstantEntry{nullptr, make_string(name), value}));
}

void push_interface(ClassRecord& record, ClassRecord& interface_class) {
  push_front(record.interfaces, new_entry(InterfaceEntry{nullptr, &interface_class, nullptr, 0}));
}

std::string_view class_name(const ClassRecord* record) {
  return record == nullptr ? std::string_view() : string_text(record->name);
}

bool class_inherits(const ClassRecord* record, const ClassRecord* ancestor) {
  for (; record != nullptr; record = record->superclass)
    if (record == ancestor) return true;
  return false;
}

bool class_is_a(const ClassRecord* record, const ClassRecord* target) {
  if (target == nullptr) return false;
  if (!target->is_interface) return class_inherits(record, target);
  return find_interface_entry(record, target) != nullptr;
}

CodeAddress find_hook_by_key(const ClassRecord* record, std::int32_t key) {
  for (; record != nullptr; record = record->superclass)
    for (const HookEntry* hook = record->hooks; hook != nullptr; hook = hook->next)
      if (hook->key == key) return hook->routine;
  return 0;
}

CodeAddress find_event_handler(const ClassRecord* record, const EventEntry* event) {
  const std::string_view name = string_text(event->name);
  CodeAddress candidate = 0;
  for (; record != nullptr; record = record->superclass) {
    for (const EventEntry* declared = record->events; declared != nullptr; declared = declared->next) {
      if (declared == event) return candidate;
      if (is_named(declared->name, name)) candidate = 0;
    }
    for (const HookEntry* hook = record->hooks; hook != nullptr; hook = hook->next)
      if (is_named(hook->name, name)) candidate = hook->routine;
  }
  return 0;
}

const EventEntry* find_event_declaration(const ClassRecord* record, std::string_view name) {
  for (; record != nullptr; record = record->superclass)
    for (const EventEntry* event = record->events; event != nullptr; event = event->next)
      if (is_named(event->name, name)) return event;
  return nullptr;
}

const MethodEntry* find_method(const ClassRecord* record, std::string_view name) {
  for (; record != nullptr; record = record->superclass)
    for (const MethodEntry* method = record->methods; method != nullptr; method = method->next)
      if (is_named(method->name, name)) return method;
  return nullptr;
}

const InterfaceEntry* find_interface_entry(const ClassRecord* record, const ClassRecord* interface_class) {
  for (; record != nullptr; record = record->superclass)
    for (const InterfaceEntry* entry = record->interfaces; entry != nullptr; entry = entry->next)
      if (entry->interface_class == interface_class) return entry;
  return nullptr;
}

}  // namespace zrt
