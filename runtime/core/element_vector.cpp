// Storage of array elements. Capacity grows at least in steps of 16 elements,
// and by half of itself for long vectors, so that repeated appends copy each
// element a bounded number of times.
#include "runtime/core/element_vector.h"

#include "runtime/core/assert.h"
#include "runtime/core/memory.h"

#include <algorithm>
#include <cstring>

namespace zrt {
namespace {

constexpr std::int32_t growth_step = 16;

std::size_t bytes_of(std::int32_t elements, std::int32_t element_size) {
  return static_cast<std::size_t>(elements) * static_cast<std::size_t>(element_size);
}

std::int32_t capacity_for(std::int32_t count, std::int32_t old_capacity) {
  const std::int32_t rounded = (count + growth_step - 1) / growth_step * growth_step;
  return std::max({count, rounded, old_capacity + old_capacity / 2});
}

void reallocate(ZElementVector& vector, std::int32_t capacity) {
  void* block = allocate(bytes_of(capacity, vector.element_size));
  if (vector.block != nullptr) {
    std::memcpy(block, vector.block, bytes_of(vector.count, vector.element_size));
    release(vector.block, bytes_of(vector.capacity, vector.element_size));
  }
  vector.block = block;
  vector.capacity = capacity;
}

std::uint8_t* byte_at(ZElementVector& vector, std::int32_t position) {
  return static_cast<std::uint8_t*>(vector.block) + bytes_of(position, vector.element_size);
}

}  // namespace

ZElementVector* new_element_vector() {
  auto* vector = static_cast<ZElementVector*>(allocate(sizeof(ZElementVector)));
  *vector = ZElementVector{nullptr, 0, 0, initial_element_size};
  return vector;
}

void delete_element_vector(ZElementVector* vector) {
  free_elements(*vector);
  release(vector, sizeof(ZElementVector));
}

void resize_elements(ZElementVector& vector, std::int32_t count, std::int32_t element_size) {
  ZASSERT(count >= 0, "a negative element count");
  if (vector.block == nullptr) vector.element_size = element_size;
  ZASSERT(vector.element_size == element_size, "one vector used for elements of two sizes");
  if (count > vector.capacity) reallocate(vector, capacity_for(count, vector.capacity));
  if (count > vector.count)
    std::memset(byte_at(vector, vector.count), 0, bytes_of(count - vector.count, element_size));
  vector.count = count;
}

void free_elements(ZElementVector& vector) {
  if (vector.block != nullptr) release(vector.block, bytes_of(vector.capacity, vector.element_size));
  vector = ZElementVector{nullptr, 0, 0, initial_element_size};
}

void open_gap(ZElementVector& vector, std::int32_t position) {
  ZASSERT(position >= 0 && position < vector.count, "a gap outside the stored elements");
  resize_elements(vector, vector.count + 1, vector.element_size);
  std::memmove(byte_at(vector, position + 1), byte_at(vector, position),
               bytes_of(vector.count - 1 - position, vector.element_size));
}

void close_gap(ZElementVector& vector, std::int32_t position) {
  ZASSERT(position >= 0 && position < vector.count, "a gap outside the stored elements");
  std::memmove(byte_at(vector, position), byte_at(vector, position + 1),
               bytes_of(vector.count - 1 - position, vector.element_size));
  --vector.count;
}

}  // namespace zrt
