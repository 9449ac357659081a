// The process's loaded image.
#include "runtime/core/loaded_image.h"

namespace zrt {

LoadedImage& loaded_image() {
  static LoadedImage image;
  return image;
}

}  // namespace zrt
