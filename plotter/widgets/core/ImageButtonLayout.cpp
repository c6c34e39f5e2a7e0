#include "plotter/widgets/core/ImageButtonLayout.h"

namespace widgets {

ImageButtonLayout LayOutImageButton(Size client, Size icon, bool hasText, bool pressed) {
  ImageButtonLayout layout{};
  layout.textArea = Rect{0, 0, client.cx, client.cy};
  if (icon.cx > 0 && icon.cy > 0) {
    const int top = (client.cy - icon.cy) / 2;
    const int left = hasText ? kIconTextInset : (client.cx - icon.cx) / 2;
    layout.icon = Rect{left, top, left + icon.cx, top + icon.cy};
    if (hasText) layout.textArea.left = layout.icon.right;
  }
  if (pressed) {
    if (!layout.icon.Empty()) layout.icon = layout.icon.Offset(1, 1);
    layout.textArea = layout.textArea.Offset(1, 1);
  }
  return layout;
}

Rect CentreVertically(const Rect& area, int textHeight) {
  const int top = area.top + (area.bottom - area.top - textHeight) / 2;
  return Rect{area.left, top, area.right, top + textHeight};
}

ButtonEdge EdgeOf(bool hoverEdge, bool hovering, bool pressed) {
  if (!hoverEdge || !(hovering || pressed)) return ButtonEdge::None;
  return pressed ? ButtonEdge::Sunken : ButtonEdge::Raised;
}

Colour BackgroundOf(const ButtonColours& colours, bool hoveredOrPressed, bool focused) {
  if (hoveredOrPressed) return colours.backIn;
  return focused ? colours.backFocus : colours.backOut;
}

Colour TextColourOf(const ButtonColours& colours, bool hoveredOrPressed) {
  return hoveredOrPressed ? colours.foreIn : colours.foreOut;
}

}  // namespace widgets
