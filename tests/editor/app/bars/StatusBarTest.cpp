// The status bar on a real frame: its parts on resize, the status line and its formatting,
// menu hints, the line indicator, the Status Bar command and the frame's layout.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>
#include <richedit.h>

#include <string>

#include "tests/editor/app/bars/BarsTestFrame.h"
#include "editor/app/EditorState.h"
#include "editor/app/FrameGlobals.h"
#include "editor/app/StatusBar.h"
#include "editor/app/Toolbar.h"
#include "resources/quillet_ids.h"
#include "tests/support/Messages.h"

using namespace editor;
using namespace support;

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

// A rich edit control with three lines, standing in for a document's edit control.
class LineEdit {
 public:
  LineEdit() {
    library_ = LoadLibraryA("RichEd32.dll");
    edit_ = CreateWindowExA(0, "RichEdit", "one\r\ntwo\r\nthree", WS_CHILD | ES_MULTILINE, 0, 0, 200, 100,
                            frameWindow, nullptr, instanceHandle, nullptr);
  }
  ~LineEdit() {
    if (edit_) DestroyWindow(edit_);
    if (activeEdit == edit_) activeEdit = nullptr;
    if (library_) FreeLibrary(library_);
  }
  HWND get() const { return edit_; }
  void PutCaret(LONG position) {
    CHARRANGE range{position, position};
    SendMessageA(edit_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
  }

 private:
  HMODULE library_ = nullptr;
  HWND edit_ = nullptr;
};

using StatusBarTest = BarsTest;

TEST_F(StatusBarTest, StartsReadyWithTwoPartsAndAGrip) {
  ASSERT_NE(statusWindow, nullptr);
  EXPECT_EQ(GetDlgCtrlID(statusWindow), IDC_STATUS_BAR);
  EXPECT_TRUE(GetWindowLongPtrA(statusWindow, GWL_STYLE) & SBARS_SIZEGRIP);
  bool noBorders = false;
  EXPECT_EQ(StatusPartText(0, &noBorders), "Ready ...");
  EXPECT_TRUE(noBorders);
  EXPECT_EQ(StatusParts(), (std::vector<int>{600 - 80, 600 - 20}));
}

TEST_F(StatusBarTest, PartsFollowTheFrameWidth) {
  for (int width : {640, 420, 1000}) {
    SetFrameClientSize(width, 300);
    RECT client{};
    GetClientRect(frameWindow, &client);
    ASSERT_EQ(client.right, width);
    EXPECT_EQ(StatusParts(), (std::vector<int>{width - 80, width - 20})) << width;
    // The status bar spans the frame along its bottom.
    const RECT bar = ChildRect(statusWindow);
    EXPECT_EQ(bar.left, 0);
    EXPECT_EQ(bar.right, width);
    EXPECT_EQ(bar.bottom, 300);
  }
}

TEST_F(StatusBarTest, NarrowFrameGetsNoNegativeEdges) {
  // A sizable frame has a minimum width; a borderless one does not.
  const LONG_PTR style = GetWindowLongPtrA(frameWindow, GWL_STYLE);
  SetWindowLongPtrA(frameWindow, GWL_STYLE, WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN);
  SetWindowPos(frameWindow, nullptr, 0, 0, 50, 200, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  RECT client{};
  GetClientRect(frameWindow, &client);
  EXPECT_EQ(client.right, 50);
  EXPECT_EQ(StatusParts(), (std::vector<int>{0, 30}));
  SetWindowPos(frameWindow, nullptr, 0, 0, 10, 200, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(StatusParts(), (std::vector<int>{0, 0}));
  SetWindowLongPtrA(frameWindow, GWL_STYLE, style);
  SetWindowPos(frameWindow, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
}

TEST_F(StatusBarTest, ClientWindowFillsTheRoomBetweenTheBars) {
  SetFrameClientSize(500, 320);
  const RECT toolbar = ChildRect(toolbarWindow);
  const RECT status = ChildRect(statusWindow);
  const RECT client = ChildRect(mdiClient);
  EXPECT_EQ(client.left, 0);
  EXPECT_EQ(client.right, 500);
  EXPECT_EQ(client.top, toolbar.bottom);
  EXPECT_EQ(client.bottom, status.top);
  EXPECT_GT(toolbar.bottom, 0);
  EXPECT_LT(status.top, 320);
}

TEST_F(StatusBarTest, LayoutStartsTheStatusLineAgainWithReady) {
  ShowStatus(IDS_LINE_SELECTED, 12);
  EXPECT_EQ(StatusPartText(0), "Line 12 selected");
  SetFrameClientSize(560, 340);
  EXPECT_EQ(StatusPartText(0), "Ready ...");
}

TEST_F(StatusBarTest, ShowStatusFormatsItsArgumentsAndKeepsPercentsInNamesLiteral) {
  ShowStatus(IDS_CASE_CONVERTED, 3, "s", "upper");
  bool noBorders = false;
  EXPECT_EQ(StatusPartText(0, &noBorders), "Converted 3 characters to uppercase");
  EXPECT_TRUE(noBorders);
  ShowStatus(IDS_FILE_INSERTED, "C:\\100%\\a%sb%d%n.txt");
  EXPECT_EQ(StatusPartText(0), "C:\\100%\\a%sb%d%n.txt inserted");
  ShowStatus(MSG_READY);
  EXPECT_EQ(StatusPartText(0), "Ready ...");
}

TEST_F(StatusBarTest, StatusLineIsCutAt255Characters) {
  const std::string longName(400, 'n');
  ShowStatus(IDS_FILE_INSERTED, longName);
  EXPECT_EQ(StatusPartText(0), std::string(255, 'n'));
}

TEST_F(StatusBarTest, HiddenStatusBarTakesNoTextAndShowsReadyWhenBack) {
  ShowStatus(IDS_LINE_SELECTED, 4);
  ToggleStatusBar();
  testsupport::PumpMessages();
  EXPECT_EQ(editorState.Status, 0);
  EXPECT_FALSE(IsWindowVisible(statusWindow));
  // The client window takes the status bar's room.
  RECT frameClient{};
  GetClientRect(frameWindow, &frameClient);
  EXPECT_EQ(ChildRect(mdiClient).bottom, frameClient.bottom);

  ShowStatus(IDS_LINE_SELECTED, 9);
  ShowMenuHint(ID_FILE_OPEN, MF_STRING);
  EXPECT_EQ(StatusPartText(0), "Line 4 selected");

  ToggleStatusBar();
  testsupport::PumpMessages();
  EXPECT_EQ(editorState.Status, 1);
  EXPECT_TRUE(IsWindowVisible(statusWindow));
  EXPECT_EQ(StatusPartText(0), "Ready ...");
  EXPECT_EQ(ChildRect(mdiClient).bottom, ChildRect(statusWindow).top);
}

TEST_F(StatusBarTest, HiddenByTheOptionAtCreation) {
  editorState.Status = 0;
  RecreateBars();
  ASSERT_NE(statusWindow, nullptr);
  EXPECT_FALSE(IsWindowVisible(statusWindow));
  ShowStatus(IDS_LINE_SELECTED, 9);
  EXPECT_EQ(StatusPartText(0), "Ready ...");
}

TEST_F(StatusBarTest, MenuHintsShowTheCommandsTextAndReadyOtherwise) {
  SendMessageA(frameWindow, WM_MENUSELECT, MAKEWPARAM(ID_FILE_SAVE, MF_STRING | MF_HILITE), 0);
  EXPECT_EQ(StatusPartText(0), "Save the active document");
  ShowMenuHint(ID_HELP_ABOUT, MF_STRING);
  EXPECT_EQ(StatusPartText(0), "Display program information, version number and copyright notice");

  struct Case {
    UINT id;
    UINT flags;
  };
  for (const Case& c : {Case{ID_FILE_SAVE, MF_POPUP}, Case{ID_FILE_SAVE, MF_SYSMENU | MF_STRING},
                        Case{0xF020 /* SC_MINIMIZE */, MF_SYSMENU}, Case{0, 0xFFFF} /* menu closed */,
                        Case{2000, MF_STRING} /* a document in the window menu */, Case{100, MF_STRING},
                        Case{1000, MF_STRING}, Case{0, MF_SEPARATOR}}) {
    ShowMenuHint(ID_FILE_SAVE, MF_STRING);
    ShowMenuHint(c.id, c.flags);
    EXPECT_EQ(StatusPartText(0), "Ready ...") << c.id << " " << c.flags;
  }
  // An id of the range without a hint shows "Ready ..." and no box in the middle of the menu.
  ShowMenuHint(ID_FILE_SAVE, MF_STRING);
  ShowMenuHint(998, MF_STRING);
  EXPECT_EQ(StatusPartText(0), "Ready ...");
}

TEST_F(StatusBarTest, LineIndicatorShowsTheCaretsLine) {
  LineEdit edit;
  ASSERT_NE(edit.get(), nullptr);
  activeEdit = edit.get();
  edit.PutCaret(0);
  UpdateLinePart();
  EXPECT_EQ(StatusPartText(1), "Ln 1");
  edit.PutCaret(12);  // in "three"
  UpdateLinePart();
  EXPECT_EQ(StatusPartText(1), "Ln 3");

  // Hidden: left alone; shown again: brought up to date.
  ToggleStatusBar();
  edit.PutCaret(6);
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
  LayoutFrame();
  DestroyWindow(toolbarWindow);
  EXPECT_EQ(toolbarWindow, nullptr);
  LayoutFrame();
  EXPECT_EQ(ChildRect(mdiClient).top, 0);
}

}  // namespace
