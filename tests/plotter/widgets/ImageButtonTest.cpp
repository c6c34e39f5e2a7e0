#include "plotter/widgets/ImageButton.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>

#include "plotter/widgets/core/ImageButtonLayout.h"
#include "tests/plotter/widgets/TestHost.h"
#include "tests/plotter/widgets/WidgetsTestIds.h"
#include "tests/support/Messages.h"
#include "tests/support/Picture.h"

namespace widgets {
namespace {

using testsupport::Click;
using testsupport::PixelAt;
using testsupport::SendMouse;

constexpr COLORREF kHost = RGB(200, 220, 240);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr int kId = 1002;
constexpr int kWidth = 40;
constexpr int kHeight = 30;
// The test icon is 16 x 16, clear but for a red 8 x 8 square 4 pixels in.
constexpr int kRedX = (kWidth - 16) / 2 + 4;
constexpr int kRedY = (kHeight - 16) / 2 + 4;

class ImageButtonTest : public ::testing::Test {
 protected:
  void Make(const char* caption, bool withIcon, int width = kWidth) {
    host_ = std::make_unique<TestHost>(200, 80, kHost);
    control_ = host_->AddChild("BUTTON", kId, caption, BS_PUSHBUTTON | WS_TABSTOP,
                               RECT{10, 10, 10 + width, 10 + kHeight});
    next_ = host_->AddChild("BUTTON", kId + 1, "next", WS_TABSTOP, RECT{100, 10, 160, 40});
    ASSERT_TRUE(button_.Bind(host_->hwnd(), kId));
    if (withIcon) {
      ASSERT_TRUE(button_.AssignIcon(IDI_TEST_TARGET));
    }
    button_.UseParentBackground();
    button_.EnableHoverEdge();
    host_->Activate();
  }
  void SetUp() override { Make("", true); }

  COLORREF Pixel(int x, int y) const { return PixelAt(control_, x, y); }
  int Count(COLORREF colour) const {
    return testsupport::Picture::OnScreen(control_).Count(colour);
  }
  void Hover() { SendMouse(control_, WM_MOUSEMOVE, 5, 5); }

