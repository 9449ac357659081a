// Making and deleting the GDI fonts of the font cache.
#include "runtime/graphics/font_cache.h"

#include <windows.h>

namespace zrt {
namespace {

SystemFont make_gdi_font(const FontDescription& d) {
  return ::CreateFontA(d.height, 0, 0, 0, d.weight, d.italic, d.underline, FALSE, d.character_set,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, d.face.c_str());
}

void delete_gdi_font(SystemFont font) { ::DeleteObject(static_cast<HFONT>(font)); }

}  // namespace

FontMaker platform_font_maker() { return {&make_gdi_font, &delete_gdi_font}; }

}  // namespace zrt
