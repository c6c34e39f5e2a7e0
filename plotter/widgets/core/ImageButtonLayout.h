// Where an image button puts its icon and its text, and which edge it shows. Portable: no
// windows.h.
#pragma once

#include "plotter/widgets/core/Geometry.h"

namespace widgets {

struct ImageButtonLayout {
  Rect icon;      // the icon's place; empty when there is no icon
  Rect textArea;  // the area the text is wrapped and centred in
};

// Gap between the left edge and an icon that sits beside text.
constexpr int kIconTextInset = 3;

// An icon alone is centred; beside text it sits kIconTextInset pixels from the left edge, centred
// vertically, and the text area starts after it. Pressed moves both one pixel right and down.
ImageButtonLayout LayOutImageButton(Size client, Size icon, bool hasText, bool pressed);

// The rows of `area` that text of `textHeight` pixels takes when centred vertically.
Rect CentreVertically(const Rect& area, int textHeight);

enum class ButtonEdge { None, Raised, Sunken };

// The edge of a flat button: raised while hovered, sunken while pressed (or its menu is open),
// none when idle or when the hover edge is switched off.
ButtonEdge EdgeOf(bool hoverEdge, bool hovering, bool pressed);

// Background and text colours of the three states: in (hovered or pressed), out and focused.
struct ButtonColours {
  Colour backIn, foreIn;
  Colour backOut, foreOut;
  Colour backFocus, foreFocus;
};

// The fill of a button that does not show its parent's background: in while hovered or
// pressed, else focused while focused, else out.
Colour BackgroundOf(const ButtonColours& colours, bool hoveredOrPressed, bool focused);
// The text colour: in while hovered or pressed, else out.
Colour TextColourOf(const ButtonColours& colours, bool hoveredOrPressed);

}  // namespace widgets
