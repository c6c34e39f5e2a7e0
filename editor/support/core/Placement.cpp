#include "editor/support/core/Placement.h"

#include <algorithm>
#include <limits>

namespace support {

namespace {

// Positions come from the registry and may hold any 32-bit pattern: compute wide, store narrow.
std::int32_t Narrow(std::int64_t value) {
  constexpr std::int64_t lo = std::numeric_limits<std::int32_t>::min();
  constexpr std::int64_t hi = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(std::clamp(value, lo, hi));
}

std::int32_t HalfDown(std::int64_t value) {
  return Narrow(value >= 0 ? value / 2 : -((-value + 1) / 2));
}

}  // namespace

void ClampPlacement(PlacementRecord& record, const ScreenBounds& screen) {
  const std::int64_t top = record.top;
  if (top < std::int64_t{screen.top} - 4) {
    record.top = screen.top;
  } else if (top > std::int64_t{screen.bottom} - 35) {
    record.top = Narrow(std::int64_t{screen.bottom} - 35);
  }
  const std::int64_t left = record.left;
  if (left < screen.left) {
    record.left = screen.left;
  } else if (left > std::int64_t{screen.right} - 35) {
    record.left = Narrow(std::int64_t{screen.right} - 35);
  }
}

TaskbarEdge ClassifyTaskbarEdge(const ScreenBounds& taskbar) {
  const std::int64_t height = std::int64_t{taskbar.bottom} - taskbar.top;
  const std::int64_t width = std::int64_t{taskbar.right} - taskbar.left;
  if (height <= width) return taskbar.top < 1 ? kTaskbarTop : kTaskbarBottom;
  return taskbar.left < 1 ? kTaskbarLeft : kTaskbarRight;
}

void CorrectForTaskbar(PlacementRecord& record, TaskbarEdge edge, const ScreenBounds& taskbar,
                       bool autoHide) {
  if (autoHide) return;
  if (edge == kTaskbarLeft) {
    record.left = Narrow(std::int64_t{record.left} + (std::int64_t{taskbar.right} - taskbar.left) - 2);
  } else if (edge == kTaskbarTop) {
    record.top = Narrow(std::int64_t{record.top} + (std::int64_t{taskbar.bottom} - taskbar.top) - 2);
  }
}

void TakeNormalRectangle(PlacementRecord& record, const ScreenBounds& normal) {
  record.top = normal.top;
  record.left = normal.left;
  if (normal.IsEmpty()) {
    record.height = 0;
    record.width = 0;
  } else {
    record.height = Narrow(std::int64_t{normal.bottom} - normal.top);
    record.width = Narrow(std::int64_t{normal.right} - normal.left);
  }
}

ScreenPoint StoredPlacementOrigin(const PlacementRecord& record, const ScreenBounds& screen,
                                  int margin) {
  ScreenPoint at;
  at.x = Narrow(std::min<std::int64_t>(record.left, std::int64_t{screen.right} - margin));
  at.y = Narrow(std::min<std::int64_t>(record.top, std::int64_t{screen.bottom} - margin));
  return at;
}

ScreenPoint CenteredOrigin(const ScreenBounds& screen, std::int32_t windowWidth,
                           std::int32_t windowHeight) {
  const std::int64_t screenWidth = std::int64_t{screen.right} - screen.left;
  const std::int64_t screenHeight = std::int64_t{screen.bottom} - screen.top;
  ScreenPoint at;
  at.x = HalfDown(screenWidth - windowWidth);
  at.y = HalfDown(screenHeight - windowHeight);
  return at;
}

}  // namespace support
