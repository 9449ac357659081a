// Class records: the runtime's description of a class, of the runtime's own
// classes and of the application's alike, with the member lists that the
// lookups walk. Building records from the interface tables and from the
// image's class descriptors lives in runtime_classes.cpp and class_table.cpp.
#pragma once

#include "runtime/core/checked_memory.h"
#include "runtime/core/strings.h"
#include "runtime/interface/abi_types.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace zrt {

// A routine in the application's 32-bit address space: compiled code, or a
// runtime routine as the export table gives it.
using CodeAddress = std::uint32_t;

struct ClassRecord;

struct PropertyEntry {
  PropertyEntry* next;
  ZString* name;
  ZString* type;
  CodeAddress getter;
  CodeAddress setter;
  std::int32_t parameter;
};

struct MethodEntry {
  MethodEntry* next;
  ZString* name;
  CodeAddress routine;
  std::int32_t position;  // 1-based place among an interface's methods, else 0
  // A plug-in method's second routine, which "W" imports link to; else 0.
  CodeAddress second_routine;
};

struct EventEntry {
  EventEntry* next;
  ZString* name;
  ZString* parameters;
  ZString* result_type;
  std::int32_t code;
};

struct HookEntry {
  HookEntry* next;
  ZString* name;
  std::int32_t key;
  CodeAddress routine;
};

struct ConstantEntry {
  ConstantEntry* next;
  ZString* name;
  std::int32_t value;
};

struct InterfaceEntry {
  InterfaceEntry* next;
  ClassRecord* interface_class;
  CodeAddress* dispatch_table;  // entry i is the routine of interface method i; entry 0 is unused
  std::int32_t dispatch_length;
};

struct ClassRecord {
  std::uint32_t tag;
  ClassRecord* superclass;
  Address virtual_table;  // 0 for runtime classes
  std::uint32_t generation;
  std::uint32_t table_word;
  ZString* name;
  ZString* internal_name;
  std::uint8_t runtime_class;
  std::uint8_t second_flag;
  ClassRecord* next_class;
  std::int32_t instance_size;  // bytes, the object header included
  std::int32_t reserved_size;
  PropertyEntry* properties;
  MethodEntry* methods;
  EventEntry* events;
  HookEntry* hooks;
  ConstantEntry* constants;
  InterfaceEntry* interfaces;
  std::uint8_t is_interface;
  CodeAddress constructor;  // called with (instance, this record); 0 for none
  CodeAddress destructor;
  std::uint8_t first_extra_flag;
  std::uint8_t second_extra_flag;
  std::uint32_t reserved_word;
};

// Plug-ins and debuggers of the target see the record as 22 words.
static_assert(sizeof(void*) != 4 || sizeof(ClassRecord) == 88, "a class record is 88 bytes on the target");
static_assert(sizeof(void*) != 4 || offsetof(ClassRecord, next_class) == 32, "next class follows the two flag bytes");
static_assert(sizeof(void*) != 4 || offsetof(ClassRecord, is_interface) == 68, "the member lists are six words");
static_assert(sizeof(void*) != 4 || offsetof(ClassRecord, reserved_word) == 84, "the record ends with a reserved word");

inline constexpr std::uint32_t class_record_tag = 3;
using zif::default_instance_size;

// A record with its defaults (tag 3, size 24, no members), put at the head
// of the list of every record made at run time.
[[nodiscard]] ClassRecord* create_class_record(std::string_view name, std::string_view internal_name);
// Frees the record, its lists and its dispatch tables and takes it off the list.
void destroy_class_record(ClassRecord* record);

// Methods keep their order; hooks, constants and interfaces go to the front.
void append_method(ClassRecord& record, std::string_view name, CodeAddress routine, CodeAddress second_routine = 0);
void append_property(ClassRecord& record, std::string_view name, std::string_view type, CodeAddress getter,
                     CodeAddress setter, std::int32_t parameter);
void append_event(ClassRecord& record, std::string_view name, std::string_view parameters,
                  std::string_view result_type, std::int32_t code);
void push_hook(ClassRecord& record, std::string_view name, std::int32_t key, CodeAddress routine);
void push_constant(ClassRecord& record, std::string_view name, std::int32_t value);
void push_interface(ClassRecord& record, ClassRecord& interface_class);

[[nodiscard]] std::string_view class_name(const ClassRecord* record);

// True when record is ancestor or descends from it.
[[nodiscard]] bool class_inherits(const ClassRecord* record, const ClassRecord* ancestor);
// Whether an object of class record passes a test against target: an
// inheritance test, or for an interface whether any class of the chain lists it.
[[nodiscard]] bool class_is_a(const ClassRecord* record, const ClassRecord* target);

// The routine of the first hook with that key, own class first; 0 for none.
[[nodiscard]] CodeAddress find_hook_by_key(const ClassRecord* record, std::int32_t key);
// The handler of an event declared by a class of the chain, by the rule that
// a handler nearer the declaring class wins and that a redeclaration of the
// event's name in between hides the handlers below it; 0 for none.
[[nodiscard]] CodeAddress find_event_handler(const ClassRecord* record, const EventEntry* event);
// The declaration of a named event in the chain, nearest first.
[[nodiscard]] const EventEntry* find_event_declaration(const ClassRecord* record, std::string_view name);
// The first method of that name in the chain, own class first.
[[nodiscard]] const MethodEntry* find_method(const ClassRecord* record, std::string_view name);
// The interface entry for that interface in the chain, own class first.
[[nodiscard]] const InterfaceEntry* find_interface_entry(const ClassRecord* record, const ClassRecord* interface_class);

}  // namespace zrt
