// The scan uses SSE2 on x86, which Windows 8 and later require of the
// processor; elsewhere it is a plain loop.
#include "runtime/core/byte_scan.h"

#if defined(__i386__) || defined(__x86_64__)
#include <emmintrin.h>
#endif

namespace zrt {
namespace {

const char* find_in_tail(const char* begin, const char* end, char first, char second) {
  while (begin != end && *begin != first && *begin != second) ++begin;
  return begin;
}

}  // namespace

#if defined(__i386__) || defined(__x86_64__)
__attribute__((target("sse2"))) const char* find_either_byte(const char* begin, const char* end, char first,
                                                              char second) {
  const __m128i firsts = _mm_set1_epi8(first);
  const __m128i seconds = _mm_set1_epi8(second);
  for (; end - begin >= 16; begin += 16) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(begin));
    const int found =
        _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(bytes, firsts), _mm_cmpeq_epi8(bytes, seconds)));
    if (found != 0) return begin + __builtin_ctz(static_cast<unsigned>(found));
  }
  return find_in_tail(begin, end, first, second);
}
#else
const char* find_either_byte(const char* begin, const char* end, char first, char second) {
  return find_in_tail(begin, end, first, second);
}
#endif

}  // namespace zrt
