// The exported accessors through which compiled code reads and stores the
// object and string references of instance fields, by byte offset.
#include "runtime/core/exceptions.h"
#include "runtime/core/objects.h"
#include "runtime/core/strings.h"
#include "runtime/interface/exports.h"

namespace {

zrt::Word* reference_field(ZObject* instance, std::int32_t offset) {
  if (instance == nullptr) zrt::raise_new_exception("NilObjectException");
  return zrt::field_at(instance, offset);
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

}
