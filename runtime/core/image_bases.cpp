// The loaded image's segments, kept for the whole run.
#include "runtime/core/image_bases.h"

namespace zrt {
namespace {

ImageSegment g_code1;
ImageSegment g_data1;
RegionMemory g_data1_memory;

}  // namespace

void set_image_segments(ImageSegment code1, ImageSegment data1) {
  g_code1 = code1;
  g_data1 = data1;
  g_data1_memory = RegionMemory();
  g_data1_memory.add_region(data1.base, data1.bytes, Access::ReadWrite);
}

const ImageSegment& code1_segment() {
  return g_code1;
}

const ImageSegment& data1_segment() {
  return g_data1;
}

MemoryView& image_data() {
  return g_data1_memory;
}

}  // namespace zrt
