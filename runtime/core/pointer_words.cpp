// Turning runtime pointers into 32-bit words and back: a plain conversion on
// the 32-bit target, a table of the pointers seen so far on a wider host.
#include "runtime/core/pointer_words.h"

#include "runtime/core/assert.h"

#include <unordered_map>
#include <vector>

namespace zrt {
namespace {

// Host only. Entry i holds the pointer whose word is i + 1. Pointers are never
// forgotten, so a word stays valid for the process; the blocks behind them
// may of course be freed and reused, which gives the same word back.
struct PointerNumbers {
  std::vector<const void*> pointers;
  std::unordered_map<const void*, Word> words;
};

PointerNumbers& pointer_numbers() {
  static PointerNumbers numbers;
  return numbers;
}

}  // namespace

Word word_of_pointer(const void* pointer) {
  if (pointer == nullptr) return 0;
  if constexpr (sizeof(void*) == sizeof(Word)) {
    return static_cast<Word>(reinterpret_cast<std::uintptr_t>(pointer));
  } else {
    PointerNumbers& numbers = pointer_numbers();
    auto [entry, added] = numbers.words.try_emplace(pointer, static_cast<Word>(numbers.pointers.size() + 1));
    if (added) numbers.pointers.push_back(pointer);
    ZASSERT(entry->second != 0, "too many distinct pointers for 32-bit words");
    return entry->second;
  }
}

void* pointer_of_word(Word word) {
  if (word == 0) return nullptr;
  if constexpr (sizeof(void*) == sizeof(Word)) {
    return reinterpret_cast<void*>(static_cast<std::uintptr_t>(word));
  } else {
    const PointerNumbers& numbers = pointer_numbers();
    if (word > numbers.pointers.size()) return nullptr;
    return const_cast<void*>(numbers.pointers[word - 1]);
  }
}

}  // namespace zrt
