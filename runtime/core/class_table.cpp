// Building the class table from the image's class descriptors: the first
// pass makes a record per descriptor, the second links superclasses, then
// interface methods are numbered and every class's dispatch tables filled.
#include "runtime/core/class_table.h"

#include "runtime/core/image_literals.h"
#include "runtime/core/memory.h"
#include "runtime/core/name_equality.h"
#include "runtime/interface/image_format.h"

#include <optional>
#include <utility>
#include <vector>

namespace zrt {
namespace {

using zif::image_format::no_superclass;
// Far beyond the fields of any program (a quarter of a million); a larger
// size is damage, and each instance would be allocated at that size.
constexpr std::uint32_t largest_instance_size = 1u << 20;

struct ClassTable {
  std::vector<ClassRecord*> slots;
  std::vector<ClassRecord*> owned;  // the records made for application classes
  ClassRecord* application = nullptr;
};

ClassTable g_table;
std::uint32_t g_generation = 0;

// Reads consecutive little-endian words, remembering what it failed to read.
class WordReader {
 public:
  WordReader(const MemoryView& memory, Address position) : m_memory(memory), m_position(position) {}

  [[nodiscard]] std::optional<std::uint32_t> next(std::string_view what) {
    const auto word = m_memory.word_at(m_position);
    if (!word) {
      m_failure = "cannot read " + std::string(what) + " at " + hex_address(m_position);
      return std::nullopt;
    }
    m_position += 4;
    return word;
  }

  [[nodiscard]] Address position() const { return m_position; }
  [[nodiscard]] const std::string& failure() const { return m_failure; }

 private:
  const MemoryView& m_memory;
  Address m_position;
  std::string m_failure;
};

class TableBuilder {
 public:
  TableBuilder(const MemoryView& data, NamedClassLookup find_named_class)
      : m_data(data), m_find_named_class(find_named_class) {}
  ~TableBuilder() {
    for (ClassRecord* record : m_owned) destroy_class_record(record);
  }

  bool build(Address descriptor) {
    return read_descriptors(descriptor) && link_superclasses() && check_chains_end() && build_dispatch_tables();
  }

  // Hands the built table over; the builder no longer frees the records.
  ClassTable take_table() {
    ClassTable table{std::move(m_slots), std::move(m_owned), nullptr};
    m_owned.clear();
    table.application = find_application_class(table.owned);
    return table;
  }

  std::string error;
  std::string trace;

 private:
  struct Pending {
    ClassRecord* record = nullptr;  // null for a reference to a runtime class
    std::uint32_t superclass_index = no_superclass;
  };

  bool fail(std::size_t index, std::string_view why) {
    error = "class descriptor " + std::to_string(index) + ": " + std::string(why);
    return false;
  }

  bool read_descriptors(Address descriptor) {
    WordReader reader(m_data, descriptor);
    const auto count = reader.next("the class count");
    if (!count) return fail(0, reader.failure());
    for (std::uint32_t index = 0; index < *count; ++index) {
      const auto address = reader.next("the address of a class descriptor");
      if (!address) return fail(index, reader.failure());
      if (!read_descriptor(index, *address)) return false;
    }
    return true;
  }

  bool read_descriptor(std::size_t index, Address address) {
    WordReader reader(m_data, address);
    const auto kind = reader.next("the descriptor kind");
    if (!kind) return fail(index, reader.failure());
    m_pending.emplace_back();
    if (*kind != zif::image_format::class_kind::runtime) return read_application_class(index, reader);
    const auto name_address = reader.next("the runtime class name");
    if (!name_address) return fail(index, reader.failure());
    const auto name = read_literal_string(m_data, *name_address);
    if (!name) return fail(index, "unreadable runtime class name at " + hex_address(*name_address));
    m_slots.push_back(m_find_named_class(*name));
    return true;
  }

