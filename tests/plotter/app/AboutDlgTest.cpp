// The about box: its animation on screen, its ways of closing, and that it gives back every
// drawing object however it closes.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "plotter/app/AboutDlg.h"
#include "plotter/app/PlotterDlg.h"
#include "resources/zelvora_ids.h"
#include "tests/support/Messages.h"
#include "tests/support/Picture.h"
#include "tests/support/Stage.h"

namespace plotter {
namespace {

// GDI objects in use by this process. Wine does not count them (GetGuiResources answers 0);
// there a handle whose upper half is 0 names a slot of the process's handle table, and
// GetObjectType answers for every slot in use.
long GdiObjectsInUse() {
  if (const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return static_cast<long>(counted);
  long inUse = 0;
  for (ULONG_PTR slot = 1; slot < 0x10000; ++slot) inUse += GetObjectType(reinterpret_cast<HGDIOBJ>(slot)) != 0;
  return inUse;
}

// A box of its own on the stage, hidden unless `shown`, after `steps` animation steps.
HWND Open(std::unique_ptr<CAboutDlg>& box, int steps, bool shown = false) {
  box = std::make_unique<CAboutDlg>();
  HWND hwnd = box->Create(testsupport::Stage());
  if (shown) SetWindowPos(hwnd, HWND_TOPMOST, 300, 200, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
  for (int i = 0; i < steps; ++i) SendMessageA(hwnd, WM_TIMER, 1, 0);
  return hwnd;
}

TEST(AboutDlg, AnimationShowsTheFramedPictureStarsScrollingTextAndTheLogoAndClosesOnAClick) {
  std::unique_ptr<CAboutDlg> box;
  HWND hwnd = Open(box, 100, true);  // the last frame drawn at offset 151: line 1 in (251, 251, 0)
  RECT picture{};
  GetClientRect(GetDlgItem(hwnd, IDC_ABOUT_PICTURE), &picture);
  const testsupport::Picture shown = testsupport::Picture::OnScreen(hwnd);
  const RECT frame = shown.BoundsOf(RGB(0, 0, 200));  // the picture less 2 pixels each side
  EXPECT_TRUE(frame.right - frame.left == picture.right - 4 && frame.bottom - frame.top == picture.bottom - 4);
  EXPECT_GT(shown.Count(RGB(0, 0, 80), frame), picture.right * picture.bottom / 3);
  EXPECT_GT(shown.Count(RGB(251, 251, 0), frame), 10);
  // The logo ORed in at 60 pixels from the top: its yellow curve, nowhere above.
  const RECT logo{frame.left + 83, frame.top + 58, frame.left + 183, frame.top + 158};
  EXPECT_GT(shown.Count(RGB(255, 230, 120), logo, 60), 20);
  EXPECT_EQ(shown.Count(RGB(255, 230, 120), RECT{logo.left, frame.top, logo.right, logo.top - 4}, 20), 0);

  RECT window{};
  GetWindowRect(hwnd, &window);  // the margin drags the box
  EXPECT_EQ(SendMessageA(hwnd, WM_NCHITTEST, 0, MAKELPARAM(window.left + 6, window.bottom - 6)), HTCAPTION);
  const StarField kept = CAboutDlg::Stars();
  testsupport::Click(GetDlgItem(hwnd, IDC_ABOUT_PICTURE), 20, 20);
  EXPECT_FALSE(IsWindow(hwnd));

  Open(box, 1);  // the stars go on where they were
  for (int i = 0; i < kStarCount; ++i) {
    if (kept[i].z <= 1) continue;  // placed anew
    EXPECT_EQ(CAboutDlg::Stars()[i].z, kept[i].z - 1) << i;
  }
  DestroyWindow(box->hwnd());
}

TEST(AboutDlg, EveryClosingPathGivesBackEveryDrawingObject) {
  std::unique_ptr<CAboutDlg> box;
  DestroyWindow(Open(box, 3));  // what the system makes once for any box is made now
  const long before = GdiObjectsInUse();
  std::vector<std::unique_ptr<CAboutDlg>> closed;  // objects outlive windows: closing must do it
  for (int round = 0; round < 200; ++round) {
    HWND hwnd = Open(box, 3);
    if (round % 3 == 0) testsupport::Click(GetDlgItem(hwnd, IDC_ABOUT_PICTURE), 10, 10);
    if (round % 3 == 1) SendMessageA(hwnd, WM_COMMAND, IDCANCEL, 0);  // Escape
    if (round % 3 == 2) DestroyWindow(hwnd);                          // the owner goes, say
    ASSERT_FALSE(IsWindow(hwnd)) << round;
    closed.push_back(std::move(box));
  }
  EXPECT_LT(GdiObjectsInUse() - before, 40);
}

TEST(AboutDlg, SystemMenuItemOpensTheBoxOverTheMainWindow) {
  CPlotterDlg dialog;
  HWND main = dialog.Create();
  HWND owner = nullptr;
  SetAboutBoxRunner([&owner](HWND o) { owner = o; });
  SendMessageA(main, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
  SetAboutBoxRunner(nullptr);
  EXPECT_EQ(owner, main);
  DestroyWindow(main);
}

}  // namespace
}  // namespace plotter
