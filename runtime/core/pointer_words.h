// Runtime pointers as the 32-bit words that compiled code and image data hold.
// On the 32-bit target a word is the pointer itself. The 64-bit host tree
// cannot fit a pointer into a word, so there each pointer is given a stable
// small number instead; that lets the same instance layouts, stacks and image
// data be built and checked by host tests.
#pragma once

#include <cstdint>

namespace zrt {

using Word = std::uint32_t;

// 0 for null.
[[nodiscard]] Word word_of_pointer(const void* pointer);

// Null for 0 and, on the host, for a word no pointer was given.
[[nodiscard]] void* pointer_of_word(Word word);

template <typename T>
[[nodiscard]] T* pointer_of(Word word) {
  return static_cast<T*>(pointer_of_word(word));
}

}  // namespace zrt
