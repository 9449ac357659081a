// The exported array routines: each element kind's conversion at the
// boundary and its references, over the kind-independent operations of
// arrays.cpp. An index outside its bound raises OutOfBoundsException as the
// routine's last act; a nil array is a caller error with no effect.
#include "runtime/core/arrays.h"

#include "runtime/core/exceptions.h"
#include "runtime/core/strings.h"
#include "runtime/interface/exports.h"

namespace zrt {
namespace {

template <typename Stored>
int compare_values(const void* first, const void* second) {
  const Stored a = *static_cast<const Stored*>(first);
  const Stored b = *static_cast<const Stored*>(second);
  return (a > b) - (a < b);
}

int compare_strings(const void* first, const void* second) {
  return RuntimeStringCompare(*static_cast<ZString* const*>(first), *static_cast<ZString* const*>(second));
}

[[noreturn]] void raise_out_of_bounds() { raise_new_exception("OutOfBoundsException"); }

void release_string(void* element) { unlock_string(*static_cast<ZString**>(element)); }
void release_object(void* element) { RuntimeUnlockObject(*static_cast<ZObject**>(element)); }

// A plain element kind: what compiled code passes is what is stored.
template <typename ValueType, typename StoredType>
struct PlainKind {
  using Value = ValueType;
  using Stored = StoredType;
  static constexpr ElementKind kind{sizeof(Stored), nullptr, compare_values<Stored>};
  static Stored to_stored(Value value) { return static_cast<Stored>(value); }
  static void keep(Stored) {}
  static Value hand_out(Stored stored) { return static_cast<Value>(stored); }
};

using IntKind = PlainKind<std::int32_t, std::int32_t>;
using SingleKind = PlainKind<double, float>;
using DoubleKind = PlainKind<double, double>;

struct StringKind {
  using Value = ZString*;
  using Stored = ZString*;
  static constexpr ElementKind kind{sizeof(Stored), release_string, compare_strings};
  static Stored to_stored(Value value) { return value; }
  static void keep(Stored stored) { lock_string(stored); }
  static Value hand_out(Stored stored) { return share_string(stored); }
};

struct ObjectKind {
  using Value = ZObject*;
  using Stored = ZObject*;
  static constexpr ElementKind kind{sizeof(Stored), release_object, nullptr};
  static Stored to_stored(Value value) { return value; }
  static void keep(Stored stored) { RuntimeLockObject(stored); }
  static Value hand_out(Stored stored) {
    RuntimeLockObject(stored);
    return stored;
  }
};

using ReadOperation = bool (*)(const ZArray*, std::int32_t, const ElementKind&, void*);
using WriteOperation = bool (*)(ZArray*, std::int32_t, const ElementKind&, const void*);

bool append_at_end(ZArray* array, std::int32_t, const ElementKind& kind, const void* value) {
  return append_element(array, kind, value);
}

template <typename Kind, ReadOperation read>
typename Kind::Value read_element(const ZArray* array, std::int32_t index) {
  typename Kind::Stored stored{};
  if (array == nullptr) return Kind::hand_out(stored);
  if (!read(array, index, Kind::kind, &stored)) raise_out_of_bounds();
  return Kind::hand_out(stored);
}

// The array takes its own reference only once the value is stored.
template <typename Kind, WriteOperation write>
void write_element(ZArray* array, std::int32_t index, typename Kind::Value value) {
  if (array == nullptr) return;
  const typename Kind::Stored stored = Kind::to_stored(value);
  if (!write(array, index, Kind::kind, &stored)) raise_out_of_bounds();
  Kind::keep(stored);
}

template <typename Kind>
void remove_at(ZArray* array, std::int32_t index) {
  if (array != nullptr && !remove_element(array, index, Kind::kind)) raise_out_of_bounds();
}

template <typename Kind>
void redimension_level(ZArray* array, std::int32_t level, std::int32_t upper) {
  if (array != nullptr && !redimension(array, level, upper, Kind::kind)) raise_out_of_bounds();
}

void step_access(ZArray* array, std::int32_t index, AccessMode mode, bool (*step)(ZArray*, std::int32_t, AccessMode)) {
  if (array != nullptr && !step(array, index, mode)) raise_out_of_bounds();
}

}  // namespace
}  // namespace zrt

