// Arrays of compiled programs: zero-based, one to twenty dimensions, with
// storage allocated lazily as elements are written. An array has no reference
// count; compiled code creates it, passes its address and disposes of it.
//
// The operations here work on elements of any kind described by an
// ElementKind. Each returns false, changing nothing, when an index lies
// outside its dimension's bound or the array has not the shape the operation
// needs; the exported routines turn that into an out-of-bounds exception.
#pragma once

#include "runtime/core/element_vector.h"

#include <cstdint>
#include <cstring>

inline constexpr int max_array_dimensions = 20;

struct ZArray {
  ZElementVector elements;     // the elements, or for several dimensions the vectors of the next one
  std::int32_t dimension_count;
  std::int32_t upper_bounds[max_array_dimensions];
  std::int32_t access_level;        // during a multi-dimensional access: the dimension reached
  ZElementVector* current_vector;   // its vector, or null while that part is not stored
};

static_assert(sizeof(void*) != 4 || sizeof(ZArray) == 108, "compiled code expects the record's field offsets");

namespace zrt {

// What the array needs to know about the elements it holds.
struct ElementKind {
  std::int32_t size;
  // Gives up the reference an element holds; null for plain values.
  void (*release)(void* element);
  // Orders two elements for sorting: negative, zero or positive.
  int (*compare)(const void* first, const void* second);
};

enum class AccessMode { Read, Write };

[[nodiscard]] ZArray* create_array();

// Adds a dimension of bound upper - lower and returns its 0-based number, or
// -1 when the array already has the most dimensions it can have.
std::int32_t add_dimension(ZArray* array, std::int32_t lower, std::int32_t upper);

[[nodiscard]] std::int32_t first_upper_bound(const ZArray* array);

// Element access, inline because compiled code reads and writes elements in
// its inner loops.
inline bool valid_index(const ZArray* array, std::int32_t dimension, std::int32_t index) {
  return dimension >= 0 && dimension < array->dimension_count && index >= 0 &&
         index <= array->upper_bounds[dimension];
}

inline bool one_dimensional(const ZArray* array) { return array != nullptr && array->dimension_count == 1; }

inline void* element_at(const ZElementVector& vector, std::int32_t index) {
  return static_cast<std::uint8_t*>(vector.block) + static_cast<std::size_t>(index) * vector.element_size;
}

inline void release_element(const ElementKind& kind, const ZElementVector& vector, std::int32_t index) {
  if (kind.release != nullptr) kind.release(element_at(vector, index));
}

// Copies the element into out, or zero bytes when it is not stored yet.
inline void fetch(const ZElementVector* vector, std::int32_t index, const ElementKind& kind, void* out) {
  if (vector == nullptr || index >= vector->count)
    std::memset(out, 0, static_cast<std::size_t>(kind.size));
  else
    std::memcpy(out, element_at(*vector, index), static_cast<std::size_t>(kind.size));
}

// Grows the vector by up to 16 elements, never past bound, so that it holds
// index.
void grow_to_hold(ZElementVector& vector, std::int32_t index, std::int32_t bound, std::int32_t element_size);

// Stores at a checked index, releasing the element it replaces.
inline void store(ZElementVector& vector, std::int32_t index, std::int32_t bound, const ElementKind& kind,
                  const void* value) {
  if (index >= vector.count)
    grow_to_hold(vector, index, bound, kind.size);
  else
    release_element(kind, vector, index);
  std::memcpy(element_at(vector, index), value, static_cast<std::size_t>(kind.size));
}

// One-dimensional arrays. Reads copy the element (zero bytes when it is not
// stored) into out; writes store the value's bytes, releasing the element they
// replace. The array takes over whatever reference the value's bytes hold
// only when the call succeeds.
[[nodiscard]] inline bool read_direct(const ZArray* array, std::int32_t index, const ElementKind& kind, void* out) {
  if (!one_dimensional(array) || !valid_index(array, 0, index)) return false;
  fetch(&array->elements, index, kind, out);
  return true;
}

[[nodiscard]] inline bool write_direct(ZArray* array, std::int32_t index, const ElementKind& kind, const void* value) {
  if (!one_dimensional(array) || !valid_index(array, 0, index)) return false;
  store(array->elements, index, array->upper_bounds[0], kind, value);
  return true;
}

[[nodiscard]] bool append_element(ZArray* array, const ElementKind& kind, const void* value);
[[nodiscard]] bool insert_element(ZArray* array, std::int32_t index, const ElementKind& kind, const void* value);
[[nodiscard]] bool remove_element(ZArray* array, std::int32_t index, const ElementKind& kind);

// Sorts a one-dimensional array in ascending order; elements not stored yet
// take part as zero values. Does nothing to other arrays.
void sort_elements(ZArray* array, const ElementKind& kind);

// Multi-dimensional access: start with the first index, add every further
// index but the last, then read or write with the last one.
[[nodiscard]] bool start_access(ZArray* array, std::int32_t index, AccessMode mode);
[[nodiscard]] bool add_access_index(ZArray* array, std::int32_t index, AccessMode mode);
[[nodiscard]] bool read_accessed(const ZArray* array, std::int32_t index, const ElementKind& kind, void* out);
[[nodiscard]] bool write_accessed(ZArray* array, std::int32_t index, const ElementKind& kind, const void* value);

// Gives dimension level the bound upper and releases what is stored beyond it.
[[nodiscard]] bool redimension(ZArray* array, std::int32_t level, std::int32_t upper, const ElementKind& kind);

// Frees every vector and the record, releasing the elements first.
void dispose_array(ZArray* array, const ElementKind& kind);

}  // namespace zrt
