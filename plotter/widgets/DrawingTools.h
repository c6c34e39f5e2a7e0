// Small drawing steps shared by the owner-drawn controls.
#pragma once

#include <windows.h>

namespace widgets {

// Fills `rect` with one colour without making a brush.
void FillSolid(HDC dc, const RECT& rect, COLORREF colour);
// A one-pixel frame just inside `rect`.
void FrameSolid(HDC dc, const RECT& rect, COLORREF colour);
// A one-pixel 3-D frame just inside `rect`: top and left in `topLeft`, right and bottom in
// `bottomRight` (which owns the top-right and bottom-left corner pixels).
void Draw3dFrame(HDC dc, const RECT& rect, COLORREF topLeft, COLORREF bottomRight);

}  // namespace widgets
