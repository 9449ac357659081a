// Without a system to draw with there are no fonts to make: every request
// fails, and callers draw with what they had.
#include "runtime/graphics/font_cache.h"

namespace zrt {
namespace {

SystemFont no_font(const FontDescription&) { return nullptr; }
void nothing_to_destroy(SystemFont) {}

}  // namespace

FontMaker platform_font_maker() { return {&no_font, &nothing_to_destroy}; }

}  // namespace zrt
