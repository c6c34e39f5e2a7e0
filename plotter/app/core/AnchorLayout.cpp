#include "plotter/app/core/AnchorLayout.h"

namespace plotter {

namespace {

int NewStart(int mode, int start, int end, int delta, double ratio, int clientExtent) {
  switch (mode) {
    case kMove:
      return start + delta;
    case kProportional:
      return static_cast<int>(ratio * (clientExtent - (end - start)) + 0.5);
    default:
      return start;
  }
}

int NewEnd(int mode, int start, int end, int delta, int newStart) {
  switch (mode) {
    case kGrow:
      return end + delta;
    case kMove:
    case kProportional:
      return newStart + (end - start);
    default:
      return end;
  }
}

}  // namespace

Anchor MakeAnchor(int id, int horizontal, int vertical, const Rect& rect, int flag,
                  int clientWidth, int clientHeight) {
  Anchor anchor{id, horizontal, vertical, rect, flag, 0.0, 0.0};
  const int restX = clientWidth - (rect.right - rect.left);
  const int restY = clientHeight - (rect.bottom - rect.top);
  if (restX > 0) anchor.ratioX = static_cast<double>(rect.left) / restX;
  if (restY > 0) anchor.ratioY = static_cast<double>(rect.top) / restY;
  return anchor;
}

Rect AnchoredRect(const Anchor& a, int dx, int dy, int clientWidth, int clientHeight) {
  Rect r{};
  r.left = NewStart(a.horizontal, a.rect.left, a.rect.right, dx, a.ratioX, clientWidth);
  r.right = NewEnd(a.horizontal, a.rect.left, a.rect.right, dx, r.left);
  r.top = NewStart(a.vertical, a.rect.top, a.rect.bottom, dy, a.ratioY, clientHeight);
  r.bottom = NewEnd(a.vertical, a.rect.top, a.rect.bottom, dy, r.top);
  return r;
}

std::vector<AnchorMove> LayOutAnchors(std::vector<Anchor>& anchors, int dx, int dy,
                                      int clientWidth, int clientHeight) {
  std::vector<AnchorMove> moves;
  for (Anchor& a : anchors) {
    const Rect r = AnchoredRect(a, dx, dy, clientWidth, clientHeight);
    if (r == a.rect) continue;
    a.rect = r;
    moves.push_back(AnchorMove{a.id, r});
  }
  return moves;
}

TrackingLimits LimitsOfTracking(int initialWidth, int initialHeight, int horizontalMode,
                                int verticalMode) {
  return TrackingLimits{initialWidth, initialHeight,
                        horizontalMode == kKeepPlace ? initialWidth : 0,
                        verticalMode == kKeepPlace ? initialHeight : 0};
}

}  // namespace plotter
