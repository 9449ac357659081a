// Instances: reference-counted records whose header compiled code and the
// runtime share, the live object list through every instance, creation with
// constructors root first and destruction with destructors the other way.
#pragma once

#include "runtime/core/class_records.h"
#include "runtime/core/pointer_words.h"
#include "runtime/interface/abi_types.h"

#include <cstddef>
#include <cstdint>

// The header of every instance; the classes' fields follow it, the root
// class's first. All four are 32-bit words, since compiled code addresses
// fields at offsets that count this header as 16 bytes.
struct ZObject {
  std::int32_t count;
  zrt::Word class_word;   // ClassRecord*
  zrt::Word newer_word;   // newer neighbour in the live object list, 0 for the newest
  zrt::Word older_word;   // older neighbour, 0 for the oldest
};

static_assert(sizeof(ZObject) == zif::object_header_size, "compiled code places fields after the header");

namespace zrt {

using zif::object_header_size;

// A new instance with count 1, its fields zeroed and then set by the
// constructors of its chain, at the head of the live object list.
[[nodiscard]] ZObject* new_instance(ClassRecord& record);

void lock_object(ZObject* object);
// At zero the destructors run and the instance is freed. A count already at
// zero is a caller error, ignored rather than freeing the instance twice.
void unlock_object(ZObject* object);
[[nodiscard]] ZObject* share_object(ZObject* object);

[[nodiscard]] ClassRecord* class_of(const ZObject* object);

// The bytes an instance occupies: its class's instance size rounded up to
// whole words, and never less than the header.
[[nodiscard]] std::size_t instance_block_size(const ClassRecord& record);

// The 32-bit field at a byte offset; asserts that it lies in the instance.
[[nodiscard]] Word* field_at(ZObject* object, std::int32_t offset);
// The bytes of a field of any width (flags, 16-bit values); asserts that
// they lie in the instance.
[[nodiscard]] std::uint8_t* field_bytes(ZObject* object, std::int32_t offset, std::int32_t width);

[[nodiscard]] ZObject* newest_object();
[[nodiscard]] ZObject* older_object(const ZObject* object);
[[nodiscard]] ZObject* newer_object(const ZObject* object);
[[nodiscard]] std::size_t live_object_count();

// Owns one reference to an object and gives it up when it goes away.
class ObjectRef {
 public:
  ObjectRef() = default;
  [[nodiscard]] static ObjectRef adopt(ZObject* object) { return ObjectRef(object); }
  [[nodiscard]] static ObjectRef share(ZObject* object) { return ObjectRef(share_object(object)); }

  ObjectRef(const ObjectRef& other) : m_object(share_object(other.m_object)) {}
  ObjectRef(ObjectRef&& other) noexcept : m_object(other.m_object) { other.m_object = nullptr; }
  ObjectRef& operator=(ObjectRef other) noexcept;
  ~ObjectRef() { unlock_object(m_object); }

  [[nodiscard]] ZObject* get() const { return m_object; }
  // Hands the reference to the caller, as when a routine returns the object.
  [[nodiscard]] ZObject* leak();

 private:
  explicit ObjectRef(ZObject* object) : m_object(object) {}
  ZObject* m_object = nullptr;
};

}  // namespace zrt
