// The element vector of an array: a block of equally sized elements of which
// the first count are stored. New elements are zero bytes, which is 0, 0.0, the
// empty string or nil for every element kind the arrays hold.
#pragma once

#include <cstdint>

struct ZElementVector {
  void* block;                // the element storage, null until the first element is stored
  std::int32_t count;         // elements stored
  std::int32_t capacity;      // elements the block has room for
  std::int32_t element_size;  // bytes per element: 4 after creation, 8 once it holds doubles
};

static_assert(sizeof(void*) != 4 || sizeof(ZElementVector) == 16, "compiled code expects a vector of 4 words");

namespace zrt {

constexpr std::int32_t initial_element_size = 4;

// A vector record allocated on its own, as the dimensions below the first use.
[[nodiscard]] ZElementVector* new_element_vector();
void delete_element_vector(ZElementVector* vector);

// Grows or shrinks the stored part to count elements of element_size bytes,
// zero-filling new ones. Shrinking only forgets elements: the caller releases
// what they hold first.
void resize_elements(ZElementVector& vector, std::int32_t count, std::int32_t element_size);

// Frees the block; the vector is empty afterwards.
void free_elements(ZElementVector& vector);

template <typename Element>
[[nodiscard]] Element* elements_of(const ZElementVector& vector) {
  return static_cast<Element*>(vector.block);
}

// Moves the stored elements from position on one place up (making room at
// position, whose old content the caller overwrites) or one place down
// (dropping the element at position, which the caller has released).
void open_gap(ZElementVector& vector, std::int32_t position);
void close_gap(ZElementVector& vector, std::int32_t position);

}  // namespace zrt
