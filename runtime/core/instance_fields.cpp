// Storing counted references into instance fields.
#include "runtime/core/instance_fields.h"

#include "runtime/core/strings.h"

namespace zrt {

void InstanceFields::store_string(std::int32_t offset, ZString* value) const {
  lock_string(value);
  ZString* old = string(offset);
  set_record(offset, value);
  unlock_string(old);
}

void InstanceFields::store_reference(std::int32_t offset, ZObject* value) const {
  lock_object(value);
  ZObject* old = reference(offset);
  set_record(offset, value);
  unlock_object(old);
}

}  // namespace zrt
