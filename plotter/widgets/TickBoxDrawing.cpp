#include "plotter/widgets/TickBoxDrawing.h"

#include "plotter/widgets/DrawingTools.h"

namespace widgets {

namespace {

void DrawStrokes(HDC dc, POINT origin, const TickStroke* strokes, size_t count,
                 const TickColours& colours, const TickPens& pens) {
  for (size_t i = 0; i < count; ++i) {
    const TickStroke& stroke = strokes[i];
    POINT points[3];
    for (int p = 0; p < stroke.count; ++p)
      points[p] = POINT{origin.x + stroke.points[p].x, origin.y + stroke.points[p].y};
    if (stroke.count == 1) {
      SetPixel(dc, points[0].x, points[0].y, InkColour(stroke.ink, colours));
    } else {
      win32::SelectGuard pen(dc, pens.pen(stroke.ink));
      Polyline(dc, points, stroke.count);
    }
  }
}

void DrawFlatBox(HDC dc, const RECT& box, bool pressed) {
  const COLORREF frame = GetSysColor(COLOR_WINDOWFRAME);
  const COLORREF fill = GetSysColor(COLOR_WINDOW);
  FillSolid(dc, box, fill);
  FrameSolid(dc, box, frame);
  if (pressed) {
    RECT inner = box;
    InflateRect(&inner, -1, -1);
    FrameSolid(dc, inner, frame);
  }
}

void DrawBevelledBox(HDC dc, const RECT& box, bool pressed, const TickColours& colours) {
  FrameSolid(dc, box, GetSysColor(COLOR_WINDOWFRAME));
  RECT inner = box;
  InflateRect(&inner, -1, -1);
  if (pressed) {
    FillSolid(dc, inner, colours.faceShadow);
    Draw3dFrame(dc, inner, colours.shadow, colours.light);
  } else {
    FillSolid(dc, inner, colours.face);
    Draw3dFrame(dc, inner, colours.highlight, colours.shadow);
  }
  SetPixel(dc, inner.right - 1, inner.top, colours.face);
  SetPixel(dc, inner.left, inner.bottom - 1, colours.face);
}

}  // namespace

TickColours SystemTickColours() {
  return MakeTickColours(GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_3DLIGHT),
                         GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNSHADOW),
                         GetSysColor(COLOR_3DDKSHADOW));
}

TickPens::TickPens(const TickColours& colours) {
  for (size_t i = 0; i < pens_.size(); ++i)
    pens_[i].reset(CreatePen(PS_SOLID, 1, InkColour(static_cast<TickInk>(i), colours)));
}

void DrawTickBox(HDC dc, int boxTop, const BoxState& state, const TickColours& colours,
                 const TickPens& pens) {
  const RECT box{0, boxTop, kBoxSize, boxTop + kBoxSize};
  const POINT origin{box.left + 1, box.top + 1};
  if (state.style == BoxStyle::Flat) {
    DrawFlatBox(dc, box, state.pressed);
    if (state.ticked) DrawStrokes(dc, origin, kFlatTick.data(), kFlatTick.size(), colours, pens);
  } else {
    DrawBevelledBox(dc, box, state.pressed, colours);
    if (state.ticked)
      DrawStrokes(dc, origin, kShadedTick.data(), kShadedTick.size(), colours, pens);
  }
}

}  // namespace widgets