  bool read_application_class(std::size_t index, WordReader& reader) {
    const auto size = reader.next("the instance size");
    const auto name_address = size ? reader.next("the class name") : std::nullopt;
    const auto superclass = name_address ? reader.next("the superclass index") : std::nullopt;
    const auto has_lifecycle = superclass ? reader.next("the lifecycle flag") : std::nullopt;
    if (!has_lifecycle) return fail(index, reader.failure());
    if (*size > largest_instance_size) return fail(index, "instance size " + std::to_string(*size) + " out of range");
    const auto name = *name_address == 0 ? std::optional<std::string>("") : read_literal_string(m_data, *name_address);
    if (!name) return fail(index, "unreadable class name at " + hex_address(*name_address));

    ClassRecord* record = create_class_record(*name, "");
    m_owned.push_back(record);
    m_slots.push_back(record);
    m_pending.back() = Pending{record, *superclass};
    record->instance_size = static_cast<std::int32_t>(*size);
    if (*has_lifecycle != 0) {
      const auto constructor = reader.next("the constructor");
      const auto destructor = constructor ? reader.next("the destructor") : std::nullopt;
      if (!destructor) return fail(index, reader.failure());
      record->constructor = *constructor;
      record->destructor = *destructor;
    }
    const auto is_interface = reader.next("the interface flag");
    if (!is_interface) return fail(index, reader.failure());
    record->is_interface = static_cast<std::uint8_t>(*is_interface & 0xFF);
    return read_interfaces(index, *record, reader) && read_methods(index, *record, reader) &&
           read_handlers(index, *record, reader) && read_constants(index, *record, reader) &&
           read_virtual_table(index, *record, reader);
  }

  // Reads a count and then calls read_entry that many times.
  template <typename ReadEntry>
  bool read_list(std::size_t index, WordReader& reader, std::string_view what, ReadEntry read_entry) {
    const auto count = reader.next(what);
    if (!count) return fail(index, reader.failure());
    for (std::uint32_t i = 0; i < *count; ++i)
      if (!read_entry()) return false;
    return true;
  }

  // The literal string that the next word points to; fails the build if
  // either cannot be read.
  std::optional<std::string> entry_name(std::size_t index, WordReader& reader, std::string_view what) {
    const auto address = reader.next(what);
    if (!address) {
      fail(index, reader.failure());
      return std::nullopt;
    }
    auto name = read_literal_string(m_data, *address);
    if (!name) fail(index, "unreadable " + std::string(what) + " at " + hex_address(*address));
    return name;
  }

  // The next word; fails the build if it cannot be read.
  std::optional<std::uint32_t> entry_word(std::size_t index, WordReader& reader, std::string_view what) {
    const auto word = reader.next(what);
    if (!word) fail(index, reader.failure());
    return word;
  }

  bool read_interfaces(std::size_t index, ClassRecord& record, WordReader& reader) {
    return read_list(index, reader, "the interface count", [&] {
      const auto interface_index = reader.next("an interface index");
      if (!interface_index) return fail(index, reader.failure());
      // Interfaces come before the classes that implement them.
      if (*interface_index >= index || m_slots[*interface_index] == nullptr)
        return fail(index, "interface index " + std::to_string(*interface_index) + " names no earlier class");
      push_interface(record, *m_slots[*interface_index]);
      return true;
    });
  }

  bool read_methods(std::size_t index, ClassRecord& record, WordReader& reader) {
    return read_list(index, reader, "the method count", [&] {
      const auto name = entry_name(index, reader, "a method name");
      if (!name) return false;
      // An interface method has only a name.
      const auto routine = record.is_interface ? std::optional<std::uint32_t>(0) : entry_word(index, reader, "a method routine");
      if (!routine) return false;
      append_method(record, *name, *routine);
      return true;
    });
  }

  bool read_handlers(std::size_t index, ClassRecord& record, WordReader& reader) {
    return read_list(index, reader, "the handler count", [&] {
      const auto name = entry_name(index, reader, "a handler name");
      const auto routine = name ? entry_word(index, reader, "a handler routine") : std::nullopt;
      const auto key = routine ? entry_word(index, reader, "a handler key") : std::nullopt;
      if (!key) return false;
      push_hook(record, *name, static_cast<std::int32_t>(*key), *routine);
      return true;
    });
  }

  bool read_constants(std::size_t index, ClassRecord& record, WordReader& reader) {
    return read_list(index, reader, "the constant count", [&] {
      const auto name = entry_name(index, reader, "a constant name");
      const auto value = name ? entry_word(index, reader, "a constant value") : std::nullopt;
      if (!value) return false;
      push_constant(record, *name, static_cast<std::int32_t>(*value));
      return true;
    });
  }

  bool read_virtual_table(std::size_t index, ClassRecord& record, WordReader& reader) {
    const auto table_word = reader.next("the table word");
    if (!table_word) return fail(index, reader.failure());
    record.table_word = *table_word;
    record.virtual_table = reader.position();
    return true;
  }

  bool link_superclasses() {
    for (std::size_t index = 0; index < m_pending.size(); ++index) {
      const Pending& pending = m_pending[index];
      if (pending.record == nullptr || pending.superclass_index == no_superclass) continue;
      if (pending.superclass_index >= m_slots.size() || m_slots[pending.superclass_index] == nullptr)
        return fail(index, "superclass index " + std::to_string(pending.superclass_index) + " names no class");
      pending.record->superclass = m_slots[pending.superclass_index];
      note_size_below_superclass(*pending.record);
    }
    return true;
  }

