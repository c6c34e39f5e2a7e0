// An owner-drawn check box with a 12 x 12 box and a tick, painted off-screen over a copy of the
// parent's background. A style with BS_FLAT gives a flat box with a green tick, any other a
// bevelled box with a shaded tick. The control only toggles itself and notifies its parent with
// WM_COMMAND (id, BN_CLICKED, window); keeping option pairs exclusive is the parent's work.
//
// Bind() it to a check box or option button of a dialog that reflects WM_DRAWITEM (CDialog does).
#pragma once

#include <windows.h>

#include <memory>

#include "plotter/framework/Control.h"
#include "plotter/widgets/ParentBackground.h"
#include "plotter/widgets/TickBoxDrawing.h"
#include "plotter/widgets/core/WidgetInput.h"

namespace widgets {

class CTickBox : public framework::CControl {
 public:
  CTickBox();
  ~CTickBox() override;

  // 0 clears the box, anything else ticks it; repaints only when the state changes.
  void SetCheck(int check);
  int GetCheck() const { return check_; }

  bool OnReflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 protected:
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void OnBound() override;

 private:
  void MsgCaptureChanged(HWND newCapture);
  // Carries out what the press logic asked for.
  void Apply(const PressOutcome& outcome);
  void MakeColours();
  bool Inside(LPARAM position) const;
  void Repaint();
  void Draw(const DRAWITEMSTRUCT& item);
  void DrawCaption(HDC dc, int height, bool focused, bool disabled);

  int check_ = 0;
  TickPress press_;
  TickColours colours_{};
  std::unique_ptr<TickPens> pens_;
  ParentBackground background_;
};

}  // namespace widgets
