#include "chartcontrol/ChartWindow.h"

#include <windowsx.h>

#include <algorithm>
#include <cstdlib>

#include "chartcontrol/ChartCore.h"
#include "chartcontrol/core/ChartScales.h"

namespace chartcontrol {

namespace {

using win32::PaintDc;
using win32::UniqueBrush;

constexpr COLORREF kRubberBand = RGB(40, 60, 150);

HINSTANCE ThisModule() {
  HMODULE module = nullptr;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCSTR>(&ThisModule), &module);
  return module;
}

bool RegisterChartClass(HINSTANCE module, WNDPROC procedure) {
  WNDCLASSEXA existing{};
  existing.cbSize = sizeof(existing);
  if (GetClassInfoExA(module, ChartWindow::kClassName, &existing)) return true;
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = procedure;
  wc.hInstance = module;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = ChartWindow::kClassName;
  return RegisterClassExA(&wc) != 0;
}

POINT PointOf(LPARAM lParam) { return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

}  // namespace

ChartWindow::ChartWindow(ChartCore& core) : core_(core) { core_.AddRef(); }

ChartWindow::~ChartWindow() {
  if (bufferDc_ && originalBitmap_) SelectObject(bufferDc_.get(), originalBitmap_);
}

ChartWindow* ChartWindow::Create(ChartCore& core, HWND parent, int id, const RECT& rect) {
  HINSTANCE module = ThisModule();
  if (!RegisterChartClass(module, &ChartWindow::WindowProc)) return nullptr;
  auto* window = new ChartWindow(core);
  // WM_NCCREATE binds the object to the window; from then on WM_NCDESTROY deletes it, even when
  // the creation fails later.
  bool bound = false;
  window->bound_ = &bound;
  HWND hwnd = CreateWindowExA(0, kClassName, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS,
                              rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                              parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), module, window);
  if (!bound) {
    core.Release();
    delete window;
    return nullptr;
  }
  if (!hwnd) return nullptr;
  window->bound_ = nullptr;
  return window;
}

void ChartWindow::UnregisterClass() { ::UnregisterClassA(kClassName, ThisModule()); }

LRESULT CALLBACK ChartWindow::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* window = static_cast<ChartWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    window->hwnd_ = hwnd;
    if (window->bound_) *window->bound_ = true;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
  }
  auto* self = reinterpret_cast<ChartWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcA(hwnd, msg, wParam, lParam);
  try {
    return self->Handle(msg, wParam, lParam);
  } catch (...) {
    return msg == WM_NCDESTROY ? 0 : DefWindowProcA(hwnd, msg, wParam, lParam);
  }
}

LRESULT ChartWindow::Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_ERASEBKGND: return 1;  // the paint covers every pixel
    case WM_PAINT: MsgPaint(); return 0;
    case WM_PRINTCLIENT: MsgPrintClient(reinterpret_cast<HDC>(wParam)); return 0;
    case WM_SIZE: MsgSize(); return 0;
    case WM_LBUTTONDOWN: MsgLeftButtonDown(PointOf(lParam), wParam); return 0;
    case WM_MOUSEMOVE: MsgMouseMove(PointOf(lParam)); return 0;
    case WM_LBUTTONUP: MsgLeftButtonUp(PointOf(lParam)); return 0;
    case WM_RBUTTONDOWN: MsgOtherButtonDown(2, PointOf(lParam), wParam); return 0;
    case WM_MBUTTONDOWN: MsgOtherButtonDown(4, PointOf(lParam), wParam); return 0;
    case WM_CAPTURECHANGED: MsgCaptureChanged(reinterpret_cast<HWND>(lParam)); return 0;
    case WM_SETCURSOR:
      if (MsgSetCursor()) return TRUE;
      break;
    case WM_NCDESTROY: MsgNcDestroy(); return 0;
    default: break;
  }
  return DefWindowProcA(hwnd_, msg, wParam, lParam);
}

void ChartWindow::Invalidate() {
  if (invalidPending_) return;
  invalidPending_ = true;
  InvalidateRect(hwnd_, nullptr, FALSE);
}

