#include "AnchorDlg.h"

#include "zelvora_ids.h"

namespace {
constexpr int kGripSize = 10;
constexpr int kMaxBatchedMoves = 100;
constexpr UINT kMoveFlags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS;

RECT ControlRectInClient(HWND dialog, HWND control) {
  RECT r{};
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
  return r;
}
}  // namespace

BOOL CAnchorDlg::OnInitDialog() {
  GetWindowRect(hwnd(), &lastLayout_);
  initialWidth_ = lastLayout_.right - lastLayout_.left;
  initialHeight_ = lastLayout_.bottom - lastLayout_.top;

  RECT client{};
  GetClientRect(hwnd(), &client);
  // The system's size grip, bottom-right corner on the client area's.
  CreateWindowExA(0, "SCROLLBAR", "", WS_CHILD | WS_VISIBLE | SBS_SIZEGRIP,
                  client.right - kGripSize, client.bottom - kGripSize, kGripSize, kGripSize,
                  hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_SIZE_GRIP)),
                  ResourceInstance(), nullptr);
  RegisterAnchor(IDC_SIZE_GRIP, kMove, kMove, 1);
  initialised_ = true;
  return TRUE;
}

void CAnchorDlg::SetResizeModes(int horizontal, int vertical) {
  horizontalMode_ = horizontal;
  verticalMode_ = vertical;
}

void CAnchorDlg::RegisterAnchor(int id, int horizontal, int vertical, int flag) {
  HWND control = Item(id);
  if (!control) return;
  RECT client{};
  GetClientRect(hwnd(), &client);
  const RECT r = ControlRectInClient(hwnd(), control);
  Anchor anchor{id, horizontal, vertical, r, flag, 0.0, 0.0};
  const LONG restX = client.right - (r.right - r.left);
  const LONG restY = client.bottom - (r.bottom - r.top);
  if (restX > 0) anchor.ratioX = static_cast<double>(r.left) / restX;
  if (restY > 0) anchor.ratioY = static_cast<double>(r.top) / restY;
  anchors_.push_back(anchor);
}

void CAnchorDlg::OnSize(UINT type, int, int) {
  // A minimised window keeps its layout: restoring compares with the layout before.
  if (type == SIZE_MINIMIZED || IsIconic(hwnd())) return;
  if (!anchors_.empty()) LayoutAnchors();
}

LONG CAnchorDlg::NewStart(int mode, LONG start, LONG end, LONG delta, double ratio,
                          LONG clientExtent) {
  switch (mode) {
    case kMove:
      return start + delta;
    case kProportional:
      return static_cast<LONG>(ratio * (clientExtent - (end - start)) + 0.5);
    default:
      return start;
  }
}

LONG CAnchorDlg::NewEnd(int mode, LONG start, LONG end, LONG delta, LONG newStart) {
  switch (mode) {
    case kGrow:
      return end + delta;
    case kMove:
    case kProportional:
      return newStart + (end - start);
    default:
      return end;
  }
}

void CAnchorDlg::LayoutAnchors() {
  RECT window{};
  GetWindowRect(hwnd(), &window);
  const LONG dx = (window.right - window.left) - (lastLayout_.right - lastLayout_.left);
  const LONG dy = (window.bottom - window.top) - (lastLayout_.bottom - lastLayout_.top);
  RECT client{};
  GetClientRect(hwnd(), &client);

  HDWP batch = BeginDeferWindowPos(kMaxBatchedMoves);
  bool moved = false;
  for (Anchor& a : anchors_) {
    RECT r = a.rect;
    r.left = NewStart(a.horizontal, a.rect.left, a.rect.right, dx, a.ratioX, client.right);
    r.right = NewEnd(a.horizontal, a.rect.left, a.rect.right, dx, r.left);
    r.top = NewStart(a.vertical, a.rect.top, a.rect.bottom, dy, a.ratioY, client.bottom);
    r.bottom = NewEnd(a.vertical, a.rect.top, a.rect.bottom, dy, r.top);
    if (EqualRect(&r, &a.rect)) continue;
    a.rect = r;
    HWND control = Item(a.id);
    if (!control) continue;
    if (batch) {
      batch = DeferWindowPos(batch, control, nullptr, r.left, r.top, r.right - r.left,
                             r.bottom - r.top, kMoveFlags);
    } else {
      SetWindowPos(control, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, kMoveFlags);
    }
    moved = true;
  }
  if (batch) EndDeferWindowPos(batch);
  lastLayout_ = window;
  // The dialog erases its own surface under the controls (group boxes overlap the buttons they
  // frame), so every control paints itself again rather than keeping copied pixels.
  if (moved) RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void CAnchorDlg::LimitTrackingSize(MINMAXINFO* info) const {
  info->ptMinTrackSize.x = initialWidth_;
  info->ptMinTrackSize.y = initialHeight_;
  if (horizontalMode_ == kKeepPlace) info->ptMaxTrackSize.x = initialWidth_;
  if (verticalMode_ == kKeepPlace) info->ptMaxTrackSize.y = initialHeight_;
}

INT_PTR CAnchorDlg::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) {
  if (msg == WM_GETMINMAXINFO && initialised_) {
    LimitTrackingSize(reinterpret_cast<MINMAXINFO*>(lParam));
    handled = true;
    return TRUE;
  }
  return CDialog::OnMessage(msg, wParam, lParam, handled);
}
