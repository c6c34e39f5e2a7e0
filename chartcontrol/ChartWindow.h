// The chart's window: paints the model from a memory bitmap (flicker-free, nothing erased),
// repaints when the model changes unless the host holds redraw or layout, zooms into a rectangle
// dragged with the left button and reports mouse buttons and new limits to the host's sink.
//
// One ChartWindow belongs to each chart window; it is made with the window and deleted at
// WM_NCDESTROY, and holds a reference to its control until then.
#pragma once

#include <windows.h>

#include "chartcontrol/core/ChartDispatch.h"
#include "chartcontrol/ChartRenderer.h"
#include "common/win32/Handles.h"

namespace chartcontrol {

class ChartCore;

class ChartWindow {
 public:
  static constexpr char kClassName[] = "ChartControl2DWindow";

  // Makes the window (visible child `id` of `parent` on `rect`); null on failure.
  static ChartWindow* Create(ChartCore& core, HWND parent, int id, const RECT& rect);
  // Forgets the window class (when the library is unloaded).
  static void UnregisterClass();

  HWND hwnd() const { return hwnd_; }
  // A put changed the model: draw again unless the host holds redraw (or layout, for layout).
  void ModelChanged(Change change);
  // HoldRedraw went back to FALSE: show the batch now, in one paint.
  void RedrawReleased();
  // HoldLayout went back to FALSE.
  void LayoutReleased();

 private:
  explicit ChartWindow(ChartCore& core);
  ~ChartWindow();
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);

  void MsgPaint();
  void MsgPrintClient(HDC dc);
  void MsgSize();
  void MsgLeftButtonDown(POINT at, WPARAM keys);
  void MsgMouseMove(POINT at);
  void MsgLeftButtonUp(POINT at);
  void MsgOtherButtonDown(int16_t button, POINT at, WPARAM keys);
  void MsgCaptureChanged(HWND gaining);
  bool MsgSetCursor();
  void MsgNcDestroy();

  void Invalidate();
  bool EnsureBuffer(HDC reference, SIZE size);
  void RenderImage();
  RECT DragRect() const;
  POINT ClampToPlot(POINT p) const;
  void EndDrag();
  void ZoomTo(POINT a, POINT b);
  static int16_t ShiftState(WPARAM keys);

  ChartCore& core_;
  HWND hwnd_ = nullptr;
  bool* bound_ = nullptr;  // during Create: set when WM_NCCREATE binds the window
  win32::UniqueMemoryDc bufferDc_;
  win32::UniqueBitmap buffer_;
  HGDIOBJ originalBitmap_ = nullptr;
  SIZE bufferSize_{0, 0};
  bool imageStale_ = true;
  bool invalidPending_ = false;
  ChartLayout layout_;
  // Left-button drag: pressed inside the plot, dragging once it moved past the drag distance.
  bool pressed_ = false;
  bool dragging_ = false;
  POINT start_{};
  POINT current_{};
};

}  // namespace chartcontrol
