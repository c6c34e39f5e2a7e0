// The two brushes of the frame, kept for the whole run.
#include <windows.h>

#include "common/win32/Handles.h"
#include "editor/app/Frame.h"

namespace editor {

namespace {

struct FrameBrushes {
  win32::UniqueBrush buttonFace;
  win32::UniqueBrush window;
};

FrameBrushes& Brushes() {
  static FrameBrushes brushes;
  return brushes;
}

}  // namespace

void CreateFrameBrushes() {
  Brushes().buttonFace.reset(CreateSolidBrush(GetSysColor(COLOR_BTNFACE)));
  Brushes().window.reset(CreateSolidBrush(GetSysColor(COLOR_WINDOW)));
}

void RecreateWindowBrush() { Brushes().window.reset(CreateSolidBrush(GetSysColor(COLOR_WINDOW))); }

void DeleteFrameBrushes() {
  Brushes().buttonFace.reset();
  Brushes().window.reset();
}

HBRUSH GetButtonFaceBrush() { return Brushes().buttonFace.get(); }
HBRUSH GetWindowBrush() { return Brushes().window.get(); }

}  // namespace editor
