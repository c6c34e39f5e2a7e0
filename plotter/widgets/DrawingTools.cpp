#include "plotter/widgets/DrawingTools.h"

namespace widgets {

void FillSolid(HDC dc, const RECT& rect, COLORREF colour) {
  const COLORREF old = SetBkColor(dc, colour);
  ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
  SetBkColor(dc, old);
}

void FrameSolid(HDC dc, const RECT& rect, COLORREF colour) {
  Draw3dFrame(dc, rect, colour, colour);
}

void Draw3dFrame(HDC dc, const RECT& rect, COLORREF topLeft, COLORREF bottomRight) {
  const LONG l = rect.left, t = rect.top, r = rect.right, b = rect.bottom;
  if (r <= l || b <= t) return;
  FillSolid(dc, RECT{l, t, r - 1, t + 1}, topLeft);
  FillSolid(dc, RECT{l, t, l + 1, b - 1}, topLeft);
  FillSolid(dc, RECT{r - 1, t, r, b}, bottomRight);
  FillSolid(dc, RECT{l, b - 1, r, b}, bottomRight);
}

}  // namespace widgets
