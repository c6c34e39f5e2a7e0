// Remembered positions against the registry and real windows.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <vector>

#include "editor/support/WindowPlacement.h"
#include "tests/editor/support/RegistryTestRoot.h"

using namespace support;

namespace {

// ScreenRect for one test, restored afterwards.
class ScreenRectScope {
 public:
  explicit ScreenRectScope(RECT rect) : saved_(ScreenRect) { ScreenRect = rect; }
  ~ScreenRectScope() { ScreenRect = saved_; }

 private:
  RECT saved_;
};

// A hidden window (hidden windows are destroyed at once under Wine).
HWND MakeWindow(DWORD style, HWND parent, int x, int y, int width, int height) {
  return CreateWindowExA(0, "STATIC", "", style, x, y, width, height, parent, nullptr, nullptr, nullptr);
}

}  // namespace

using WindowPlacementTest = RegistryTest;

TEST_F(WindowPlacementTest, LoadGivesDefaultsThenWhatWasSavedClamped) {
  ScreenRectScope screen({0, 0, 800, 600});
  PlacementRecord record{1, 2, 3, 4, 5};
  LoadWindowPlacement("DeskTop\\Find", &record);
  EXPECT_EQ((std::vector<int>{record.top, record.left, record.height, record.width, record.show}),
            (std::vector<int>{35, 35, 200, 350, 1}));

  const struct {
    int top, left, wantTop, wantLeft;
  } kCases[] = {{-4, 0, -4, 0}, {-5, 0, 0, 0}, {10, -1, 10, 0}, {590, 790, 565, 765}};
  for (const auto& c : kCases) {
    const PlacementRecord saved{c.top, c.left, 300, 400, 3};
    SaveWindowPlacement("DeskTop\\GoTo", &saved);
    PlacementRecord loaded;
    LoadWindowPlacement("DeskTop\\GoTo", &loaded);
    EXPECT_EQ(loaded.top, c.wantTop) << c.top << "," << c.left;
    EXPECT_EQ(loaded.left, c.wantLeft) << c.top << "," << c.left;
    EXPECT_EQ((std::vector<int>{loaded.height, loaded.width, loaded.show}), (std::vector<int>{300, 400, 3}));
  }
  EXPECT_EQ(ReadRawDword("DeskTop\\GoTo", "Width"), 400u);
  EXPECT_EQ(ReadRawDword("DeskTop\\GoTo", "Height"), 300u);
}

TEST_F(WindowPlacementTest, ClampReadsAnEmptyScreenRectFirst) {
  ScreenRectScope screen({0, 0, 0, 0});
  PlacementRecord record{100, 100, 200, 300, 1};
  EXPECT_EQ(ClampWindowPosition(&record), 1);
  RECT desktop{};
  GetClientRect(GetDesktopWindow(), &desktop);
  EXPECT_TRUE(EqualRect(&ScreenRect, &desktop));
  EXPECT_EQ(record.top, 100);  // not pushed to -35 by an unread screen
  EXPECT_EQ(ClampWindowPosition(nullptr), 0);
}

TEST_F(WindowPlacementTest, TheFourDialogRecordsHaveTheirSections) {
  ScreenRectScope screen({0, 0, 1280, 1024});
  dialogPositions = {{10, 11, 12, 13, 1}, {20, 21, 22, 23, 1}, {30, 31, 32, 33, 1}, {40, 41, 42, 43, 1}};
  SaveDialogPositions();
  EXPECT_EQ(ReadRawDword("DeskTop\\GetFile", "Top"), 10u);
  EXPECT_EQ(ReadRawDword("DeskTop\\PutFile", "Top"), 20u);
  EXPECT_EQ(ReadRawDword("DeskTop\\Setup", "Top"), 30u);
  EXPECT_EQ(ReadRawDword("DeskTop\\Property", "Top"), 40u);
  dialogPositions = DialogPositions{};
  LoadDialogPositions();
  EXPECT_EQ(dialogPositions.putFile.left, 21);
  EXPECT_EQ(dialogPositions.property.width, 43);
}

TEST_F(WindowPlacementTest, StoreTakesTheNormalRectangleWithTheTaskbarCorrection) {
  HWND window = MakeWindow(WS_OVERLAPPEDWINDOW, nullptr, 100, 120, 300, 200);
  PlacementRecord record{0, 0, 0, 0, 7};
  const int result = StoreWindowPosition(window, &record);

  // The correction follows what the shell reports (Wine: an auto-hiding bottom taskbar).
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  ASSERT_TRUE(GetWindowPlacement(window, &placement));
  PlacementRecord expected{0, 0, 0, 0, 7};
  TakeNormalRectangle(expected, ToScreenBounds(placement.rcNormalPosition));
  RECT taskbar{};
  const int edge = GetTaskbarEdge(window, &taskbar);
  EXPECT_EQ(result, edge == kTaskbarUnknown ? 0 : 1);
  if (edge != kTaskbarUnknown) {
    EXPECT_EQ(edge, ClassifyTaskbarEdge(ToScreenBounds(taskbar)));
    APPBARDATA state{};
    state.cbSize = sizeof state;
    const bool autoHide = (SHAppBarMessage(ABM_GETSTATE, &state) & ABS_AUTOHIDE) != 0;
    CorrectForTaskbar(expected, static_cast<TaskbarEdge>(edge), ToScreenBounds(taskbar), autoHide);
  }
  EXPECT_EQ(record.top, expected.top);
  EXPECT_EQ(record.left, expected.left);
  EXPECT_EQ(record.width, 300);
  EXPECT_EQ(record.height, 200);
  EXPECT_EQ(record.show, 7);  // show belongs to the window's owner

  // Without a window the record is left alone.
  DestroyWindow(window);
  EXPECT_EQ(StoreWindowPosition(window, &record), 0);
  EXPECT_EQ(StoreWindowPosition(nullptr, &record), 0);
  EXPECT_EQ(record.width, 300);
}

TEST_F(WindowPlacementTest, PlaceAtStoredPositionKeepsTheMarginAndShows) {
  ScreenRectScope screen({0, 0, 800, 600});
  HWND parent = MakeWindow(WS_POPUP, nullptr, 0, 0, 2000, 2000);  // hidden: its child stays unseen
  HWND dialog = MakeWindow(WS_CHILD, parent, 5, 5, 120, 80);
  const struct {
    PlacementRecord record;
    int margin, wantLeft, wantTop;
  } kCases[] = {{{900, 2000, 0, 0, 1}, kSheetMargin, 730, 530}, {{40, 60, 0, 0, 1}, kFileDialogMargin, 60, 40}};
  for (const auto& c : kCases) {
    PlaceAtStoredPosition(dialog, &c.record, c.margin);
    RECT r{};
    GetWindowRect(dialog, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, c.wantLeft);
    EXPECT_EQ(r.top, c.wantTop);
    EXPECT_EQ(r.right - r.left, 120);  // the size is kept
    EXPECT_EQ(r.bottom - r.top, 80);
  }
  EXPECT_NE(GetWindowLongPtrA(dialog, GWL_STYLE) & WS_VISIBLE, 0);
  DestroyWindow(parent);
}
