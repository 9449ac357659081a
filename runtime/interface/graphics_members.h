// The properties and methods of the drawing classes, Graphics and Picture.
// Parameter words are 0: each accessor serves one property. Pixel takes the
// point as its arguments.
#pragma once

#include "runtime/interface/declarations.h"
#include "runtime/interface/graphics_layout.h"

namespace zif {

inline constexpr PropertyDecl graphics_properties[] = {
    {"ForeColor", "Color", "graphicsForeColorGetter", "graphicsForeColorSetter", 0},
    {"TextFont", "String", "graphicsTextFontGetter", "graphicsTextFontSetter", 0},
    {"TextSize", "Integer", "graphicsTextSizeGetter", "graphicsTextSizeSetter", 0},
    {"Bold", "Boolean", "graphicsBoldGetter", "graphicsBoldSetter", 0},
    {"Italic", "Boolean", "graphicsItalicGetter", "graphicsItalicSetter", 0},
    {"Underline", "Boolean", "graphicsUnderlineGetter", "graphicsUnderlineSetter", 0},
    {"PenWidth", "Integer", "graphicsPenWidthGetter", "graphicsPenWidthSetter", 0},
    {"PenHeight", "Integer", "graphicsPenHeightGetter", "graphicsPenHeightSetter", 0},
    {"Width", "Integer", "graphicsWidthGetter", "", 0},
    {"Height", "Integer", "graphicsHeightGetter", "", 0},
    {"Copies", "Integer", "graphicsCopiesGetter", "", 0},
    {"FirstPage", "Integer", "graphicsFirstPageGetter", "", 0},
    {"LastPage", "Integer", "graphicsLastPageGetter", "", 0},
    {"Pixel", "Color", "graphicsPixelGetter", "graphicsPixelSetter", 0, "x As Integer, y As Integer"},
};

inline constexpr MethodDecl graphics_methods[] = {
    {"DrawLine(x1 As Integer, y1 As Integer, x2 As Integer, y2 As Integer)", "RuntimeGraphicsDrawLine"},
    {"DrawRect(x As Integer, y As Integer, width As Integer, height As Integer)", "RuntimeGraphicsDrawRect"},
    {"FillRect(x As Integer, y As Integer, width As Integer, height As Integer)", "RuntimeGraphicsFillRect"},
    {"ClearRect(x As Integer, y As Integer, width As Integer, height As Integer)", "RuntimeGraphicsClearRect"},
    {"DrawOval(x As Integer, y As Integer, width As Integer, height As Integer)", "RuntimeGraphicsDrawOval"},
    {"FillOval(x As Integer, y As Integer, width As Integer, height As Integer)", "RuntimeGraphicsFillOval"},
    {"DrawRoundRect(x As Integer, y As Integer, width As Integer, height As Integer, ovalWidth As Integer, "
     "ovalHeight As Integer)",
     "RuntimeGraphicsDrawRoundRect"},
    {"FillRoundRect(x As Integer, y As Integer, width As Integer, height As Integer, ovalWidth As Integer, "
     "ovalHeight As Integer)",
     "RuntimeGraphicsFillRoundRect"},
    {"DrawString(text As String, x As Integer, y As Integer, wrapWidth As Integer)", "RuntimeGraphicsDrawString"},
    {"StringWidth(text As String) As Integer", "RuntimeGraphicsStringWidth"},
    {"TextHeight() As Integer", "RuntimeGraphicsTextHeight"},
    {"TextAscent() As Integer", "RuntimeGraphicsTextAscent"},
    {"DrawPicture(image As Picture, x As Integer, y As Integer, width As Integer, height As Integer, "
     "sourceX As Integer, sourceY As Integer, sourceWidth As Integer, sourceHeight As Integer)",
     "RuntimeGraphicsDrawPicture"},
    {"NextPage()", "RuntimeGraphicsNextPage"},
    {"DrawStopIcon(x As Integer, y As Integer)", "graphicsDrawStopIcon"},
    {"DrawNoteIcon(x As Integer, y As Integer)", "graphicsDrawNoteIcon"},
    {"DrawCautionIcon(x As Integer, y As Integer)", "graphicsDrawCautionIcon"},
};

inline constexpr PropertyDecl picture_properties[] = {
    {"Width", "Integer", "pictureWidthGetter", "", 0},
    {"Height", "Integer", "pictureHeightGetter", "", 0},
    {"Graphics", "Graphics", "pictureGraphicsGetter", "", 0},
    {"Transparent", "Integer", "pictureTransparentGetter", "pictureTransparentSetter", 0},
    {"Mask", "Picture", "pictureMaskGetter", "", 0},
    {"ImageCount", "Integer", "pictureImageCountGetter", "", 0},
};

inline constexpr MethodDecl picture_methods[] = {
    {"IndexedImage(index As Integer) As Picture", "pictureIndexedImage"},
};

}  // namespace zif
