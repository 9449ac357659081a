// Arrays: checked indices, lazy growth, multi-dimensional access through the
// record's access state, and the recursive release of every dimension.
#include "runtime/core/arrays.h"

#include "runtime/core/memory.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace zrt {
namespace {

constexpr std::int32_t vector_pointer_size = sizeof(ZElementVector*);

std::int32_t last_dimension(const ZArray* array) { return std::max(array->dimension_count, 1) - 1; }

ZElementVector* stored_sub_vector(const ZElementVector* vector, std::int32_t index) {
  if (vector == nullptr || index >= vector->count) return nullptr;
  return elements_of<ZElementVector*>(*vector)[index];
}

ZElementVector* sub_vector_for_write(ZElementVector& vector, std::int32_t index) {
  if (index >= vector.count) resize_elements(vector, index + 1, vector_pointer_size);
  ZElementVector*& slot = elements_of<ZElementVector*>(vector)[index];
  if (slot == nullptr) slot = new_element_vector();
  return slot;
}

ZElementVector* step_into(ZElementVector* vector, std::int32_t index, AccessMode mode) {
  if (mode == AccessMode::Read || vector == nullptr) return stored_sub_vector(vector, index);
  return sub_vector_for_write(*vector, index);
}

bool fail_access(ZArray* array) {
  array->access_level = 0;
  array->current_vector = nullptr;
  return false;
}

// The dimension whose index the final read or write of an access takes.
bool final_level_ready(const ZArray* array, std::int32_t index) {
  const std::int32_t level = array->access_level;
  return level >= 1 && level == array->dimension_count - 1 && valid_index(array, level, index);
}

// Releases what a vector at depth holds, its sub-vectors included, and frees
// its storage.
void empty_vector(const ZArray* array, ZElementVector& vector, std::int32_t depth, const ElementKind& kind) {
  if (depth == last_dimension(array)) {
    for (std::int32_t i = 0; i < vector.count; ++i) release_element(kind, vector, i);
  } else {
    for (std::int32_t i = 0; i < vector.count; ++i) {
      ZElementVector* sub = elements_of<ZElementVector*>(vector)[i];
      if (sub == nullptr) continue;
      empty_vector(array, *sub, depth + 1, kind);
      delete_element_vector(sub);
    }
  }
  free_elements(vector);
}

void discard_from(const ZArray* array, ZElementVector& vector, std::int32_t depth, std::int32_t keep,
                  const ElementKind& kind) {
  for (std::int32_t i = keep; i < vector.count; ++i) {
    if (depth == last_dimension(array)) {
      release_element(kind, vector, i);
    } else if (ZElementVector* sub = elements_of<ZElementVector*>(vector)[i]) {
      empty_vector(array, *sub, depth + 1, kind);
      delete_element_vector(sub);
    }
  }
  vector.count = std::min(vector.count, keep);
}

void trim_level(const ZArray* array, ZElementVector& vector, std::int32_t depth, std::int32_t level,
                std::int32_t keep, const ElementKind& kind) {
  if (depth == level) return discard_from(array, vector, depth, keep, kind);
  for (std::int32_t i = 0; i < vector.count; ++i)
    if (ZElementVector* sub = elements_of<ZElementVector*>(vector)[i])
      trim_level(array, *sub, depth + 1, level, keep, kind);
}

void swap_bytes(std::uint8_t* first, std::uint8_t* second, std::int32_t size) {
  for (std::int32_t i = 0; i < size; ++i) std::swap(first[i], second[i]);
}

// Heap sort by exchanging elements: in place, and it stays within the vector
// whatever the comparison answers (a NaN among doubles included).
void heap_sort(ZElementVector& vector, const ElementKind& kind) {
  auto at = [&](std::int32_t i) { return static_cast<std::uint8_t*>(element_at(vector, i)); };
  auto sift_down = [&](std::int32_t root, std::int32_t end) {
    for (std::int32_t child = 2 * root + 1; child < end; root = child, child = 2 * root + 1) {
      if (child + 1 < end && kind.compare(at(child), at(child + 1)) < 0) ++child;
      if (kind.compare(at(root), at(child)) >= 0) return;
      swap_bytes(at(root), at(child), kind.size);
    }
  };
  const std::int32_t count = vector.count;
  for (std::int32_t root = count / 2 - 1; root >= 0; --root) sift_down(root, count);
  for (std::int32_t end = count - 1; end > 0; --end) {
    swap_bytes(at(0), at(end), kind.size);
    sift_down(0, end);
  }
}

}  // namespace

