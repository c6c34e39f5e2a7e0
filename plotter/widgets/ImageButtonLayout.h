// Where an image button puts its icon and its text; no drawing, so that tests can check it.
#pragma once

#include <windows.h>

struct ImageButtonLayout {
  RECT icon;      // the icon's place; empty when there is no icon
  RECT textArea;  // the area the text is wrapped and centred in
};

// Gap between the left edge and an icon that sits beside text.
constexpr int kIconTextInset = 3;

// An icon alone is centred; beside text it sits kIconTextInset pixels from the left edge, centred
// vertically, and the text area starts after it. Pressed moves both one pixel right and down.
ImageButtonLayout LayOutImageButton(SIZE client, SIZE icon, bool hasText, bool pressed);

// The rows of `area` that text of `textHeight` pixels takes when centred vertically.
RECT CentreVertically(const RECT& area, int textHeight);
