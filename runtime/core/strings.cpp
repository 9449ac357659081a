// Making, sharing and freeing runtime strings, the internal operations on
// them and the exported routines that lock, join and expose them. The locale
// comparison lives with the system calls in string_compare_win32.cpp.
#include "runtime/core/strings.h"

#include "runtime/core/assert.h"
#include "runtime/core/memory.h"
#include "runtime/core/character_model.h"
#include "runtime/interface/exports.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace zrt {
namespace {

// The Pascal length byte saturates; the record keeps the real length.
constexpr std::int32_t max_length_byte = 255;

std::int64_t g_live_strings = 0;

// A single 0 byte is both the empty C string and the empty Pascal string.
constinit std::uint8_t g_empty_text[1] = {0};

// A string of length bytes whose text the caller fills in. The record and
// its buffer are one block, the buffer right behind the record: one trip
// through the allocator per string instead of two, which is most of what
// reading a file line by line costs.
ZString* allocate_string(std::int32_t length) {
  ZASSERT(length > 0, "the empty string is the null reference");
  const std::int32_t capacity = length + 2;
  auto* string = static_cast<ZString*>(allocate(sizeof(ZString) + static_cast<std::size_t>(capacity)));
  auto* buffer = reinterpret_cast<std::uint8_t*>(string + 1);
  buffer[0] = static_cast<std::uint8_t>(std::min(length, max_length_byte));
  buffer[length + 1] = 0;
  *string = ZString{1, buffer, capacity, length};
  ++g_live_strings;
  return string;
}

void free_string(ZString* string) {
  release(string, sizeof(ZString) + static_cast<std::size_t>(string->capacity));
  --g_live_strings;
}

// The count bytes from start, shared when they are the whole string.
ZString* sub_string(ZString* string, std::int32_t start, std::int32_t count) {
  if (count < 1) return nullptr;
  if (count == string_length(string)) return share_string(string);
  ZASSERT(start >= 0 && start + count <= string_length(string), "a part outside the string");
  return make_string(string->buffer + 1 + start, count);
}

}  // namespace

ZString* make_string(const void* bytes, std::int32_t length) {
  if (length < 1) return nullptr;
  ZString* string = allocate_string(length);
  std::memcpy(string->buffer + 1, bytes, static_cast<std::size_t>(length));
  return string;
}

ZString* make_string(std::string_view text) {
  return make_string(text.data(), static_cast<std::int32_t>(text.size()));
}

void lock_string(ZString* string) {
  if (string != nullptr) ++string->count;
}

void unlock_string(ZString* string) {
  if (string == nullptr) return;
  ZASSERT(string->count > 0, "unlocking a string nobody holds");
  if (--string->count == 0) free_string(string);
}

ZString* share_string(ZString* string) {
  lock_string(string);
  return string;
}

std::int32_t string_length(const ZString* string) {
  return string == nullptr ? 0 : string->length;
}

std::string_view string_text(const ZString* string) {
  if (string == nullptr) return {};
  return {reinterpret_cast<const char*>(string->buffer + 1), static_cast<std::size_t>(string->length)};
}

ZString* concatenate(ZString* first, ZString* second) {
  if (second == nullptr) return share_string(first);
  if (first == nullptr) return share_string(second);
  ZString* joined = allocate_string(first->length + second->length);
  std::memcpy(joined->buffer + 1, first->buffer + 1, static_cast<std::size_t>(first->length));
  std::memcpy(joined->buffer + 1 + first->length, second->buffer + 1, static_cast<std::size_t>(second->length));
  return joined;
}

ZString* left_part(ZString* string, std::int32_t count) {
  return sub_string(string, 0, std::min(count, string_length(string)));
}

ZString* right_part(ZString* string, std::int32_t count) {
  const std::int32_t length = string_length(string);
  const std::int32_t kept = std::min(count, length);
  return sub_string(string, length - kept, kept);
}

ZString* tail_from(ZString* string, std::int32_t position) {
  const std::int32_t start = std::max(position, 0);
  return sub_string(string, start, string_length(string) - start);
}

ZString* middle_part(ZString* string, std::int32_t position, std::int32_t count) {
  // A start before the string costs the part the bytes that lie before it.
  std::int64_t wanted = count;
  if (position < 0) wanted += position;
  const std::int32_t start = std::max(position, 0);
  const std::int64_t kept = std::min<std::int64_t>(wanted, string_length(string) - start);
  return sub_string(string, start, static_cast<std::int32_t>(kept));
}

ZString* append_byte(ZString* string, std::uint8_t byte) {
  const std::int32_t length = string_length(string);
  ZString* longer = allocate_string(length + 1);
  if (length > 0) std::memcpy(longer->buffer + 1, string->buffer + 1, static_cast<std::size_t>(length));
  longer->buffer[length + 1] = byte;
  return longer;
}

std::int32_t find_bytes(const ZString* haystack, std::int32_t start, const ZString* needle) {
  return find_bytes(haystack, start, needle, system_character_model());
}

std::int32_t find_bytes(const ZString* haystack, std::int32_t start, const ZString* needle,
                        const CharacterModel& model) {
  if (needle == nullptr) return -1;
  const std::string_view text = string_text(haystack);
  const std::string_view wanted = string_text(needle);
  const auto from = static_cast<std::size_t>(std::max(start, 0));
  if (!model.is_double_byte()) {
    const std::size_t found = text.find(wanted, from);
    return found == std::string_view::npos ? -1 : static_cast<std::int32_t>(found);
  }
  for (std::size_t offset = 0; offset < text.size(); offset += model.character_size(text, offset))
    if (offset >= from && text.substr(offset).starts_with(wanted)) return static_cast<std::int32_t>(offset);
  return -1;
}

std::int64_t live_string_count() {
  return g_live_strings;
}

StringRef& StringRef::operator=(StringRef other) noexcept {
  std::swap(m_string, other.m_string);
  return *this;
}

ZString* StringRef::leak() {
  return std::exchange(m_string, nullptr);
}

}  // namespace zrt

extern "C" {

void RuntimeLockString(ZString* string) {
  zrt::lock_string(string);
}

void RuntimeUnlockString(ZString* string) {
  // Unlocking a string whose count is already 0 is a caller error; it is
  // ignored rather than freeing the string twice.
  if (string == nullptr || string->count <= 0) return;
  zrt::unlock_string(string);
}

ZString* RuntimeAddString(ZString* first, ZString* second) {
  return zrt::concatenate(first, second);
}

void* StringGetCString(ZString* string) {
  return string == nullptr ? zrt::g_empty_text : string->buffer + 1;
}

void* StringGetPString(ZString* string) {
  return string == nullptr ? zrt::g_empty_text : string->buffer;
}

ZString* ZOLTBuildString(void* bytes, std::int32_t length) {
  if (bytes == nullptr) return nullptr;
  return zrt::make_string(bytes, length);
}

}
