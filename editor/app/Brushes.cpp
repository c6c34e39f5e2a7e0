// The two brushes of the frame, kept for the whole run.
#include <windows.h>

#include "Frame.h"

namespace {

struct FrameBrushes {
  HBRUSH buttonFace = nullptr;
  HBRUSH window = nullptr;
};

FrameBrushes& Brushes() {
  static FrameBrushes brushes;
  return brushes;
}

}  // namespace

void CreateFrameBrushes() {
  DeleteFrameBrushes();
  Brushes().buttonFace = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
  Brushes().window = CreateSolidBrush(GetSysColor(COLOR_WINDOW));
}

void RecreateWindowBrush() {
  if (Brushes().window) DeleteObject(Brushes().window);
  Brushes().window = CreateSolidBrush(GetSysColor(COLOR_WINDOW));
}

void DeleteFrameBrushes() {
  if (Brushes().buttonFace) DeleteObject(Brushes().buttonFace);
  if (Brushes().window) DeleteObject(Brushes().window);
  Brushes() = FrameBrushes();
}

HBRUSH GetButtonFaceBrush() { return Brushes().buttonFace; }
HBRUSH GetWindowBrush() { return Brushes().window; }
