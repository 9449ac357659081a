// Exported routines of the graphics object, of pictures and of the colour
// functions. The drawing routines take the graphics object first; getters take
// the object and the property's parameter word, setters also the value.
#pragma once

#include "runtime/interface/declarations.h"

namespace zif {

inline constexpr RoutineDecl graphics_routines[] = {
    // Graphics properties.
    {"graphicsForeColorGetter", 'c', "oi"},
    {"graphicsForeColorSetter", 'v', "oic"},
    {"graphicsTextFontGetter", 's', "oi"},
    {"graphicsTextFontSetter", 'v', "ois"},
    {"graphicsTextSizeGetter", 'i', "oi"},
    {"graphicsTextSizeSetter", 'v', "oii"},
    {"graphicsBoldGetter", 'b', "oi"},
    {"graphicsBoldSetter", 'v', "oib"},
    {"graphicsItalicGetter", 'b', "oi"},
    {"graphicsItalicSetter", 'v', "oib"},
    {"graphicsUnderlineGetter", 'b', "oi"},
    {"graphicsUnderlineSetter", 'v', "oib"},
    {"graphicsPenWidthGetter", 'i', "oi"},
    {"graphicsPenWidthSetter", 'v', "oii"},
    {"graphicsPenHeightGetter", 'i', "oi"},
    {"graphicsPenHeightSetter", 'v', "oii"},
    {"graphicsWidthGetter", 'i', "oi"},
    {"graphicsHeightGetter", 'i', "oi"},
    {"graphicsCopiesGetter", 'i', "oi"},
    {"graphicsFirstPageGetter", 'i', "oi"},
    {"graphicsLastPageGetter", 'i', "oi"},
    // Drawing: rectangles are left, top, width, height.
    {"RuntimeGraphicsDrawLine", 'v', "oiiii"},
    {"RuntimeGraphicsDrawRect", 'v', "oiiii"},
    {"RuntimeGraphicsFillRect", 'v', "oiiii"},
    {"RuntimeGraphicsClearRect", 'v', "oiiii"},
    {"RuntimeGraphicsDrawOval", 'v', "oiiii"},
    {"RuntimeGraphicsFillOval", 'v', "oiiii"},
    {"RuntimeGraphicsDrawRoundRect", 'v', "oiiiiii"},
    {"RuntimeGraphicsFillRoundRect", 'v', "oiiiiii"},
    {"RuntimeGraphicsDrawString", 'v', "osiii"},
    {"RuntimeGraphicsStringWidth", 'i', "os"},
    {"RuntimeGraphicsTextHeight", 'i', "o"},
    {"RuntimeGraphicsTextAscent", 'i', "o"},
    {"RuntimeGraphicsDrawPicture", 'v', "ooiiiiiiii"},
    {"graphicsPixelGetter", 'c', "oii"},
    {"graphicsPixelSetter", 'v', "oiic"},
    {"RuntimeGraphicsNextPage", 'v', "o"},
    {"graphicsDrawStopIcon", 'v', "oii"},
    {"graphicsDrawNoteIcon", 'v', "oii"},
    {"graphicsDrawCautionIcon", 'v', "oii"},
    // Colour functions; RuntimeRGB is with the number routines.
    {"RuntimeHSV", 'c', "ddd"},
    {"RuntimeCMY", 'c', "ddd"},
    {"readColorHue", 'd', "c"},
    {"readColorSaturation", 'd', "c"},
    {"readColorValue", 'd', "c"},
    {"readColorCyan", 'd', "c"},
    {"readColorMagenta", 'd', "c"},
    {"readColorYellow", 'd', "c"},
    {"selectColor", 'b', "p"},
    // Pictures.
    {"newPicture", 'o', "iii"},
    {"pictureWidthGetter", 'i', "oi"},
    {"pictureHeightGetter", 'i', "oi"},
    {"pictureGraphicsGetter", 'o', "oi"},
    {"pictureTransparentGetter", 'i', "oi"},
    {"pictureTransparentSetter", 'v', "oii"},
    {"pictureMaskGetter", 'o', "oi"},
    {"pictureImageCountGetter", 'i', "oi"},
    {"pictureIndexedImage", 'o', "oi"},
};

inline constexpr BuiltinDecl graphics_builtins[] = {
    {"NewPicture", "newPicture", "Picture"},
};

}  // namespace zif
