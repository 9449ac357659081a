// Creating, sharing and destroying instances, the live object list, and the
// exported routines that create, lock and unlock objects.
#include "runtime/core/objects.h"

#include "runtime/core/assert.h"
#include "runtime/core/class_table.h"
#include "runtime/core/code_calls.h"
#include "runtime/core/memory.h"
#include "runtime/core/native_destructors.h"
#include "runtime/interface/exports.h"

#include <array>
#include <cstring>
#include <utility>

namespace zrt {
namespace {

ZObject* g_newest_object = nullptr;
std::size_t g_live_objects = 0;

void call_lifecycle_routine(CodeAddress routine, ZObject* instance, ClassRecord* owner) {
  const std::array<Word, 2> arguments{word_of_pointer(instance), word_of_pointer(owner)};
  call_code(routine, arguments);
}

void run_constructors(ZObject* instance, ClassRecord* record) {
  if (record == nullptr) return;
  run_constructors(instance, record->superclass);
  if (record->constructor != 0) call_lifecycle_routine(record->constructor, instance, record);
}

void run_destructors(ZObject* instance, ClassRecord* record) {
  for (; record != nullptr; record = record->superclass) {
    if (record->destructor != 0) call_lifecycle_routine(record->destructor, instance, record);
    run_native_destructor(instance, *record);
  }
}

void link_as_newest(ZObject* object) {
  object->newer_word = 0;
  object->older_word = word_of_pointer(g_newest_object);
  if (g_newest_object != nullptr) g_newest_object->newer_word = word_of_pointer(object);
  g_newest_object = object;
  ++g_live_objects;
}

void unlink(ZObject* object) {
  ZObject* newer = newer_object(object);
  ZObject* older = older_object(object);
  if (newer != nullptr) {
    newer->older_word = object->older_word;
  } else {
    g_newest_object = older;
  }
  if (older != nullptr) older->newer_word = object->newer_word;
  --g_live_objects;
}

void destroy(ZObject* object) {
  ClassRecord* record = class_of(object);
  const std::size_t size = instance_block_size(*record);
  // A destructor may pass the instance on, locking and unlocking it; a
  // count of 1 while they run keeps that from destroying it a second time.
  object->count = 1;
  run_destructors(object, record);
  if (--object->count > 0) return;  // a destructor stored it somewhere: it lives on
  unlink(object);
  release(object, size);
}

}  // namespace

std::size_t instance_block_size(const ClassRecord& record) {
  const std::int32_t rounded = (record.instance_size + 3) / 4 * 4;
  return static_cast<std::size_t>(rounded < object_header_size ? object_header_size : rounded);
}

ZObject* new_instance(ClassRecord& record) {
  const std::size_t size = instance_block_size(record);
  auto* object = static_cast<ZObject*>(allocate(size));
  std::memset(object, 0, size);
  object->count = 1;
  object->class_word = word_of_pointer(&record);
  run_constructors(object, &record);
  link_as_newest(object);
  return object;
}

void lock_object(ZObject* object) {
  if (object != nullptr) ++object->count;
}

void unlock_object(ZObject* object) {
  if (object == nullptr || object->count <= 0) return;
  if (--object->count == 0) destroy(object);
}

ZObject* share_object(ZObject* object) {
  lock_object(object);
  return object;
}

ClassRecord* class_of(const ZObject* object) {
  return object == nullptr ? nullptr : pointer_of<ClassRecord>(object->class_word);
}

Word* field_at(ZObject* object, std::int32_t offset) {
  ZASSERT(object != nullptr, "a field of nil");
  const auto size = static_cast<std::int32_t>(instance_block_size(*class_of(object)));
  ZASSERT(offset >= object_header_size && offset <= size - 4, "a field offset outside the instance");
  ZASSERT(offset % 4 == 0, "a field offset that is not word aligned");
  return reinterpret_cast<Word*>(reinterpret_cast<std::uint8_t*>(object) + offset);
}

std::uint8_t* field_bytes(ZObject* object, std::int32_t offset, std::int32_t width) {
  ZASSERT(object != nullptr, "a field of nil");
  const auto size = static_cast<std::int32_t>(instance_block_size(*class_of(object)));
  ZASSERT(width > 0 && offset >= object_header_size && offset <= size - width, "a field outside the instance");
  return reinterpret_cast<std::uint8_t*>(object) + offset;
}

ZObject* newest_object() {
  return g_newest_object;
}

ZObject* older_object(const ZObject* object) {
  return pointer_of<ZObject>(object->older_word);
}

ZObject* newer_object(const ZObject* object) {
  return pointer_of<ZObject>(object->newer_word);
}

std::size_t live_object_count() {
  return g_live_objects;
}

ObjectRef& ObjectRef::operator=(ObjectRef other) noexcept {
  std::swap(m_object, other.m_object);
  return *this;
}

ZObject* ObjectRef::leak() {
  return std::exchange(m_object, nullptr);
}

}  // namespace zrt

extern "C" {

ZObject* RuntimeNewObject(std::int32_t class_index) {
  // An index the image does not hold, or a runtime class it names that does
  // not exist, gives nil; using it then raises the nil-object exception.
  zrt::ClassRecord* record = zrt::class_at_index(class_index);
  return record == nullptr ? nullptr : zrt::new_instance(*record);
}

ZObject* RuntimeLockObject(ZObject* object) {
  return zrt::share_object(object);
}

void RuntimeUnlockObject(ZObject* object) {
  zrt::unlock_object(object);
}

}