void ChartWindow::ModelChanged(Change change) {
  imageStale_ = true;
  const ChartModel& model = core_.model();
  if (model.holdRedraw || (change == Change::Layout && model.holdLayout)) return;
  Invalidate();
}

void ChartWindow::RedrawReleased() {
  if (!imageStale_) return;
  Invalidate();
  UpdateWindow(hwnd_);
}

void ChartWindow::LayoutReleased() {
  if (imageStale_ && !core_.model().holdRedraw) Invalidate();
}

// A 32-bit DIB of the client's size holds the picture between paints.
bool ChartWindow::EnsureBuffer(HDC reference, SIZE size) {
  if (bufferDc_ && size.cx == bufferSize_.cx && size.cy == bufferSize_.cy) return false;
  if (bufferDc_ && originalBitmap_) SelectObject(bufferDc_.get(), originalBitmap_);
  buffer_.reset();
  bufferDc_.reset(CreateCompatibleDC(reference));
  void* bits = nullptr;
  buffer_ = win32::CreateDib32(std::max<LONG>(size.cx, 1), std::max<LONG>(size.cy, 1), &bits);
  originalBitmap_ = bufferDc_ && buffer_ ? SelectObject(bufferDc_.get(), buffer_.get()) : nullptr;
  bufferSize_ = size;
  return true;
}

void ChartWindow::RenderImage() {
  const ChartModel& model = core_.model();
  const RECT area{0, 0, bufferSize_.cx, bufferSize_.cy};
  layout_ = RenderChart(bufferDc_.get(), area, model, RenderOptions(), model.holdLayout ? &layout_ : nullptr);
  imageStale_ = false;
}

void ChartWindow::MsgPaint() {
  PaintDc paint(hwnd_);
  invalidPending_ = false;
  RECT client;
  GetClientRect(hwnd_, &client);
  const SIZE size{client.right, client.bottom};
  const bool resized = EnsureBuffer(paint.get(), size);
  if (!bufferDc_ || !buffer_) return;
  // While the host holds redraw the last picture stays, unless there is none of this size.
  if (resized || (imageStale_ && !core_.model().holdRedraw)) RenderImage();
  const RECT& r = paint.paint().rcPaint;
  BitBlt(paint.get(), r.left, r.top, r.right - r.left, r.bottom - r.top, bufferDc_.get(), r.left, r.top, SRCCOPY);
  if (dragging_) {
    UniqueBrush brush(CreateSolidBrush(kRubberBand));
    const RECT band = DragRect();
    FrameRect(paint.get(), &band, brush.get());
  }
}

// Draws the chart as the model stands into the caller's device context.
void ChartWindow::MsgPrintClient(HDC dc) {
  if (!dc) return;
  RECT client;
  GetClientRect(hwnd_, &client);
  RenderChart(dc, client, core_.model());
}

void ChartWindow::MsgSize() {
  imageStale_ = true;
  Invalidate();
}

int16_t ChartWindow::ShiftState(WPARAM keys) {
  return static_cast<int16_t>(((keys & MK_SHIFT) ? 1 : 0) | ((keys & MK_CONTROL) ? 2 : 0) |
                              (GetKeyState(VK_MENU) < 0 ? 4 : 0));
}

POINT ChartWindow::ClampToPlot(POINT p) const {
  const RECT& plot = layout_.plot;
  p.x = std::min(std::max(p.x, plot.left), plot.right - 1);
  p.y = std::min(std::max(p.y, plot.top), plot.bottom - 1);
  return p;
}

RECT ChartWindow::DragRect() const {
  return RECT{std::min(start_.x, current_.x), std::min(start_.y, current_.y),
              std::max(start_.x, current_.x) + 1, std::max(start_.y, current_.y) + 1};
}

