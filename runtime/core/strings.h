// Runtime strings: reference-counted byte strings whose buffer carries a
// Pascal length byte and a trailing NUL, so the text goes to the system as is.
// The empty string is the null reference. Internal operations take borrowed
// references and return one reference that belongs to the caller.
#pragma once

#include "runtime/interface/abi_types.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

struct ZString {
  std::int32_t count;    // references held; literals of the image start at 1
  std::uint8_t* buffer;  // length byte (at most 255), the text, then a NUL
  std::int32_t capacity; // bytes in the buffer, length + 2 when made at run time
  std::int32_t length;   // bytes of text, never 0
};

static_assert(sizeof(void*) != 4 || sizeof(ZString) == 16, "compiled code expects a record of 4 words");

namespace zrt {

class CharacterModel;

// A new string holding a copy of the bytes; null for a length below 1.
[[nodiscard]] ZString* make_string(const void* bytes, std::int32_t length);
[[nodiscard]] ZString* make_string(std::string_view text);

void lock_string(ZString* string);
void unlock_string(ZString* string);
[[nodiscard]] ZString* share_string(ZString* string);

[[nodiscard]] std::int32_t string_length(const ZString* string);
// A byte count or offset within a string, as the record's 32-bit length.
[[nodiscard]] inline std::int32_t as_string_length(std::size_t bytes) {
  return static_cast<std::int32_t>(bytes);
}
[[nodiscard]] std::string_view string_text(const ZString* string);

// Positions are 0-based. Each result that equals the input is the input with
// one more reference rather than a copy.
[[nodiscard]] ZString* concatenate(ZString* first, ZString* second);
[[nodiscard]] ZString* left_part(ZString* string, std::int32_t count);
[[nodiscard]] ZString* right_part(ZString* string, std::int32_t count);
[[nodiscard]] ZString* tail_from(ZString* string, std::int32_t position);
[[nodiscard]] ZString* middle_part(ZString* string, std::int32_t position, std::int32_t count);
[[nodiscard]] ZString* append_byte(ZString* string, std::uint8_t byte);

// The 0-based position of needle at or after start, or -1. An empty needle
// is never found.
[[nodiscard]] std::int32_t find_bytes(const ZString* haystack, std::int32_t start, const ZString* needle);
// The same over a given character model: on a double-byte system a match
// only begins where a character begins, never on a trail byte.
[[nodiscard]] std::int32_t find_bytes(const ZString* haystack, std::int32_t start, const ZString* needle,
                                      const CharacterModel& model);

// Strings made and not yet freed; tests read it to find leaks.
[[nodiscard]] std::int64_t live_string_count();

// Owns one reference to a string and gives it up when it goes away.
class StringRef {
 public:
  StringRef() = default;
  [[nodiscard]] static StringRef adopt(ZString* string) { return StringRef(string); }
  [[nodiscard]] static StringRef share(ZString* string) { return StringRef(share_string(string)); }

  StringRef(const StringRef& other) : m_string(share_string(other.m_string)) {}
  StringRef(StringRef&& other) noexcept : m_string(other.m_string) { other.m_string = nullptr; }
  StringRef& operator=(StringRef other) noexcept;
  ~StringRef() { unlock_string(m_string); }

  [[nodiscard]] ZString* get() const { return m_string; }
  [[nodiscard]] std::string_view text() const { return string_text(m_string); }
  // Hands the reference to the caller, as when a routine returns the string.
  [[nodiscard]] ZString* leak();

 private:
  explicit StringRef(ZString* string) : m_string(string) {}
  ZString* m_string = nullptr;
};

}  // namespace zrt
