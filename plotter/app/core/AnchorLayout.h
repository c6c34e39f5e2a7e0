// The arithmetic of a resizable dialog's anchored controls: where each control goes when the
// window changes size, which controls move at all, and how far the window may be resized.
// Portable: no windows.h.
#pragma once

#include <vector>

namespace plotter {

// Anchor modes, per direction.
enum AnchorMode {
  kKeepPlace = 3,     // the control keeps its place (and the dialog keeps its size, for the dialog)
  kGrow = 4,          // the right (bottom) edge follows the dialog's, the control grows
  kMove = 5,          // the whole control follows the right (bottom) edge
  kProportional = 6,  // the left (top) edge keeps its proportion of the width (height)
};

// A rectangle in client coordinates, laid out as RECT.
struct Rect {
  int left;
  int top;
  int right;
  int bottom;
  bool operator==(const Rect& o) const {
    return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
  }
};

struct Anchor {
  int id;
  int horizontal;
  int vertical;
  Rect rect;  // client coordinates at the last layout
  int flag;
  double ratioX;  // for kProportional: offset / (client extent - control extent)
  double ratioY;
};

// The anchor of control `id` at `rect`, in a client area of `clientWidth` x `clientHeight`.
Anchor MakeAnchor(int id, int horizontal, int vertical, const Rect& rect, int flag,
                  int clientWidth, int clientHeight);

// The place of an anchored control after the window grew by `dx`, `dy` (negative: shrank) and
// its client area became `clientWidth` x `clientHeight`.
Rect AnchoredRect(const Anchor& anchor, int dx, int dy, int clientWidth, int clientHeight);

struct AnchorMove {
  int id;
  Rect rect;
};

// One layout of all anchors: gives each its new place and returns the moves of those whose
// place changed, in registration order (the batch the dialog hands to the window manager).
std::vector<AnchorMove> LayOutAnchors(std::vector<Anchor>& anchors, int dx, int dy,
                                      int clientWidth, int clientHeight);

// How far the window may be resized: never below its initial size, and not beyond it in a
// direction whose own mode is kKeepPlace (a maximum of 0: no limit).
struct TrackingLimits {
  int minWidth;
  int minHeight;
  int maxWidth;
  int maxHeight;
};
TrackingLimits LimitsOfTracking(int initialWidth, int initialHeight, int horizontalMode,
                                int verticalMode);

}  // namespace plotter
