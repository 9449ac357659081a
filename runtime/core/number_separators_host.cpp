// Where there is no Windows, numbers use the English separators: a comma
// between groups of thousands and a point before the fraction.
#include "runtime/core/number_separators.h"

namespace zrt {

const NumberSeparators& locale_number_separators() {
  static constexpr NumberSeparators separators{",", "."};
  return separators;
}

}  // namespace zrt
