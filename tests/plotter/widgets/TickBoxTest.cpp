#include "plotter/widgets/TickBox.h"

#include <gtest/gtest.h>

#include <memory>

#include "plotter/widgets/TickBoxDrawing.h"
#include "tests/plotter/widgets/TestHost.h"
#include "tests/support/Messages.h"
#include "tests/support/Picture.h"

namespace widgets {
namespace {

using testsupport::Click;
using testsupport::PixelAt;
using testsupport::SendMouse;

constexpr COLORREF kHost = RGB(200, 220, 240);
constexpr int kFlatId = 1033;
constexpr int kBevelledId = 1003;
constexpr int kWidth = 70;
constexpr int kHeight = 16;
const int kBoxTop = BoxTop(kHeight);

class TickBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host_ = std::make_unique<TestHost>(200, 80, kHost);
    flatWindow_ = host_->AddChild("BUTTON", kFlatId, "Lethargy", BS_AUTOCHECKBOX | BS_FLAT,
                                  RECT{10, 10, 10 + kWidth, 10 + kHeight});
    bevelledWindow_ = host_->AddChild("BUTTON", kBevelledId, "Lin", BS_AUTORADIOBUTTON,
                                      RECT{10, 40, 10 + kWidth, 40 + kHeight});
    ASSERT_TRUE(flat_.Bind(host_->hwnd(), kFlatId));
    ASSERT_TRUE(bevelled_.Bind(host_->hwnd(), kBevelledId));
    host_->Activate();
  }

