// Typed access to the fields of an instance at the byte offsets that the
// class table and compiled code share: flags, values of any width, and the
// references (strings, objects) that a field holds a count on.
#pragma once

#include "runtime/core/objects.h"

#include <cstdint>
#include <cstring>

namespace zrt {

class InstanceFields {
 public:
  explicit InstanceFields(ZObject* object) : m_object(object) {}

  [[nodiscard]] ZObject* object() const { return m_object; }

  [[nodiscard]] bool flag(std::int32_t offset) const { return *field_bytes(m_object, offset, 1) != 0; }
  void set_flag(std::int32_t offset, bool value) const { *field_bytes(m_object, offset, 1) = value ? 1 : 0; }

  template <typename Value>
  [[nodiscard]] Value value(std::int32_t offset) const {
    Value result;
    std::memcpy(&result, field_bytes(m_object, offset, sizeof result), sizeof result);
    return result;
  }
  template <typename Value>
  void set_value(std::int32_t offset, Value value) const {
    std::memcpy(field_bytes(m_object, offset, sizeof value), &value, sizeof value);
  }

  template <typename Record>
  [[nodiscard]] Record* record(std::int32_t offset) const {
    return pointer_of<Record>(value<Word>(offset));
  }
  template <typename Record>
  void set_record(std::int32_t offset, Record* record) const {
    set_value(offset, word_of_pointer(record));
  }

  [[nodiscard]] ZString* string(std::int32_t offset) const { return record<ZString>(offset); }
  [[nodiscard]] ZObject* reference(std::int32_t offset) const { return record<ZObject>(offset); }

  // The new reference is taken before the old one goes, so storing the value
  // already held never frees it in between.
  void store_string(std::int32_t offset, ZString* value) const;
  void store_reference(std::int32_t offset, ZObject* value) const;

 private:
  ZObject* m_object;
};

}  // namespace zrt