  // The class is used as it is; compiled code of its superclass may then
  // write past its instances, which the trace is there to reveal.
  void note_size_below_superclass(const ClassRecord& record) {
    const ClassRecord& superclass = *record.superclass;
    if (record.instance_size >= superclass.instance_size) return;
    trace += "!!! RuntimeInit -- Bad class object size\n";
    trace += "\tClass Name: " + std::string(class_name(&record)) + "\n";
    trace += "\tClass Size: " + std::to_string(record.instance_size) + "\n";
    trace += "\tSuper Name: " + std::string(class_name(&superclass)) + "\n";
    trace += "\tSuper Size: " + std::to_string(superclass.instance_size) + "\n";
  }

  // Every walk up a class chain must end; only application classes can loop.
  bool check_chains_end() {
    for (std::size_t index = 0; index < m_pending.size(); ++index) {
      std::size_t steps = 0;
      for (const ClassRecord* record = m_pending[index].record; record != nullptr; record = record->superclass)
        if (!record->runtime_class && ++steps > m_owned.size()) return fail(index, "its superclasses form a loop");
    }
    return true;
  }

  bool build_dispatch_tables() {
    const std::uint32_t generation = ++g_generation;
    for (ClassRecord* record : m_owned)
      if (record->is_interface) number_interface_methods(*record);
    for (std::size_t index = 0; index < m_pending.size(); ++index) {
      ClassRecord* record = m_pending[index].record;
      if (record == nullptr || record->is_interface) continue;
      record->generation = generation;
      for (InterfaceEntry* entry = record->interfaces; entry != nullptr; entry = entry->next)
        if (!fill_dispatch_table(index, *record, *entry)) return false;
    }
    return true;
  }

  static void number_interface_methods(ClassRecord& record) {
    std::int32_t position = 0;
    for (MethodEntry* method = record.methods; method != nullptr; method = method->next) method->position = ++position;
  }

  bool fill_dispatch_table(std::size_t index, const ClassRecord& record, InterfaceEntry& entry) {
    std::int32_t method_count = 0;
    for (const MethodEntry* method = entry.interface_class->methods; method != nullptr; method = method->next)
      ++method_count;
    entry.dispatch_length = method_count + 1;
    const std::size_t bytes = sizeof(CodeAddress) * static_cast<std::size_t>(entry.dispatch_length);
    entry.dispatch_table = static_cast<CodeAddress*>(allocate(bytes));
    entry.dispatch_table[0] = 0;
    std::int32_t slot = 0;
    for (const MethodEntry* wanted = entry.interface_class->methods; wanted != nullptr; wanted = wanted->next) {
      const MethodEntry* found = find_method(&record, string_text(wanted->name));
      if (found == nullptr || found->routine == 0)
        return fail(index, "class \"" + std::string(class_name(&record)) + "\" has no method \"" +
                               std::string(string_text(wanted->name)) + "\" of interface \"" +
                               std::string(class_name(entry.interface_class)) + "\"");
      entry.dispatch_table[++slot] = found->routine;
    }
    return true;
  }

  ClassRecord* find_application_class(const std::vector<ClassRecord*>& owned) const {
    const ClassRecord* application = m_find_named_class("Application");
    ClassRecord* found = nullptr;
    for (ClassRecord* record : owned)
      if (application != nullptr && class_inherits(record, application)) found = record;
    return found;
  }

  const MemoryView& m_data;
  NamedClassLookup m_find_named_class;
  std::vector<ClassRecord*> m_slots;
  std::vector<ClassRecord*> m_owned;
  std::vector<Pending> m_pending;
};

}  // namespace

ClassTableBuild build_class_table(const MemoryView& data, Address application_descriptor,
                                  NamedClassLookup find_named_class) {
  TableBuilder builder(data, find_named_class);
  ClassTableBuild result;
  result.built = builder.build(application_descriptor);
  result.error = std::move(builder.error);
  result.trace = std::move(builder.trace);
  if (result.built) {
    destroy_class_table();
    g_table = builder.take_table();
  }
  return result;
}

void destroy_class_table() {
  for (ClassRecord* record : g_table.owned) destroy_class_record(record);
  g_table = ClassTable{};
}

std::int32_t class_count() {
  return static_cast<std::int32_t>(g_table.slots.size());
}

ClassRecord* class_at_index(std::int32_t index) {
  if (index < 0 || index >= class_count()) return nullptr;
  return g_table.slots[static_cast<std::size_t>(index)];
}

ClassRecord* application_class() {
  return g_table.application;
}

}  // namespace zrt
