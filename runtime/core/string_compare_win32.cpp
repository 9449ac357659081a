// RuntimeStringCompare: the system's comparison for the user's default
// locale, ignoring letter case.
#include "runtime/core/strings.h"

#include "runtime/interface/exports.h"

#include <windows.h>

extern "C" std::int32_t RuntimeStringCompare(ZString* first, ZString* second) {
  // The C forms give the system a real pointer even for the empty string.
  const int order = ::CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE,
                                     static_cast<const char*>(StringGetCString(first)), zrt::string_length(first),
                                     static_cast<const char*>(StringGetCString(second)), zrt::string_length(second));
  // CSTR_LESS_THAN, CSTR_EQUAL and CSTR_GREATER are 1, 2 and 3; 0 is failure.
  return order == 0 ? 0 : order - CSTR_EQUAL;
}
