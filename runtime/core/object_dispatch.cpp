// The exported inheritance tests, casts and dispatch lookups: virtual
// tables, interface dispatch tables and hooks.
#include "runtime/core/class_table.h"
#include "runtime/core/exceptions.h"
#include "runtime/core/image_bases.h"
#include "runtime/core/objects.h"
#include "runtime/interface/exports.h"

namespace {

// Dispatching on nil is using a nil reference; without this, compiled code
// would call the null routine it got back.
zrt::ClassRecord* dispatch_class(ZObject* object) {
  if (object == nullptr) zrt::raise_new_exception("NilObjectException");
  return zrt::class_of(object);
}

}  // namespace

extern "C" {

std::int32_t RuntimeObjectIsa(ZObject* object, std::int32_t class_index) {
  if (object == nullptr) return 0;
  return zrt::class_is_a(zrt::class_of(object), zrt::class_at_index(class_index)) ? 1 : 0;
}

void RuntimeCheckCast(ZObject* object, std::int32_t class_index) {
  if (object == nullptr || RuntimeObjectIsa(object, class_index)) return;
  zrt::raise_new_exception("IllegalCastException");
}

std::uint32_t FindVTableCode(ZObject* object, std::int32_t slot) {
  const zrt::ClassRecord* record = dispatch_class(object);
  // Runtime classes have no virtual table; a slot the image data does not
  // hold gives no routine rather than a stray read.
  if (record->virtual_table == 0 || slot < 0) return 0;
  return zrt::image_data().word_at(record->virtual_table + 4 * static_cast<std::uint32_t>(slot)).value_or(0);
}

std::uint32_t FindInterfaceVTableCode(ZObject* object, std::int32_t slot, std::int32_t interface_index) {
  const zrt::ClassRecord* interface_class = zrt::class_at_index(interface_index);
  const zrt::InterfaceEntry* entry = zrt::find_interface_entry(dispatch_class(object), interface_class);
  if (interface_class == nullptr || entry == nullptr) return 0;
  if (slot < 1 || slot >= entry->dispatch_length) return 0;
  return entry->dispatch_table[slot];
}

std::uint32_t RuntimeFindHookCode(ZObject* object, std::int32_t key) {
  return object == nullptr ? 0 : zrt::find_hook_by_key(zrt::class_of(object), key);
}

}