using namespace zrt;

extern "C" {

ZArray* RuntimeCreateArray() { return create_array(); }
std::int32_t RuntimeArrayCreateAddIndex(ZArray* array, std::int32_t lower, std::int32_t upper) {
  return add_dimension(array, lower, upper);
}
std::int32_t RuntimeUBound(ZArray* array) { return first_upper_bound(array); }

std::int32_t RuntimeDirectReadIntArray(ZArray* a, std::int32_t i) { return read_element<IntKind, read_direct>(a, i); }
double RuntimeDirectReadSingleArray(ZArray* a, std::int32_t i) { return read_element<SingleKind, read_direct>(a, i); }
double RuntimeDirectReadDoubleArray(ZArray* a, std::int32_t i) { return read_element<DoubleKind, read_direct>(a, i); }
ZString* RuntimeDirectReadStringArray(ZArray* a, std::int32_t i) { return read_element<StringKind, read_direct>(a, i); }
ZObject* RuntimeDirectReadObjectArray(ZArray* a, std::int32_t i) { return read_element<ObjectKind, read_direct>(a, i); }
void RuntimeDirectWriteIntArray(ZArray* a, std::int32_t i, std::int32_t v) { write_element<IntKind, write_direct>(a, i, v); }
void RuntimeDirectWriteSingleArray(ZArray* a, std::int32_t i, double v) { write_element<SingleKind, write_direct>(a, i, v); }
void RuntimeDirectWriteDoubleArray(ZArray* a, std::int32_t i, double v) { write_element<DoubleKind, write_direct>(a, i, v); }
void RuntimeDirectWriteStringArray(ZArray* a, std::int32_t i, ZString* v) { write_element<StringKind, write_direct>(a, i, v); }
void RuntimeDirectWriteObjectArray(ZArray* a, std::int32_t i, ZObject* v) { write_element<ObjectKind, write_direct>(a, i, v); }

void RuntimeIntArrayAppend(ZArray* a, std::int32_t v) { write_element<IntKind, append_at_end>(a, 0, v); }
void RuntimeSingleArrayAppend(ZArray* a, double v) { write_element<SingleKind, append_at_end>(a, 0, v); }
void RuntimeDoubleArrayAppend(ZArray* a, double v) { write_element<DoubleKind, append_at_end>(a, 0, v); }
void RuntimeStringArrayAppend(ZArray* a, ZString* v) { write_element<StringKind, append_at_end>(a, 0, v); }
void RuntimeObjectArrayAppend(ZArray* a, ZObject* v) { write_element<ObjectKind, append_at_end>(a, 0, v); }
void RuntimeIntArrayInsert(ZArray* a, std::int32_t i, std::int32_t v) { write_element<IntKind, insert_element>(a, i, v); }
void RuntimeSingleArrayInsert(ZArray* a, std::int32_t i, double v) { write_element<SingleKind, insert_element>(a, i, v); }
void RuntimeDoubleArrayInsert(ZArray* a, std::int32_t i, double v) { write_element<DoubleKind, insert_element>(a, i, v); }
void RuntimeStringArrayInsert(ZArray* a, std::int32_t i, ZString* v) { write_element<StringKind, insert_element>(a, i, v); }
void RuntimeObjectArrayInsert(ZArray* a, std::int32_t i, ZObject* v) { write_element<ObjectKind, insert_element>(a, i, v); }
void RuntimeIntArrayRemove(ZArray* a, std::int32_t i) { remove_at<IntKind>(a, i); }
void RuntimeSingleArrayRemove(ZArray* a, std::int32_t i) { remove_at<SingleKind>(a, i); }
void RuntimeDoubleArrayRemove(ZArray* a, std::int32_t i) { remove_at<DoubleKind>(a, i); }
void RuntimeStringArrayRemove(ZArray* a, std::int32_t i) { remove_at<StringKind>(a, i); }
void RuntimeObjectArrayRemove(ZArray* a, std::int32_t i) { remove_at<ObjectKind>(a, i); }

void RuntimeIntArraySort(ZArray* a) { sort_elements(a, IntKind::kind); }
void RuntimeSingleArraySort(ZArray* a) { sort_elements(a, SingleKind::kind); }
void RuntimeDoubleArraySort(ZArray* a) { sort_elements(a, DoubleKind::kind); }
void RuntimeStringArraySort(ZArray* a) { sort_elements(a, StringKind::kind); }

void RuntimeRedimIntArrayLevel(ZArray* a, std::int32_t level, std::int32_t upper) { redimension_level<IntKind>(a, level, upper); }
void RuntimeRedimSingleArrayLevel(ZArray* a, std::int32_t level, std::int32_t upper) { redimension_level<SingleKind>(a, level, upper); }
void RuntimeRedimDoubleArrayLevel(ZArray* a, std::int32_t level, std::int32_t upper) { redimension_level<DoubleKind>(a, level, upper); }
void RuntimeRedimStringArrayLevel(ZArray* a, std::int32_t level, std::int32_t upper) { redimension_level<StringKind>(a, level, upper); }
void RuntimeRedimObjectArrayLevel(ZArray* a, std::int32_t level, std::int32_t upper) { redimension_level<ObjectKind>(a, level, upper); }

void RuntimeDisposeIntArray(ZArray* a) { dispose_array(a, IntKind::kind); }
void RuntimeDisposeStringArray(ZArray* a) { dispose_array(a, StringKind::kind); }
void RuntimeDisposeObjectArray(ZArray* a) { dispose_array(a, ObjectKind::kind); }

void RuntimeArrayStartReadAccess(ZArray* a, std::int32_t i) { step_access(a, i, AccessMode::Read, start_access); }
void RuntimeArrayStartWriteAccess(ZArray* a, std::int32_t i) { step_access(a, i, AccessMode::Write, start_access); }
void RuntimeArrayAddReadIndex(ZArray* a, std::int32_t i) { step_access(a, i, AccessMode::Read, add_access_index); }
void RuntimeArrayAddWriteIndex(ZArray* a, std::int32_t i) { step_access(a, i, AccessMode::Write, add_access_index); }
std::int32_t RuntimeReadIntArray(ZArray* a, std::int32_t i) { return read_element<IntKind, read_accessed>(a, i); }
double RuntimeReadSingleArray(ZArray* a, std::int32_t i) { return read_element<SingleKind, read_accessed>(a, i); }
double RuntimeReadDoubleArray(ZArray* a, std::int32_t i) { return read_element<DoubleKind, read_accessed>(a, i); }
ZString* RuntimeReadStringArray(ZArray* a, std::int32_t i) { return read_element<StringKind, read_accessed>(a, i); }
ZObject* RuntimeReadObjectArray(ZArray* a, std::int32_t i) { return read_element<ObjectKind, read_accessed>(a, i); }
void RuntimeWriteIntArray(ZArray* a, std::int32_t i, std::int32_t v) { write_element<IntKind, write_accessed>(a, i, v); }
void RuntimeWriteSingleArray(ZArray* a, std::int32_t i, double v) { write_element<SingleKind, write_accessed>(a, i, v); }
void RuntimeWriteDoubleArray(ZArray* a, std::int32_t i, double v) { write_element<DoubleKind, write_accessed>(a, i, v); }
void RuntimeWriteStringArray(ZArray* a, std::int32_t i, ZString* v) { write_element<StringKind, write_accessed>(a, i, v); }
void RuntimeWriteObjectArray(ZArray* a, std::int32_t i, ZObject* v) { write_element<ObjectKind, write_accessed>(a, i, v); }

}  // extern "C"
