// Finding the first of two byte values in a run of bytes, sixteen bytes at a
// time on x86. Reading a file line by line looks for CR or LF and a
// case-blind search for the two cases of its first letter; both go over
// every byte of every line, and the C library's memchr under some systems
// looks at one byte at a time and at one value only.
#pragma once

namespace zrt {

// The first byte in [begin, end) equal to `first` or `second`, or end.
[[nodiscard]] const char* find_either_byte(const char* begin, const char* end, char first, char second);

}  // namespace zrt
