// The pixels a parent window paints behind one of its child controls, kept in a memory surface so
// that an owner-drawn control can look transparent. Taken once on demand, kept until dropped.
#pragma once

#include <windows.h>

#include "common/win32/Handles.h"

namespace widgets {

class ParentBackground {
 public:
  bool captured() const { return static_cast<bool>(dc_); }
  // Has the parent paint its background (and client area) behind `control` into the copy;
  // `reference` is a device context of the control that the copy is made compatible with.
  bool Capture(HWND control, HDC reference);
  void Drop();
  // Copies the whole copy to `target` at (0, 0).
  void CopyTo(HDC target) const;

 private:
  win32::UniqueBitmap bitmap_;
  win32::UniqueMemoryDc dc_;  // after bitmap_, so that it goes first and lets the bitmap go
  SIZE size_{};
};

}  // namespace widgets
