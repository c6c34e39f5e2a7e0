// The drawing of a tick box's box and tick (their look is in core/TickBoxLook.h).
#pragma once

#include <windows.h>

#include <array>

#include "common/win32/Handles.h"
#include "plotter/widgets/core/TickBoxLook.h"

namespace widgets {

TickColours SystemTickColours();

// One pen per ink, made from a colour set.
class TickPens {
 public:
  explicit TickPens(const TickColours& colours);
  HPEN pen(TickInk ink) const { return pens_[static_cast<size_t>(ink)].get(); }

 private:
  std::array<win32::UniquePen, static_cast<size_t>(TickInk::Count)> pens_;
};

// Draws the box (and its tick) whose top edge is at `boxTop`.
void DrawTickBox(HDC dc, int boxTop, const BoxState& state, const TickColours& colours,
                 const TickPens& pens);

}  // namespace widgets