  // A pixel relative to the box's top-left corner.
  static COLORREF BoxPixel(HWND window, int x, int y) { return PixelAt(window, x, kBoxTop + y); }
  static bool Pushed(HWND window) {
    return (SendMessageA(window, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
  }

  std::unique_ptr<TestHost> host_;
  HWND flatWindow_ = nullptr;
  HWND bevelledWindow_ = nullptr;
  CTickBox flat_;
  CTickBox bevelled_;
};

TEST_F(TickBoxTest, ClicksDoubleClicksAndTheSpaceBarToggleAndNotifyAndTheCheckMessagesAnswerOurState) {
  Click(flatWindow_, 3, 3);
  EXPECT_EQ(flat_.GetCheck(), 1);
  EXPECT_EQ(IsDlgButtonChecked(host_->hwnd(), kFlatId), BST_CHECKED);
  Click(flatWindow_, 40, 8);  // on the text
  EXPECT_EQ(flat_.GetCheck(), 0);
  EXPECT_EQ(SendMessageA(flatWindow_, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(host_->Clicks(flatWindow_), 2);
  EXPECT_EQ(host_->commands.size(), 2u);

  // A ticked option clears itself too: keeping a pair exclusive is the parent's work.
  CheckDlgButton(host_->hwnd(), kBevelledId, BST_CHECKED);
  EXPECT_EQ(bevelled_.GetCheck(), 1);
  SendMessageA(bevelledWindow_, BM_CLICK, 0, 0);
  EXPECT_EQ(bevelled_.GetCheck(), 0);
  EXPECT_EQ(host_->Clicks(bevelledWindow_), 1);

  // A double click toggles twice; the space bar presses, and toggles on its release.
  SendMouse(flatWindow_, WM_LBUTTONDBLCLK, 3, 3, MK_LBUTTON);
  SendMouse(flatWindow_, WM_LBUTTONUP, 3, 3);
  EXPECT_TRUE(flat_.GetCheck() == 1 && host_->Clicks(flatWindow_) == 3);
  SetFocus(bevelledWindow_);
  SendMessageA(bevelledWindow_, WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_TRUE(Pushed(bevelledWindow_) && bevelled_.GetCheck() == 0);
  SendMessageA(bevelledWindow_, WM_KEYUP, VK_SPACE, 0xC0000000);
  EXPECT_TRUE(!Pushed(bevelledWindow_) && bevelled_.GetCheck() == 1 && host_->Clicks(bevelledWindow_) == 2);
}

TEST_F(TickBoxTest, PressedLookFollowsThePointerAndOnlyAReleaseInsideToggles) {
  const COLORREF frame = GetSysColor(COLOR_WINDOWFRAME), window = GetSysColor(COLOR_WINDOW);
  SendMouse(flatWindow_, WM_LBUTTONDOWN, 3, 3, MK_LBUTTON);
  EXPECT_TRUE(Pushed(flatWindow_));
  EXPECT_EQ(GetFocus(), flatWindow_);
  EXPECT_EQ(BoxPixel(flatWindow_, 1, 5), frame);  // the pressed box's second frame
  SendMouse(flatWindow_, WM_MOUSEMOVE, kWidth + 5, 3, MK_LBUTTON);
  EXPECT_FALSE(Pushed(flatWindow_));
  EXPECT_EQ(BoxPixel(flatWindow_, 1, 5), window);
  SendMouse(flatWindow_, WM_MOUSEMOVE, 3, 3, MK_LBUTTON);
  EXPECT_TRUE(Pushed(flatWindow_));
  SendMouse(flatWindow_, WM_LBUTTONUP, -4, 3);
  EXPECT_FALSE(Pushed(flatWindow_));
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(flat_.GetCheck(), 0);

  // A release whose press began elsewhere does nothing either.
  SendMouse(flatWindow_, WM_LBUTTONUP, 3, 3);
  SendMessageA(flatWindow_, WM_KEYUP, VK_SPACE, 0);
  EXPECT_EQ(flat_.GetCheck(), 0);
  EXPECT_TRUE(host_->commands.empty());
}

TEST_F(TickBoxTest, SetCheckRepaintsOnlyOnChangeAndNotifiesNobody) {
  UpdateWindow(host_->hwnd());
  flat_.SetCheck(0);
  EXPECT_FALSE(GetUpdateRect(flatWindow_, nullptr, FALSE));
  flat_.SetCheck(1);
  EXPECT_TRUE(GetUpdateRect(flatWindow_, nullptr, FALSE));
  UpdateWindow(flatWindow_);
  const int draws = host_->drawItemCount;
  flat_.SetCheck(1);
  UpdateWindow(flatWindow_);
  EXPECT_EQ(host_->drawItemCount, draws);
  EXPECT_TRUE(host_->commands.empty());
}

TEST_F(TickBoxTest, FlatTickReachesOnePixelRightOfTheFrame) {
  const COLORREF frame = GetSysColor(COLOR_WINDOWFRAME);
  EXPECT_EQ(BoxPixel(flatWindow_, 12, 1), kHost);
  flat_.SetCheck(1);
  EXPECT_EQ(BoxPixel(flatWindow_, 12, 1), kFlatTickColour);
  EXPECT_EQ(BoxPixel(flatWindow_, 13, 0), kHost);  // end points are not drawn
  EXPECT_EQ(BoxPixel(flatWindow_, 2, 5), kFlatTickColour);
  EXPECT_EQ(BoxPixel(flatWindow_, 5, 8), kFlatTickColour);
  EXPECT_EQ(BoxPixel(flatWindow_, 11, 8), frame);
  EXPECT_EQ(BoxPixel(flatWindow_, 3, 8), GetSysColor(COLOR_WINDOW));
}

TEST_F(TickBoxTest, BevelledBoxIsShadedDarkerWhenPressedAndCarriesAShadedTick) {
  const TickColours c = SystemTickColours();
  EXPECT_EQ(BoxPixel(bevelledWindow_, 0, 0), GetSysColor(COLOR_WINDOWFRAME));
  EXPECT_EQ(BoxPixel(bevelledWindow_, 1, 1), c.highlight);
  EXPECT_EQ(BoxPixel(bevelledWindow_, 10, 10), c.shadow);
  EXPECT_EQ(BoxPixel(bevelledWindow_, 10, 1), c.face);  // corners where the edges meet
  EXPECT_EQ(BoxPixel(bevelledWindow_, 1, 10), c.face);
  EXPECT_EQ(BoxPixel(bevelledWindow_, 5, 5), c.face);

  SendMouse(bevelledWindow_, WM_LBUTTONDOWN, 3, 3, MK_LBUTTON);
  EXPECT_EQ(BoxPixel(bevelledWindow_, 5, 5), c.faceShadow);
  EXPECT_EQ(BoxPixel(bevelledWindow_, 1, 1), c.shadow);
  EXPECT_EQ(BoxPixel(bevelledWindow_, 10, 10), c.light);
  SendMouse(bevelledWindow_, WM_LBUTTONUP, 3, 3);

  ASSERT_EQ(bevelled_.GetCheck(), 1);
  EXPECT_EQ(BoxPixel(bevelledWindow_, 2, 5), c.dark);
  EXPECT_EQ(BoxPixel(bevelledWindow_, 12, 1), c.dark);
  EXPECT_EQ(BoxPixel(bevelledWindow_, 12, 2), c.shadow);
  EXPECT_EQ(BoxPixel(bevelledWindow_, 13, 2), c.faceShadow);
  EXPECT_EQ(BoxPixel(bevelledWindow_, 5, 9), c.shadow);
}

TEST_F(TickBoxTest, BackgroundIsTheParentsTakenOnceAndAgainAfterAColourChange) {
  EXPECT_EQ(PixelAt(flatWindow_, kWidth - 1, 0), kHost);
  host_->SetBackground(RGB(90, 60, 30));
  InvalidateRect(flatWindow_, nullptr, FALSE);
  EXPECT_EQ(PixelAt(flatWindow_, kWidth - 1, 0), kHost);
  SendMessageA(flatWindow_, WM_SYSCOLORCHANGE, 0, 0);
  EXPECT_EQ(PixelAt(flatWindow_, kWidth - 1, 0), RGB(90, 60, 30));
}

}  // namespace
}  // namespace widgets