void grow_to_hold(ZElementVector& vector, std::int32_t index, std::int32_t bound, std::int32_t element_size) {
  constexpr std::int32_t write_growth = 16;
  const std::int64_t grown = std::min<std::int64_t>(std::int64_t{bound} + 1, std::int64_t{index} + write_growth);
  resize_elements(vector, static_cast<std::int32_t>(grown), element_size);
}

ZArray* create_array() {
  auto* array = static_cast<ZArray*>(allocate(sizeof(ZArray)));
  std::memset(array, 0, sizeof(ZArray));
  array->elements.element_size = initial_element_size;
  return array;
}

std::int32_t add_dimension(ZArray* array, std::int32_t lower, std::int32_t upper) {
  if (array == nullptr || array->dimension_count == max_array_dimensions) return -1;
  const std::int64_t bound = std::int64_t{upper} - lower;
  array->upper_bounds[array->dimension_count] = static_cast<std::int32_t>(
      std::clamp<std::int64_t>(bound, -1, std::numeric_limits<std::int32_t>::max() - 1));
  return array->dimension_count++;
}

std::int32_t first_upper_bound(const ZArray* array) { return array == nullptr ? 0 : array->upper_bounds[0]; }

bool append_element(ZArray* array, const ElementKind& kind, const void* value) {
  if (!one_dimensional(array) || array->upper_bounds[0] == std::numeric_limits<std::int32_t>::max() - 1)
    return false;
  const std::int32_t last = ++array->upper_bounds[0];
  resize_elements(array->elements, last + 1, kind.size);
  std::memcpy(element_at(array->elements, last), value, static_cast<std::size_t>(kind.size));
  return true;
}

bool insert_element(ZArray* array, std::int32_t index, const ElementKind& kind, const void* value) {
  if (!one_dimensional(array) || !valid_index(array, 0, index) ||
      array->upper_bounds[0] == std::numeric_limits<std::int32_t>::max() - 1)
    return false;
  ++array->upper_bounds[0];
  ZElementVector& vector = array->elements;
  if (index < vector.count)
    open_gap(vector, index);
  else
    resize_elements(vector, index + 1, kind.size);
  std::memcpy(element_at(vector, index), value, static_cast<std::size_t>(kind.size));
  return true;
}

bool remove_element(ZArray* array, std::int32_t index, const ElementKind& kind) {
  if (!one_dimensional(array) || !valid_index(array, 0, index)) return false;
  ZElementVector& vector = array->elements;
  if (index < vector.count) {
    release_element(kind, vector, index);
    close_gap(vector, index);
  }
  --array->upper_bounds[0];
  return true;
}

void sort_elements(ZArray* array, const ElementKind& kind) {
  if (!one_dimensional(array) || array->upper_bounds[0] < 0) return;
  resize_elements(array->elements, array->upper_bounds[0] + 1, kind.size);
  heap_sort(array->elements, kind);
}

bool start_access(ZArray* array, std::int32_t index, AccessMode mode) {
  if (array == nullptr) return false;
  if (array->dimension_count < 2 || !valid_index(array, 0, index)) return fail_access(array);
  array->current_vector = step_into(&array->elements, index, mode);
  array->access_level = 1;
  return true;
}

bool add_access_index(ZArray* array, std::int32_t index, AccessMode mode) {
  if (array == nullptr) return false;
  const std::int32_t level = array->access_level;
  if (level < 1 || level >= array->dimension_count - 1 || !valid_index(array, level, index))
    return fail_access(array);
  array->current_vector = step_into(array->current_vector, index, mode);
  ++array->access_level;
  return true;
}

bool read_accessed(const ZArray* array, std::int32_t index, const ElementKind& kind, void* out) {
  if (array == nullptr || !final_level_ready(array, index)) return false;
  fetch(array->current_vector, index, kind, out);
  return true;
}

bool write_accessed(ZArray* array, std::int32_t index, const ElementKind& kind, const void* value) {
  if (array == nullptr || !final_level_ready(array, index) || array->current_vector == nullptr) return false;
  store(*array->current_vector, index, array->upper_bounds[array->access_level], kind, value);
  return true;
}

bool redimension(ZArray* array, std::int32_t level, std::int32_t upper, const ElementKind& kind) {
  if (array == nullptr || level < 0 || level >= array->dimension_count || upper < -1) return false;
  array->upper_bounds[level] = upper;
  trim_level(array, array->elements, 0, level, upper + 1, kind);
  return true;
}

void dispose_array(ZArray* array, const ElementKind& kind) {
  if (array == nullptr) return;
  empty_vector(array, array->elements, 0, kind);
  release(array, sizeof(ZArray));
}

}  // namespace zrt
