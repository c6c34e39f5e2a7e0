#include "ImageButtonLayout.h"

ImageButtonLayout LayOutImageButton(SIZE client, SIZE icon, bool hasText, bool pressed) {
  ImageButtonLayout layout{};
  layout.textArea = RECT{0, 0, client.cx, client.cy};
  if (icon.cx > 0 && icon.cy > 0) {
    const int top = (client.cy - icon.cy) / 2;
    const int left = hasText ? kIconTextInset : (client.cx - icon.cx) / 2;
    layout.icon = RECT{left, top, left + icon.cx, top + icon.cy};
    if (hasText) layout.textArea.left = layout.icon.right;
  }
  if (pressed) {
    if (!IsRectEmpty(&layout.icon)) OffsetRect(&layout.icon, 1, 1);
    OffsetRect(&layout.textArea, 1, 1);
  }
  return layout;
}

RECT CentreVertically(const RECT& area, int textHeight) {
  const LONG top = area.top + (area.bottom - area.top - textHeight) / 2;
  return RECT{area.left, top, area.right, top + textHeight};
}
