// The runtime's dictionary of names (runtime classes, the export table's
// routines for plug-ins): 256 buckets of chains and a list of every entry in
// the order it was added. Names match by the runtime's name equality.
#pragma once

#include "runtime/core/memory.h"
#include "runtime/core/name_equality.h"
#include "runtime/core/strings.h"

#include <array>
#include <cstdint>
#include <new>
#include <string_view>

namespace zrt {

// h = b XOR (h * 4) over the bytes taken as signed, with ASCII a-z folded to
// upper case first. Only ASCII is folded, so names that the name equality
// holds equal through other letters hash apart; every runtime name is ASCII.
[[nodiscard]] std::uint32_t name_hash(std::string_view name);

template <typename Value>
class NameDictionary {
 public:
  NameDictionary() = default;
  NameDictionary(const NameDictionary&) = delete;
  NameDictionary& operator=(const NameDictionary&) = delete;
  ~NameDictionary() { clear(); }

  // Adding a name that is already there replaces its value.
  void insert(std::string_view name, Value value) {
    const std::uint32_t hash = name_hash(name);
    if (Entry* existing = find_entry(name, hash)) {
      existing->value = value;
      return;
    }
    auto* entry = new (allocate(sizeof(Entry))) Entry{m_buckets[bucket_of(hash)], nullptr, hash, make_string(name), value};
    m_buckets[bucket_of(hash)] = entry;
    (m_last != nullptr ? m_last->next_added : m_first) = entry;
    m_last = entry;
  }

  [[nodiscard]] const Value* find(std::string_view name) const {
    const Entry* entry = find_entry(name, name_hash(name));
    return entry != nullptr ? &entry->value : nullptr;
  }

  // Visits (name, value) in the order the names were first added.
  template <typename Visit>
  void for_each(Visit&& visit) const {
    for (const Entry* entry = m_first; entry != nullptr; entry = entry->next_added)
      visit(string_text(entry->name), entry->value);
  }

  void clear() {
    for (Entry* entry = m_first; entry != nullptr;) {
      Entry* next = entry->next_added;
      unlock_string(entry->name);
      entry->~Entry();
      release(entry, sizeof(Entry));
      entry = next;
    }
    m_buckets.fill(nullptr);
    m_first = m_last = nullptr;
  }

 private:
  struct Entry {
    Entry* next_in_chain;
    Entry* next_added;
    std::uint32_t hash;
    ZString* name;
    Value value;
  };

  static std::size_t bucket_of(std::uint32_t hash) { return hash & 0xFF; }

  Entry* find_entry(std::string_view name, std::uint32_t hash) const {
    for (Entry* entry = m_buckets[bucket_of(hash)]; entry != nullptr; entry = entry->next_in_chain)
      if (entry->hash == hash && names_equal(string_text(entry->name), name)) return entry;
    return nullptr;
  }

  std::array<Entry*, 256> m_buckets{};
  Entry* m_first = nullptr;
  Entry* m_last = nullptr;
};

}  // namespace zrt
