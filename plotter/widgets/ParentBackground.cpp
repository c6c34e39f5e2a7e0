#include "plotter/widgets/ParentBackground.h"

#include "plotter/widgets/DrawingTools.h"

namespace widgets {

// The parent is asked to paint rather than its screen pixels read: the plotter's main window
// clips its children, so the screen behind a child never shows what the parent paints there.
bool ParentBackground::Capture(HWND control, HDC reference) {
  Drop();
  HWND parent = GetParent(control);
  RECT client{};
  GetClientRect(control, &client);
  if (!parent || client.right <= 0 || client.bottom <= 0) return false;

  win32::UniqueMemoryDc dc(CreateCompatibleDC(reference));
  win32::UniqueBitmap bitmap(CreateCompatibleBitmap(reference, client.right, client.bottom));
  if (!dc || !bitmap) return false;
  SelectObject(dc.get(), bitmap.get());
  // A parent that does not erase still leaves the usual face colour, not stray memory.
  FillSolid(dc.get(), client, GetSysColor(COLOR_BTNFACE));

  POINT origin{0, 0};
  MapWindowPoints(control, parent, &origin, 1);
  SetViewportOrgEx(dc.get(), -origin.x, -origin.y, nullptr);
  SetBrushOrgEx(dc.get(), -origin.x, -origin.y, nullptr);
  SendMessageA(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.get()), 0);
  SendMessageA(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.get()), PRF_CLIENT);
  SetViewportOrgEx(dc.get(), 0, 0, nullptr);
  SetBrushOrgEx(dc.get(), 0, 0, nullptr);

  bitmap_ = std::move(bitmap);
  dc_ = std::move(dc);
  size_ = SIZE{client.right, client.bottom};
  return true;
}

void ParentBackground::Drop() {
  dc_.reset();
  bitmap_.reset();
  size_ = SIZE{};
}

void ParentBackground::CopyTo(HDC target) const {
  if (dc_) BitBlt(target, 0, 0, size_.cx, size_.cy, dc_.get(), 0, 0, SRCCOPY);
}

}  // namespace widgets
