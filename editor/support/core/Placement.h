// Remembered window positions and the arithmetic that keeps them on the screen. The rules here
// are the whole of the placement logic; the Windows side only reads and moves windows.
// Portable: no windows.h.
#pragma once

#include <cstdint>

namespace support {

// The remembered position of one window or dialog. top and left are screen coordinates of the
// upper-left corner; show belongs to the window that owns the record.
struct PlacementRecord {
  std::int32_t top = 35;
  std::int32_t left = 35;
  std::int32_t height = 200;
  std::int32_t width = 350;
  std::int32_t show = 1;
};

// A screen rectangle (the desktop's client area or the taskbar), edges as a RECT holds them.
struct ScreenBounds {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;

  bool IsEmpty() const { return right <= left || bottom <= top; }
};

struct ScreenPoint {
  std::int32_t x = 0;
  std::int32_t y = 0;
};

enum TaskbarEdge : int {
  kTaskbarUnknown = -1,
  kTaskbarLeft = 0,
  kTaskbarTop = 1,
  kTaskbarRight = 2,
  kTaskbarBottom = 3,
};

// Margins of PlaceAtStoredPosition: common file dialogs, and the options sheet and the File
// Properties box.
constexpr int kFileDialogMargin = 35;
constexpr int kSheetMargin = 70;

// Keeps a position reachable: top no more than 4 pixels above the screen and at least 35
// pixels above its bottom; left not left of the screen and at least 35 pixels from its right.
// Height, width and show are left alone.
void ClampPlacement(PlacementRecord& record, const ScreenBounds& screen);

// The edge a taskbar of this rectangle stands at: a rectangle no taller than wide lies along
// the top (its top below 1) or the bottom; otherwise along the left (its left below 1) or right.
TaskbarEdge ClassifyTaskbarEdge(const ScreenBounds& taskbar);

// A window's normal rectangle is measured from the work area, which starts beside a taskbar at
// the left or top edge; this moves the record into screen coordinates. An auto-hiding taskbar
// takes no room and changes nothing.
void CorrectForTaskbar(PlacementRecord& record, TaskbarEdge edge, const ScreenBounds& taskbar,
                       bool autoHide);

// Fills top, left, height and width from a window's normal rectangle (an empty rectangle gives
// zero height and width); show is not touched.
void TakeNormalRectangle(PlacementRecord& record, const ScreenBounds& normal);

// Where PlaceAtStoredPosition puts a dialog: the record's corner, but never closer than
// `margin` to the screen's right and bottom edges.
ScreenPoint StoredPlacementOrigin(const PlacementRecord& record, const ScreenBounds& screen,
                                  int margin);

// The upper-left corner that centres a window of the given size on the screen, measured from
// the screen's origin; halves round towards minus infinity.
ScreenPoint CenteredOrigin(const ScreenBounds& screen, std::int32_t windowWidth,
                           std::int32_t windowHeight);

}  // namespace support
