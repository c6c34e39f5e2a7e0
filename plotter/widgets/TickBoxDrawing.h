// The look of a tick box: its colours, the place of its box and text, and the drawing of the box
// and tick. Positions are relative to the control's top-left corner.
#pragma once

#include <windows.h>

#include <array>

#include "Handles.h"

// The colours a bevelled box is shaded with, from the system colours.
struct TickColours {
  COLORREF highlight;      // button highlight
  COLORREF light;          // 3-D light
  COLORREF face;           // button face
  COLORREF shadow;         // button shadow
  COLORREF dark;           // 3-D dark shadow
  COLORREF faceShadow;     // halfway between face and shadow
  COLORREF shadowDark;     // halfway between shadow and dark
};

// The tick of a flat box.
constexpr COLORREF kFlatTickColour = RGB(0, 150, 0);
constexpr int kBoxSize = 12;
constexpr int kTextLeft = 17;

// Halfway from `a` to `b`, each channel a + (b - a) / 2 with the division truncating.
COLORREF MixHalfway(COLORREF a, COLORREF b);
TickColours MakeTickColours(COLORREF highlight, COLORREF light, COLORREF face, COLORREF shadow,
                            COLORREF dark);
TickColours SystemTickColours();

// Top of the 12 x 12 box in a control `itemHeight` pixels high.
int BoxTop(int itemHeight);
// Top of the text line.
int TextTop(int itemHeight, int textHeight);

// The colours the ticks are drawn in.
enum class TickInk { Shadow, FaceShadow, Dark, Flat, Count };

// One line of a tick (two or three points, each segment without its end pixel) or, with one
// point, a single pixel. Points are offsets from the box's top-left corner plus (1, 1).
struct TickStroke {
  TickInk ink;
  int count;
  POINT points[3];
};

// Strokes of a flat box's tick and of a bevelled box's shaded tick, in drawing order.
extern const std::array<TickStroke, 2> kFlatTick;
extern const std::array<TickStroke, 8> kShadedTick;

// One pen per ink, made from a colour set.
class TickPens {
 public:
  explicit TickPens(const TickColours& colours);
  HPEN pen(TickInk ink) const { return pens_[static_cast<size_t>(ink)].get(); }

 private:
  std::array<UniquePen, static_cast<size_t>(TickInk::Count)> pens_;
};

COLORREF InkColour(TickInk ink, const TickColours& colours);

enum class BoxStyle { Flat, Bevelled };

struct BoxState {
  BoxStyle style;
  bool pressed;
  bool ticked;
};

// Draws the box (and its tick) whose top edge is at `boxTop`.
void DrawTickBox(HDC dc, int boxTop, const BoxState& state, const TickColours& colours,
                 const TickPens& pens);