  std::unique_ptr<TestHost> host_;
  HWND control_ = nullptr;
  HWND next_ = nullptr;
  CImageButton button_;  // after host_: unbound before the windows go
};

TEST_F(ImageButtonTest, StaysOwnerDrawnAndAnswersTheDialogAsAPlainPushButton) {
  EXPECT_EQ(GetWindowLongPtrA(control_, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
  // The dialog manager makes the focused push button the default one.
  SendMessageA(control_, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
  EXPECT_EQ(GetWindowLongPtrA(control_, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
  EXPECT_TRUE(SendMessageA(control_, WM_GETDLGCODE, 0, 0) & DLGC_UNDEFPUSHBUTTON);
  EXPECT_EQ(SendMessageA(host_->hwnd(), WM_CTLCOLORBTN, 0, reinterpret_cast<LPARAM>(control_)),
            reinterpret_cast<LRESULT>(GetStockObject(HOLLOW_BRUSH)));
}

TEST_F(ImageButtonTest, ShowsTheParentBackgroundCapturedOnceAndAgainAfterAColourChange) {
  EXPECT_EQ(Pixel(0, 0), kHost);
  EXPECT_EQ(Pixel(kRedX - 1, kRedY), kHost);  // through the icon's clear part
  EXPECT_EQ(Pixel(kRedX, kRedY), kRed);       // icon centred
  EXPECT_EQ(Pixel(kRedX + 7, kRedY + 7), kRed);

  host_->SetBackground(RGB(90, 60, 30));
  InvalidateRect(control_, nullptr, FALSE);
  EXPECT_EQ(Pixel(0, 0), kHost);
  SendMessageA(control_, WM_SYSCOLORCHANGE, 0, 0);
  InvalidateRect(control_, nullptr, FALSE);
  EXPECT_EQ(Pixel(0, 0), RGB(90, 60, 30));
}

TEST_F(ImageButtonTest, RaisedEdgeShowsOnlyWhileHovering) {
  const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT), shadow = GetSysColor(COLOR_BTNSHADOW);
  Hover();
  EXPECT_EQ(Pixel(0, 0), light);
  EXPECT_EQ(Pixel(kWidth - 2, 0), light);
  EXPECT_EQ(Pixel(kWidth - 1, kHeight - 1), shadow);
  EXPECT_EQ(Pixel(0, kHeight - 1), shadow);
  EXPECT_EQ(Pixel(kRedX, kRedY), kRed);  // raised, not moved
  SendMessageA(control_, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(Pixel(0, 0), kHost);
  EXPECT_EQ(Pixel(kWidth - 1, kHeight - 1), kHost);

  Hover();
  SendMouse(control_, WM_MOUSEMOVE, 110, 5);  // captured move over the other button
  EXPECT_FALSE(button_.hovering());
  Hover();
  SetFocus(control_);
  SetFocus(next_);
  EXPECT_FALSE(button_.hovering());
  SendMouse(control_, WM_MOUSEMOVE, 5, 5, MK_LBUTTON);  // dragged in from elsewhere
  EXPECT_FALSE(button_.hovering());

  button_.EnableHoverEdge(false);
  Hover();
  EXPECT_TRUE(button_.hovering());
  EXPECT_EQ(Pixel(0, 0), kHost);
}

TEST_F(ImageButtonTest, PressIsSunkenWithTheIconOnePixelDownAndDoubleClickPressesAgain) {
  const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT), shadow = GetSysColor(COLOR_BTNSHADOW);
  Hover();
  SendMouse(control_, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
  EXPECT_EQ(Pixel(0, 0), shadow);
  EXPECT_EQ(Pixel(kWidth - 1, kHeight - 1), light);
  EXPECT_EQ(Pixel(kRedX, kRedY), kHost);
  EXPECT_EQ(Pixel(kRedX + 8, kRedY + 8), kRed);
  SendMouse(control_, WM_LBUTTONUP, 5, 5);
  EXPECT_EQ(Pixel(kRedX, kRedY), kRed);
  EXPECT_EQ(host_->Clicks(control_), 1);

  SendMouse(control_, WM_LBUTTONDBLCLK, 5, 5, MK_LBUTTON);
  SendMouse(control_, WM_LBUTTONUP, 5, 5);
  EXPECT_EQ(host_->Clicks(control_), 2);
  EXPECT_EQ(host_->commands.size(), 2u);  // and no double-click notification
}

TEST_F(ImageButtonTest, DropMenuOpensBelowTheButtonSunkenAndSendsTheChoiceToItsOwner) {
  TestHost owner(60, 40, RGB(255, 255, 255), POINT{400, 60});
  ASSERT_TRUE(button_.AttachDropMenu(IDR_TEST_MENU, owner.hwnd()));
  UINT answer = ID_TEST_THIRD;
  int calls = 0;
  HWND shownFor = nullptr;
  POINT shownAt{};
  UINT firstItem = 0;
  COLORREF cornerWhileOpen = 0;
  const auto previous = CImageButton::SetDropMenuTracker([&](HMENU popup, POINT at, HWND o) {
    ++calls;
    shownFor = o;
    shownAt = at;
    firstItem = GetMenuItemID(popup, 0);
    cornerWhileOpen = button_.menuOpen() ? Pixel(0, 0) : 0;
    return answer;
  });

  Click(control_, 5, 5);
  testsupport::PumpMessages();
  ASSERT_EQ(calls, 1);
  RECT place{};
  GetWindowRect(control_, &place);
  EXPECT_EQ(shownFor, owner.hwnd());
  EXPECT_EQ(shownAt.x, place.left);
  EXPECT_EQ(shownAt.y, place.bottom);
  EXPECT_EQ(firstItem, static_cast<UINT>(ID_TEST_FIRST));  // the first submenu
  EXPECT_EQ(cornerWhileOpen, GetSysColor(COLOR_BTNSHADOW));
  ASSERT_EQ(owner.commands.size(), 1u);
  EXPECT_EQ(owner.commands[0].id, ID_TEST_THIRD);
  EXPECT_EQ(host_->Clicks(control_), 1);  // the parent hears of the click as well
  SendMessageA(control_, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(Pixel(0, 0), kHost);

  answer = 0;  // dismissed
  Click(control_, 5, 5);
  testsupport::PumpMessages();
  EXPECT_EQ(calls, 2);
  EXPECT_EQ(owner.commands.size(), 1u);
  CImageButton::SetDropMenuTracker(previous);
}

TEST_F(ImageButtonTest, DisablingGreysTheIconAndMovesTheFocusOnOnlyIfItHadIt) {
  SetFocus(control_);
  Hover();
  EnableWindow(control_, FALSE);
  EXPECT_EQ(GetFocus(), next_);
  EXPECT_FALSE(button_.hovering());
  EXPECT_EQ(Count(kRed), 0);

  EnableWindow(control_, TRUE);
  EXPECT_EQ(Count(kRed), 64);
  HWND edit = host_->AddChild("EDIT", kId + 2, "", WS_TABSTOP, RECT{100, 50, 160, 70});
  SetFocus(edit);
  EnableWindow(control_, FALSE);
  EXPECT_EQ(GetFocus(), edit);
}

TEST_F(ImageButtonTest, TooltipAndCursorBelongToTheButton) {
  EXPECT_EQ(button_.tooltip(), nullptr);
  ASSERT_TRUE(button_.AssignTooltip("load spectrum"));
  HWND tip = button_.tooltip();
  ASSERT_TRUE(button_.AssignTooltip("overlay spectrum", false));
  EXPECT_EQ(button_.tooltip(), tip);
  EXPECT_EQ(SendMessageA(tip, TTM_GETMAXTIPWIDTH, 0, 0), 400);
  EXPECT_EQ(SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0), 1);
  char text[80] = {};
  TOOLINFOA info{};
  info.cbSize = TTTOOLINFOA_V2_SIZE;
  info.hwnd = control_;
  info.uId = 1;
  info.lpszText = text;
  ASSERT_TRUE(SendMessageA(tip, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&info)));
  EXPECT_EQ(info.rect.right, kWidth);
  EXPECT_EQ(info.rect.bottom, kHeight);
  EXPECT_STREQ(text, "overlay spectrum");

  const auto setCursor = [&] {
    return SendMessageA(control_, WM_SETCURSOR, reinterpret_cast<WPARAM>(control_),
                        MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  };
  ASSERT_TRUE(button_.AssignHoverCursor(IDC_TEST_POINTER));
  EXPECT_TRUE(setCursor());
  ICONINFO cursor{};
  ASSERT_TRUE(GetIconInfo(GetCursor(), &cursor));
  win32::UniqueBitmap mask(cursor.hbmMask), colour(cursor.hbmColor);
  EXPECT_EQ(cursor.xHotspot, 3u);  // ours, not the arrow
  EXPECT_FALSE(button_.AssignHoverCursor(9999));
  setCursor();
  EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_ARROW));
}

TEST_F(ImageButtonTest, CaptionIsEmbossedWhenDisabledSitsRightOfAnIconAndTakesItsStateColour) {
  Make("Exit", false, 60);
  const COLORREF text = GetSysColor(COLOR_BTNTEXT), light = GetSysColor(COLOR_BTNHIGHLIGHT);
  EXPECT_GT(Count(text), 5);
  EXPECT_EQ(Count(light), 0);
  EnableWindow(control_, FALSE);
  EXPECT_EQ(Count(text), 0);
  EXPECT_GT(Count(light), 5);
  EXPECT_GT(Count(GetSysColor(COLOR_BTNSHADOW)), 5);

  Make("Go", true, 60);
  EXPECT_EQ(Pixel(kIconTextInset + 4, kRedY), kRed);
  EXPECT_EQ(Pixel(kIconTextInset + 3, kRedY), kHost);

  // The caption takes the colour of state out at rest and of state in while hovered.
  const COLORREF out = RGB(0, 0, 255), in = RGB(0, 200, 0);
  button_.SetColours(ButtonColours{kHost, in, kHost, out, kHost, out});
  EXPECT_GT(Count(out), 5);
  EXPECT_EQ(Count(in), 0);
  Hover();
  EXPECT_GT(Count(in), 5);
  EXPECT_EQ(Count(out), 0);
}

}  // namespace
}  // namespace widgets
