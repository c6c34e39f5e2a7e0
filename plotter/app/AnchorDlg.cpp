#include "plotter/app/AnchorDlg.h"

#include "resources/zelvora_ids.h"

namespace plotter {

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
                  framework::ResourceInstance(), nullptr);
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
  anchors_.push_back(MakeAnchor(id, horizontal, vertical, Rect{r.left, r.top, r.right, r.bottom},
                                flag, client.right, client.bottom));
}

void CAnchorDlg::OnSize(UINT type, int, int) {
  // A minimised window keeps its layout: restoring compares with the layout before.
  if (type == SIZE_MINIMIZED || IsIconic(hwnd())) return;
  if (!anchors_.empty()) MoveAnchoredControls();
}

// All moves go in one deferred batch.
void CAnchorDlg::MoveAnchoredControls() {
  RECT window{};
  GetWindowRect(hwnd(), &window);
  const int dx = (window.right - window.left) - (lastLayout_.right - lastLayout_.left);
  const int dy = (window.bottom - window.top) - (lastLayout_.bottom - lastLayout_.top);
  RECT client{};
  GetClientRect(hwnd(), &client);

  HDWP batch = BeginDeferWindowPos(kMaxBatchedMoves);
  bool moved = false;
  for (const AnchorMove& move : LayOutAnchors(anchors_, dx, dy, client.right, client.bottom)) {
    HWND control = Item(move.id);
    if (!control) continue;
    const Rect& r = move.rect;
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

INT_PTR CAnchorDlg::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) {
  if (msg == WM_GETMINMAXINFO && initialised_) {
    const TrackingLimits limits =
        LimitsOfTracking(initialWidth_, initialHeight_, horizontalMode_, verticalMode_);
    auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
    info->ptMinTrackSize.x = limits.minWidth;
    info->ptMinTrackSize.y = limits.minHeight;
    if (limits.maxWidth) info->ptMaxTrackSize.x = limits.maxWidth;
    if (limits.maxHeight) info->ptMaxTrackSize.y = limits.maxHeight;
    handled = true;
    return TRUE;
  }
  return CDialog::OnMessage(msg, wParam, lParam, handled);
}

}  // namespace plotter
