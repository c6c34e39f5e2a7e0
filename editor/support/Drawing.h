// Small drawing chores. Each restores the objects and modes of the device context it changes
// and deletes what it creates.
#pragma once

#include <windows.h>

#include "editor/support/core/SafeFormat.h"

namespace support {

enum TextAlignment : int { kAlignLeft = 1, kAlignCentre = 2, kAlignRight = 3 };

// Formats at most 255 characters and draws them opaque, clipped to the rectangle, at its top:
// left-aligned at its left edge, centred on its middle or right-aligned at its right edge (any
// other alignment draws like kAlignLeft).
void DrawAlignedTextArgs(HDC dc, const RECT& rect, int alignment, const char* format, FormatArgs args);
template <typename... Args>
void DrawAlignedText(HDC dc, const RECT& rect, int alignment, const char* format, const Args&... args) {
  DrawAlignedTextArgs(dc, rect, alignment, format, {FormatArg(args)...});
}

// Fills the rectangle with a solid brush of the colour. Returns 1.
int FillRectColour(HDC dc, const RECT& rect, COLORREF colour);

// A black one-pixel frame inside the rectangle, and a drop shadow just outside it in the button
// shadow colour: along the bottom (y = bottom, from left + 1 to right) and up the right edge
// (x = right, to top). Returns 1.
int DrawShadowFrame(HDC dc, const RECT& rect);

}  // namespace support