// The sink is called last in each handler: the host may do anything, even destroy the window.
void ChartWindow::MsgLeftButtonDown(POINT at, WPARAM keys) {
  const RECT& plot = layout_.plot;
  if (layout_.valid && PtInRect(&plot, at) && plot.right - plot.left > 1 && plot.bottom - plot.top > 1) {
    pressed_ = true;
    dragging_ = false;
    start_ = current_ = at;
    SetCapture(hwnd_);
  }
  if (ChartEvents* sink = core_.sink()) sink->MouseDown(1, ShiftState(keys), at.x, at.y);
}

void ChartWindow::MsgMouseMove(POINT at) {
  if (!pressed_) return;
  const RECT before = DragRect();
  current_ = ClampToPlot(at);
  if (!dragging_ && (std::abs(current_.x - start_.x) > GetSystemMetrics(SM_CXDRAG) ||
                     std::abs(current_.y - start_.y) > GetSystemMetrics(SM_CYDRAG)))
    dragging_ = true;
  if (!dragging_) return;
  RECT changed, after = DragRect();
  UnionRect(&changed, &before, &after);
  InvalidateRect(hwnd_, &changed, FALSE);
  UpdateWindow(hwnd_);
}

void ChartWindow::EndDrag() {
  const bool wasDragging = dragging_;
  const RECT band = DragRect();
  pressed_ = dragging_ = false;
  if (GetCapture() == hwnd_) ReleaseCapture();
  if (wasDragging) InvalidateRect(hwnd_, &band, FALSE);
}

void ChartWindow::MsgLeftButtonUp(POINT at) {
  if (!pressed_) return;
  const bool zoom = dragging_;
  const POINT a = start_, b = ClampToPlot(at);
  EndDrag();
  if (zoom && std::abs(b.x - a.x) >= 2 && std::abs(b.y - a.y) >= 2) ZoomTo(a, b);
}

// The axes take the limits of the dragged rectangle (a reversed axis stays reversed), the y2
// axis follows y, and the host hears the new limits: x min, x max, y min, y max, y2 min, y2 max.
void ChartWindow::ZoomTo(POINT a, POINT b) {
  ChartModel& model = core_.model();
  const RECT& plot = layout_.plot;
  const AxisScale sx = ScaleOfAxis(model, kAxisX), sy = ScaleOfAxis(model, kAxisY);
  const double w = std::max<LONG>(plot.right - plot.left - 1, 1), h = std::max<LONG>(plot.bottom - plot.top - 1, 1);
  const double x0 = sx.Value((std::min(a.x, b.x) - plot.left) / w);
  const double x1 = sx.Value((std::max(a.x, b.x) - plot.left) / w);
  const double y0 = sy.Value((plot.bottom - 1 - std::max(a.y, b.y)) / h);
  const double y1 = sy.Value((plot.bottom - 1 - std::min(a.y, b.y)) / h);
  Axis* axes = model.graph.axes;
  axes[kAxisX].minLimit = x0;
  axes[kAxisX].maxLimit = x1;
  axes[kAxisY].minLimit = axes[kAxisY2].minLimit = y0;
  axes[kAxisY].maxLimit = axes[kAxisY2].maxLimit = y1;
  imageStale_ = true;
  Invalidate();
  double values[6] = {x0, x1, y0, y1, y0, y1};
  int32_t flag = 0;
  if (ChartEvents* sink = core_.sink()) sink->LimitsChanged(values, &flag);
}

void ChartWindow::MsgOtherButtonDown(int16_t button, POINT at, WPARAM keys) {
  if (ChartEvents* sink = core_.sink()) sink->MouseDown(button, ShiftState(keys), at.x, at.y);
}

void ChartWindow::MsgCaptureChanged(HWND gaining) {
  if (pressed_ && gaining != hwnd_) EndDrag();
}

bool ChartWindow::MsgSetCursor() {
  POINT p;
  GetCursorPos(&p);
  ScreenToClient(hwnd_, &p);
  if (!layout_.valid || !PtInRect(&layout_.plot, p)) return false;
  SetCursor(LoadCursor(nullptr, IDC_CROSS));
  return true;
}

void ChartWindow::MsgNcDestroy() {
  SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
  core_.WindowDestroyed();
  ChartCore& core = core_;
  delete this;
  core.Release();
}

}  // namespace chartcontrol
