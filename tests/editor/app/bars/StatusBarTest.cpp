// The status bar on a real frame: its parts on resize, the status line and its formatting,
// menu hints, the line indicator, the Status Bar command and the frame's layout.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>
#include <richedit.h>

#include <string>
#include <vector>

#include "common/win32/Handles.h"
#include "editor/app/EditorState.h"
#include "editor/app/FrameGlobals.h"
#include "editor/app/StatusBar.h"
#include "resources/quillet_ids.h"
#include "tests/editor/app/bars/BarsTestFrame.h"
#include "tests/support/Messages.h"

using namespace editor;

namespace {

RECT ChildRect(HWND child) {
  RECT rect{};
  GetWindowRect(child, &rect);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

std::vector<int> StatusParts() {
  int edges[8] = {};
  const int count = static_cast<int>(SendMessageA(statusWindow, SB_GETPARTS, 8, reinterpret_cast<LPARAM>(edges)));
  return std::vector<int>(edges, edges + count);
}

using StatusBarTest = BarsTest;

TEST_F(StatusBarTest, PartsAndPlaceFollowTheFrameAndALayoutStartsWithReady) {
  EXPECT_TRUE(GetWindowLongPtrA(statusWindow, GWL_STYLE) & SBARS_SIZEGRIP);
  for (int width : {640, 420, 1000}) {
    ShowStatus(IDS_LINE_SELECTED, 12);
    SetFrameClientSize(width, 300);
    bool noBorders = false;
    EXPECT_EQ(StatusPartText(0, &noBorders), "Ready ...");
    EXPECT_TRUE(noBorders);
    EXPECT_EQ(StatusParts(), (std::vector<int>{width - 80, width - 20})) << width;
    const RECT bar = ChildRect(statusWindow);
    EXPECT_EQ(bar.left, 0);
    EXPECT_EQ(bar.right, width);
    EXPECT_EQ(bar.bottom, 300);
    // The client window fills the room between the bars.
    const RECT client = ChildRect(mdiClient);
    EXPECT_EQ(client.top, ChildRect(toolbarWindow).bottom);
    EXPECT_EQ(client.bottom, bar.top);
    EXPECT_EQ(client.right, width);
  }
}

TEST_F(StatusBarTest, NarrowFrameGetsNoNegativeEdges) {
  // A sizable frame has a minimum width; a borderless one does not.
  const LONG_PTR style = GetWindowLongPtrA(frameWindow, GWL_STYLE);
  SetWindowLongPtrA(frameWindow, GWL_STYLE, WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN);
  SetWindowPos(frameWindow, nullptr, 0, 0, 50, 200, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  EXPECT_EQ(StatusParts(), (std::vector<int>{0, 30}));
  SetWindowPos(frameWindow, nullptr, 0, 0, 10, 200, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(StatusParts(), (std::vector<int>{0, 0}));
  SetWindowLongPtrA(frameWindow, GWL_STYLE, style);
  SetWindowPos(frameWindow, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
}

TEST_F(StatusBarTest, ShowStatusFormatsOnceAndCutsAt255) {
  ShowStatus(IDS_CASE_CONVERTED, 3, "s", "upper");
  EXPECT_EQ(StatusPartText(0), "Converted 3 characters to uppercase");
  ShowStatus(IDS_FILE_INSERTED, "C:\\100%\\a%sb%d%n.txt");
  EXPECT_EQ(StatusPartText(0), "C:\\100%\\a%sb%d%n.txt inserted");
  ShowStatus(IDS_FILE_INSERTED, std::string(400, 'n'));
  EXPECT_EQ(StatusPartText(0), std::string(255, 'n'));
}

TEST_F(StatusBarTest, HiddenStatusBarTakesNoTextAndShowsReadyWhenBack) {
  ShowStatus(IDS_LINE_SELECTED, 4);
  ToggleStatusBar();
  testsupport::PumpMessages();
  EXPECT_EQ(editorState.Status, 0);
  EXPECT_FALSE(IsWindowVisible(statusWindow));
  RECT frameClient{};
  GetClientRect(frameWindow, &frameClient);
  EXPECT_EQ(ChildRect(mdiClient).bottom, frameClient.bottom);  // the client takes its room
  ShowStatus(IDS_LINE_SELECTED, 9);
  ShowMenuHint(ID_FILE_OPEN, MF_STRING);
  EXPECT_EQ(StatusPartText(0), "Line 4 selected");

  ToggleStatusBar();
  testsupport::PumpMessages();
  EXPECT_TRUE(IsWindowVisible(statusWindow));
  EXPECT_EQ(StatusPartText(0), "Ready ...");
  EXPECT_EQ(ChildRect(mdiClient).bottom, ChildRect(statusWindow).top);

  editorState.Status = 0;  // hidden by the option at creation
  RecreateBars();
  EXPECT_FALSE(IsWindowVisible(statusWindow));
}

TEST_F(StatusBarTest, MenuHintsShowTheCommandsTextAndReadyOtherwise) {
  SendMessageA(frameWindow, WM_MENUSELECT, MAKEWPARAM(ID_FILE_SAVE, MF_STRING | MF_HILITE), 0);
  EXPECT_EQ(StatusPartText(0), "Save the active document");
  struct Case {
    UINT id;
    UINT flags;
  };
  for (const Case& c : {Case{ID_FILE_SAVE, MF_POPUP}, Case{ID_FILE_SAVE, MF_SYSMENU | MF_STRING},
                        Case{0, 0xFFFF} /* menu closed */, Case{2000, MF_STRING} /* a document */,
                        Case{100, MF_STRING}, Case{1000, MF_STRING},
                        Case{998, MF_STRING} /* in the range, without a hint: no box either */}) {
    ShowMenuHint(ID_FILE_SAVE, MF_STRING);
    ShowMenuHint(c.id, c.flags);
    EXPECT_EQ(StatusPartText(0), "Ready ...") << c.id << " " << c.flags;
  }
}

TEST_F(StatusBarTest, LineIndicatorShowsTheCaretsLine) {
  win32::UniqueLibrary library(LoadLibraryA("RichEd32.dll"));
  win32::UniqueWindow edit(CreateWindowExA(0, "RichEdit", "one\r\ntwo\r\nthree", WS_CHILD | ES_MULTILINE, 0, 0,
                                           200, 100, frameWindow, nullptr, instanceHandle, nullptr));
  ASSERT_TRUE(edit);
  auto caret = [&edit](LONG at) {
    CHARRANGE range{at, at};
    SendMessageA(edit.get(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
  };
  activeEdit = edit.get();
  caret(12);  // in "three"
  UpdateLinePart();
  EXPECT_EQ(StatusPartText(1), "Ln 3");
  // Hidden: left alone; shown again: brought up to date.
  ToggleStatusBar();
  caret(6);
  UpdateLinePart();
  EXPECT_EQ(StatusPartText(1), "Ln 3");
  ToggleStatusBar();
  testsupport::PumpMessages();
  EXPECT_EQ(StatusPartText(1), "Ln 2");
  activeEdit = nullptr;
  UpdateLinePart();
  EXPECT_EQ(StatusPartText(1), "");
}

TEST_F(StatusBarTest, HandlesGoWithTheirWindows) {
  DestroyWindow(statusWindow);
  EXPECT_EQ(statusWindow, nullptr);
  ShowStatus(MSG_READY);  // no status bar: nothing happens
  UpdateLinePart();
  DestroyWindow(toolbarWindow);
  EXPECT_EQ(toolbarWindow, nullptr);
  LayoutFrame();
  EXPECT_EQ(ChildRect(mdiClient).top, 0);
}

}  // namespace
