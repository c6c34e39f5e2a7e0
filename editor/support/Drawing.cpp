#include "editor/support/Drawing.h"

#include <string>

#include "common/win32/Handles.h"

namespace support {

void DrawAlignedTextArgs(HDC dc, const RECT& rect, int alignment, const char* format, FormatArgs args) {
  const std::string text = FormatText(format ? format : "", args, 255);
  UINT align = TA_LEFT;
  int x = rect.left;
  if (alignment == kAlignCentre) {
    align = TA_CENTER;
    x = (rect.left + rect.right) / 2;
  } else if (alignment == kAlignRight) {
    align = TA_RIGHT;
    x = rect.right;
  }
  const UINT oldAlign = SetTextAlign(dc, align | TA_TOP);
  const int oldMode = SetBkMode(dc, OPAQUE);
  ExtTextOutA(dc, x, rect.top, ETO_CLIPPED, &rect, text.c_str(), static_cast<UINT>(text.size()), nullptr);
  SetBkMode(dc, oldMode);
  SetTextAlign(dc, oldAlign);
}

int FillRectColour(HDC dc, const RECT& rect, COLORREF colour) {
  win32::UniqueBrush brush(CreateSolidBrush(colour));
  if (brush) FillRect(dc, &rect, brush.get());
  return 1;
}

int DrawShadowFrame(HDC dc, const RECT& rect) {
  FrameRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  win32::UniquePen shadow(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW)));
  if (!shadow) return 1;
  POINT oldPosition;
  win32::SelectGuard select(dc, shadow.get());
  MoveToEx(dc, rect.left + 1, rect.bottom, &oldPosition);
  LineTo(dc, rect.right, rect.bottom);
  LineTo(dc, rect.right, rect.top);
  MoveToEx(dc, oldPosition.x, oldPosition.y, nullptr);
  return 1;
}

}  // namespace support
