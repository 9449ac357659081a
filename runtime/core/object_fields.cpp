// The exported accessors through which compiled code and the stored
// properties of runtime classes read and store instance fields by byte
// offset: object and string references, 16-bit and 32-bit integers.
#include "runtime/core/exceptions.h"
#include "runtime/core/objects.h"
#include "runtime/core/strings.h"
#include "runtime/interface/exports.h"

#include <cstring>

namespace {

zrt::Word* reference_field(ZObject* instance, std::int32_t offset) {
  if (instance == nullptr) zrt::raise_new_exception("NilObjectException");
  return zrt::field_at(instance, offset);
}

template <typename Integer>
Integer read_integer_field(ZObject* instance, std::int32_t offset) {
  if (instance == nullptr) zrt::raise_new_exception("NilObjectException");
  Integer value;
  std::memcpy(&value, zrt::field_bytes(instance, offset, sizeof value), sizeof value);
  return value;
}

template <typename Integer>
void write_integer_field(ZObject* instance, std::int32_t offset, Integer value) {
  if (instance == nullptr) zrt::raise_new_exception("NilObjectException");
  std::memcpy(zrt::field_bytes(instance, offset, sizeof value), &value, sizeof value);
}

}  // namespace

extern "C" {

ZObject* objGetter(ZObject* instance, std::int32_t offset) {
  return zrt::share_object(zrt::pointer_of<ZObject>(*reference_field(instance, offset)));
}

void objSetter(ZObject* instance, std::int32_t offset, ZObject* value) {
  zrt::Word* field = reference_field(instance, offset);
  // The new reference is taken first, so storing the value already there
  // never frees it in between.
  zrt::lock_object(value);
  ZObject* old = zrt::pointer_of<ZObject>(*field);
  *field = zrt::word_of_pointer(value);
  zrt::unlock_object(old);
}

ZString* stringGetter(ZObject* instance, std::int32_t offset) {
  return zrt::share_string(zrt::pointer_of<ZString>(*reference_field(instance, offset)));
}

void stringSetter(ZObject* instance, std::int32_t offset, ZString* value) {
  zrt::Word* field = reference_field(instance, offset);
  zrt::lock_string(value);
  ZString* old = zrt::pointer_of<ZString>(*field);
  *field = zrt::word_of_pointer(value);
  RuntimeUnlockString(old);
}

// A 16-bit field is widened with its sign and stored cut to 16 bits.
std::int32_t shortGetter(ZObject* instance, std::int32_t offset) {
  return read_integer_field<std::int16_t>(instance, offset);
}

void shortSetter(ZObject* instance, std::int32_t offset, std::int32_t value) {
  write_integer_field(instance, offset, static_cast<std::int16_t>(value));
}

std::int32_t integerGetter(ZObject* instance, std::int32_t offset) {
  return read_integer_field<std::int32_t>(instance, offset);
}

void integerSetter(ZObject* instance, std::int32_t offset, std::int32_t value) {
  write_integer_field(instance, offset, value);
}

// An 8-bit Boolean field reads as 0 or 1 and stores any nonzero value as 1.
std::int32_t booleanGetter(ZObject* instance, std::int32_t offset) {
  return read_integer_field<std::uint8_t>(instance, offset) != 0 ? 1 : 0;
}

void booleanSetter(ZObject* instance, std::int32_t offset, std::int32_t value) {
  write_integer_field(instance, offset, static_cast<std::uint8_t>(value != 0 ? 1 : 0));
}

}
