// One topmost window that lives as long as the test program, to put test windows on: under Wine
// without a window manager every top-level window takes seconds to go away, so tests make
// child windows of the stage instead of windows of their own.
#pragma once

#include <windows.h>

namespace testsupport {

// The stage: a visible topmost popup of 1000 x 700 pixels at (0, 0) that clips its children and
// paints the button-face colour.
HWND Stage();
// Makes the stage the active foreground window and paints everything that waits to be painted.
void ActivateStage();

}  // namespace testsupport
