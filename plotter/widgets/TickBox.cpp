#include "plotter/widgets/TickBox.h"

#include <windowsx.h>

#include <string>

#include "plotter/widgets/DrawingTools.h"

namespace widgets {

namespace {

std::string WindowText(HWND hwnd) {
  std::string text(static_cast<size_t>(GetWindowTextLengthA(hwnd)) + 1, '\0');
  text.resize(static_cast<size_t>(GetWindowTextA(hwnd, &text[0], static_cast<int>(text.size()))));
  return text;
}

}  // namespace

CTickBox::CTickBox() { MakeColours(); }

CTickBox::~CTickBox() {
  // Stop messages before the members they would use are gone.
  Unbind();
}

// The check box's own type gives way to owner-draw; BS_FLAT and the other bits stay.
void CTickBox::OnBound() {
  const LONG_PTR style = GetWindowLongPtrA(hwnd(), GWL_STYLE);
  SetWindowLongPtrA(hwnd(), GWL_STYLE,
                    (style & ~static_cast<LONG_PTR>(BS_TYPEMASK)) | BS_OWNERDRAW);
  SetWindowPos(hwnd(), nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  Repaint();
}

void CTickBox::SetCheck(int check) {
  const int value = check ? 1 : 0;
  if (value == check_) return;
  check_ = value;
  Repaint();
}

bool CTickBox::OnReflect(UINT msg, WPARAM, LPARAM lParam, LRESULT& result) {
  if (msg != WM_DRAWITEM) return false;
  const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
  if (item->CtlType != ODT_BUTTON) return false;
  Draw(*item);
  result = TRUE;
  return true;
}

// Mouse, space bar and check messages are answered here and never reach the system's button
// procedure, so the check state is this object's alone.
LRESULT CTickBox::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      Apply(press_.ButtonDown());
      return 0;
    case WM_MOUSEMOVE:
      if (GetCapture() == hwnd()) Apply(press_.PointerMoved(Inside(lParam)));
      return 0;
    case WM_LBUTTONUP:
      Apply(press_.ButtonUp(Inside(lParam)));
      return 0;
    case WM_CAPTURECHANGED:
      MsgCaptureChanged(reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_KEYDOWN:
      if (wParam != VK_SPACE) break;
      Apply(press_.SpaceDown());
      return 0;
    case WM_KEYUP:
      if (wParam != VK_SPACE) break;
      Apply(press_.SpaceUp());
      return 0;
    case WM_KILLFOCUS:
      Apply(press_.FocusLost());
      break;
    case BM_GETCHECK:
      return check_;
    case BM_SETCHECK:
      SetCheck(static_cast<int>(wParam));
      return 0;
    case BM_GETSTATE:
      return check_ | (press_.pressed() ? BST_PUSHED : 0) | (GetFocus() == hwnd() ? BST_FOCUS : 0);
    case WM_ERASEBKGND:
      return TRUE;  // every pixel is painted from the off-screen picture
    case WM_SYSCOLORCHANGE:
      MakeColours();
      background_.Drop();
      Repaint();
      break;
    case WM_SIZE:
      background_.Drop();
      break;
    case WM_DESTROY:
      background_.Drop();
      break;
    default:
      break;
  }
  return Default(msg, wParam, lParam);
}

// Capture taken away in mid-press (another window, the system): the press is over.
void CTickBox::MsgCaptureChanged(HWND newCapture) {
  if (newCapture != hwnd()) Apply(press_.CaptureLost());
}

void CTickBox::Apply(const PressOutcome& outcome) {
  if (outcome.takeCapture) {
    SetFocus(hwnd());
    SetCapture(hwnd());
  }
  // Released before the toggle, so that the parent's handler runs without our capture.
  if (outcome.releaseCapture && GetCapture() == hwnd()) ReleaseCapture();
  if (outcome.toggle) check_ = 1 - check_;
  if (outcome.repaint) Repaint();
  if (outcome.toggle)
    SendMessageA(GetParent(hwnd()), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd()), BN_CLICKED),
                 reinterpret_cast<LPARAM>(hwnd()));
}

void CTickBox::MakeColours() {
  colours_ = SystemTickColours();
  pens_ = std::make_unique<TickPens>(colours_);
}

bool CTickBox::Inside(LPARAM position) const {
  RECT client{};
  GetClientRect(hwnd(), &client);
  const POINT point{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
  return PtInRect(&client, point) != FALSE;
}

void CTickBox::Repaint() {
  if (hwnd()) InvalidateRect(hwnd(), nullptr, FALSE);
}

void CTickBox::Draw(const DRAWITEMSTRUCT& item) {
  const RECT& rect = item.rcItem;
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return;

  win32::UniqueMemoryDc picture(CreateCompatibleDC(item.hDC));
  win32::UniqueBitmap bitmap(CreateCompatibleBitmap(item.hDC, width, height));
  if (!picture || !bitmap) return;
  win32::SelectGuard selected(picture.get(), bitmap.get());

  if (!background_.captured() && !background_.Capture(hwnd(), item.hDC))
    FillSolid(picture.get(), RECT{0, 0, width, height}, GetSysColor(COLOR_BTNFACE));
  background_.CopyTo(picture.get());

  const bool focusCue = (item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT);
  DrawCaption(picture.get(), height, focusCue, (item.itemState & ODS_DISABLED) != 0);
  const bool flat = (GetWindowLongPtrA(hwnd(), GWL_STYLE) & BS_FLAT) != 0;
  const BoxState state{flat ? BoxStyle::Flat : BoxStyle::Bevelled, press_.pressed(), check_ != 0};
  DrawTickBox(picture.get(), BoxTop(height), state, colours_, *pens_);

  BitBlt(item.hDC, rect.left, rect.top, width, height, picture.get(), 0, 0, SRCCOPY);
}

// The caption beside the box; a focus rectangle frames it while the keyboard cues are shown.
void CTickBox::DrawCaption(HDC dc, int height, bool focused, bool disabled) {
  const std::string text = WindowText(hwnd());
  if (text.empty()) return;
  HFONT font = reinterpret_cast<HFONT>(SendMessageA(hwnd(), WM_GETFONT, 0, 0));
  win32::SavedDc state(dc);
  if (font) SelectObject(dc, font);
  SIZE extent{};
  GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
  const int top = TextTop(height, extent.cy);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, disabled ? GetSysColor(COLOR_GRAYTEXT) : RGB(0, 0, 0));
  TextOutA(dc, kTextLeft, top, text.c_str(), static_cast<int>(text.size()));
  if (focused) {
    RECT frame{kTextLeft - 1, top, kTextLeft + extent.cx + 1, top + extent.cy + 1};
    DrawFocusRect(dc, &frame);
  }
}

}  // namespace widgets
