#include "TickBoxDrawing.h"

#include "DrawingTools.h"

namespace {

int MixChannel(int a, int b) { return a + (b - a) / 2; }

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
      SelectGuard pen(dc, pens.pen(stroke.ink));
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

// clang-format off
const std::array<TickStroke, 2> kFlatTick = {{
    {TickInk::Flat, 3, {{1, 4}, {4, 7}, {12, -1}}},
    {TickInk::Flat, 3, {{2, 4}, {4, 6}, {11, -1}}},
}};

const std::array<TickStroke, 8> kShadedTick = {{
    {TickInk::Shadow,     3, {{4, 8}, {9, 3}, {9, 5}}},
    {TickInk::FaceShadow, 2, {{2, 6}, {4, 8}}},
    {TickInk::FaceShadow, 2, {{5, 8}, {9, 4}}},
    {TickInk::Shadow,     1, {{11, 1}}},
    {TickInk::FaceShadow, 1, {{12, 1}}},
    {TickInk::FaceShadow, 1, {{11, 2}}},
    {TickInk::Dark,       3, {{1, 4}, {4, 7}, {12, -1}}},
    {TickInk::Dark,       3, {{2, 4}, {4, 6}, {11, -1}}},
}};
// clang-format on

COLORREF MixHalfway(COLORREF a, COLORREF b) {
  return RGB(MixChannel(GetRValue(a), GetRValue(b)), MixChannel(GetGValue(a), GetGValue(b)),
             MixChannel(GetBValue(a), GetBValue(b)));
}

TickColours MakeTickColours(COLORREF highlight, COLORREF light, COLORREF face, COLORREF shadow,
                            COLORREF dark) {
  return TickColours{highlight, light,  face, shadow,
                     dark,      MixHalfway(face, shadow), MixHalfway(shadow, dark)};
}

TickColours SystemTickColours() {
  return MakeTickColours(GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_3DLIGHT),
                         GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNSHADOW),
                         GetSysColor(COLOR_3DDKSHADOW));
}

int BoxTop(int itemHeight) { return ((itemHeight - kBoxSize) / 2) - 1; }

int TextTop(int itemHeight, int textHeight) { return ((itemHeight - textHeight) / 2) - 1; }

COLORREF InkColour(TickInk ink, const TickColours& colours) {
  switch (ink) {
    case TickInk::Shadow:
      return colours.shadow;
    case TickInk::FaceShadow:
      return colours.faceShadow;
    case TickInk::Dark:
      return colours.dark;
    case TickInk::Flat:
    case TickInk::Count:
      break;
  }
  return kFlatTickColour;
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
