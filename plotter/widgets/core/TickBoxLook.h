// The look of a tick box without drawing it: its colour set, the place of its box and text, and
// the strokes of its ticks. Positions are relative to the control's top-left corner.
// Portable: no windows.h.
#pragma once

#include <array>

#include "plotter/widgets/core/Geometry.h"

namespace widgets {

// The colours a bevelled box is shaded with, from the system colours.
struct TickColours {
  Colour highlight;   // button highlight
  Colour light;       // 3-D light
  Colour face;        // button face
  Colour shadow;      // button shadow
  Colour dark;        // 3-D dark shadow
  Colour faceShadow;  // halfway between face and shadow
  Colour shadowDark;  // halfway between shadow and dark
};

// The tick of a flat box.
constexpr Colour kFlatTickColour = Rgb(0, 150, 0);
constexpr int kBoxSize = 12;
constexpr int kTextLeft = 17;

// Halfway from `a` to `b`, each channel a + (b - a) / 2 with the division truncating.
Colour MixHalfway(Colour a, Colour b);
TickColours MakeTickColours(Colour highlight, Colour light, Colour face, Colour shadow,
                            Colour dark);

// Top of the 12 x 12 box in a control `itemHeight` pixels high.
int BoxTop(int itemHeight);
// Top of the text line.
int TextTop(int itemHeight, int textHeight);

// The colours the ticks are drawn in.
enum class TickInk { Shadow, FaceShadow, Dark, Flat, Count };
Colour InkColour(TickInk ink, const TickColours& colours);

// One line of a tick (two or three points, each segment without its end pixel) or, with one
// point, a single pixel. Points are offsets from the box's top-left corner plus (1, 1).
struct TickStroke {
  TickInk ink;
  int count;
  Point points[3];
};

// Strokes of a flat box's tick and of a bevelled box's shaded tick, in drawing order.
extern const std::array<TickStroke, 2> kFlatTick;
extern const std::array<TickStroke, 8> kShadedTick;

enum class BoxStyle { Flat, Bevelled };

struct BoxState {
  BoxStyle style;
  bool pressed;
  bool ticked;
};

}  // namespace widgets
