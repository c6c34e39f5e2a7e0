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

using testsupport::Picture;

// GDI objects in use by this process. Wine does not count them (GetGuiResources answers 0);
// there a handle whose upper half is 0 names a slot of the process's handle table, and
// GetObjectType answers for every slot in use.
long GdiObjectsInUse() {
  const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  if (counted) return static_cast<long>(counted);
  long inUse = 0;
  for (ULONG_PTR slot = 1; slot < 0x10000; ++slot)
    inUse += GetObjectType(reinterpret_cast<HGDIOBJ>(slot)) != 0;
  return inUse;
}

class AboutDlgTest : public testing::Test {
 protected:
  // A box of its own, hidden unless `shown`.
  HWND Open(bool shown = false) {
    box_ = std::make_unique<CAboutDlg>();
    HWND hwnd = box_->Create(testsupport::Stage());
    if (shown) SetWindowPos(hwnd, HWND_TOPMOST, 300, 200, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    return hwnd;
  }
  void TearDown() override {
    if (box_ && IsWindow(box_->hwnd())) DestroyWindow(box_->hwnd());
  }
  static void Steps(HWND box, int count) {
    for (int i = 0; i < count; ++i) SendMessageA(box, WM_TIMER, 1, 0);
  }
  std::unique_ptr<CAboutDlg> box_;
};

TEST_F(AboutDlgTest, AnimationShowsTheFramedPictureWithStarsScrollingTextAndTheLogo) {
  HWND box = Open(true);
  ASSERT_NE(box, nullptr);
  RECT picture{};
  GetClientRect(GetDlgItem(box, IDC_ABOUT_PICTURE), &picture);
  Steps(box, 100);  // the last frame drawn at offset 151: the first line in (251, 251, 0)
  const Picture shown = Picture::OnScreen(box);

  // The frame: the picture's rectangle less 2 pixels on every side.
  const RECT frame = shown.BoundsOf(RGB(0, 0, 200));
  EXPECT_EQ(frame.right - frame.left, picture.right - 4);
  EXPECT_EQ(frame.bottom - frame.top, picture.bottom - 4);
  EXPECT_GT(shown.Count(RGB(0, 0, 80), frame), picture.right * picture.bottom / 3);
  EXPECT_GT(shown.Count(RGB(251, 251, 0), frame), 10);  // line 1, at the scroll offset's colour
  // The logo ORed in 60 pixels below the top: its yellow curve, nowhere above it.
  const RECT logo{frame.left - 2 + 85, frame.top - 2 + 60, frame.left - 2 + 185, frame.top - 2 + 160};
  EXPECT_GT(shown.Count(RGB(255, 230, 120), logo, 60), 20);
  EXPECT_EQ(shown.Count(RGB(255, 230, 120), RECT{logo.left, frame.top, logo.right, logo.top - 4}, 20), 0);

  // The stars go on where they were when the box opens again.
  const StarField kept = CAboutDlg::Stars();
  DestroyWindow(box);
  box = Open();
  Steps(box, 1);
  for (int i = 0; i < kStarCount; ++i) {
    if (kept[i].z <= 1) continue;  // placed anew
    EXPECT_EQ(CAboutDlg::Stars()[i].z, kept[i].z - 1) << i;
  }
}

TEST_F(AboutDlgTest, ClickOnThePictureClosesAndTheMarginDrags) {
  HWND box = Open(true);
  RECT window{};
  GetWindowRect(box, &window);
  POINT margin{window.left + 6, window.bottom - 6};
  EXPECT_EQ(SendMessageA(box, WM_NCHITTEST, 0, MAKELPARAM(margin.x, margin.y)), HTCAPTION);
  testsupport::Click(GetDlgItem(box, IDC_ABOUT_PICTURE), 20, 20);
  EXPECT_FALSE(IsWindow(box));

  box = Open();
  SendMessageA(box, WM_COMMAND, IDCANCEL, 0);  // Escape
  EXPECT_FALSE(IsWindow(box));
}

TEST_F(AboutDlgTest, EveryClosingPathGivesBackEveryDrawingObject) {
  // One round first, so that what the system makes once for any box is made.
  Steps(Open(), 3);
  DestroyWindow(box_->hwnd());
  const long before = GdiObjectsInUse();
  // The boxes' objects outlive their windows here: closing alone must give everything back.
  std::vector<std::unique_ptr<CAboutDlg>> closed;
  for (int round = 0; round < 200; ++round) {
    HWND box = Open();
    Steps(box, 3);
    switch (round % 3) {
      case 0: testsupport::Click(GetDlgItem(box, IDC_ABOUT_PICTURE), 10, 10); break;
      case 1: SendMessageA(box, WM_COMMAND, IDCANCEL, 0); break;
      default: DestroyWindow(box); break;  // the owner goes, say
    }
    ASSERT_FALSE(IsWindow(box)) << round;
    closed.push_back(std::move(box_));
  }
  EXPECT_LT(GdiObjectsInUse() - before, 40);
}

TEST(AboutBoxItem, SystemMenuItemOpensTheBoxOverTheMainWindow) {
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
