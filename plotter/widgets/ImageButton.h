// A flat owner-drawn push button showing an icon and/or text. It draws a raised edge only while
// the mouse is over it, can paint the parent's background behind it so that it looks transparent,
// shows a tooltip and its own cursor, and can open a drop-down menu when clicked.
//
// Bind() it to a push button of a dialog; the dialog must reflect WM_DRAWITEM, WM_COMMAND and
// WM_CTLCOLORBTN to it (CDialog does).
#pragma once

#include <windows.h>

#include <functional>

#include "common/win32/Handles.h"
#include "plotter/framework/Control.h"
#include "plotter/widgets/ParentBackground.h"
#include "plotter/widgets/core/ImageButtonLayout.h"
#include "plotter/widgets/core/WidgetInput.h"

namespace widgets {

class CImageButton : public framework::CControl {
 public:
  // Shows a drop-down menu `popup` at `screenPos` (its top-left corner) on behalf of `owner` and
  // returns the chosen command id, or 0 when the menu was dismissed.
  using DropMenuTracker = std::function<UINT(HMENU popup, POINT screenPos, HWND owner)>;

  CImageButton();
  ~CImageButton() override;

  // Loads icon resource `iconId` at its own size, replacing any earlier icon; repaints.
  bool AssignIcon(int iconId);
  // Sets the tooltip text (making the tooltip on first use) and activates or deactivates it.
  bool AssignTooltip(const char* text, bool activate = true);
  // Loads cursor resource `cursorId` as the cursor shown over the button; a failed load leaves
  // the class cursor.
  bool AssignHoverCursor(int cursorId, bool repaint = true);
  // Whether the raised (hovered) and sunken (pressed) edges are drawn.
  void EnableHoverEdge(bool enable = true, bool repaint = true);
  // Paints the parent's background behind the button instead of a fill; captured again on the
  // next drawing.
  void UseParentBackground(bool repaint = true);
  // A click opens the first submenu of menu resource `menuId` below the button; the chosen
  // command goes to `owner` as WM_COMMAND.
  bool AttachDropMenu(int menuId, HWND owner, bool repaint = true);

  // Replaces how every image button shows its drop-down menu; an empty tracker restores the
  // system's pop-up menu. Returns the tracker it replaces.
  static DropMenuTracker SetDropMenuTracker(DropMenuTracker tracker);

  // Background and text colours of the states in (hovered or pressed), out and focused; the
  // backgrounds show where the parent's background is not used.
  void SetColours(const ButtonColours& colours, bool repaint = true);
  // A button that is not flat draws no hover edge and does not track the pointer.
  void SetFlat(bool flat, bool repaint = true);

  bool hovering() const { return hover_.hovering(); }
  bool menuOpen() const { return menuOpen_; }
  HWND tooltip() const { return tooltip_.get(); }

  bool OnReflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 protected:
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void OnBound() override;

 private:
  void MsgMouseMove(WPARAM keys, LPARAM position);
  void MsgEnable(bool enabled);
  void MsgKillFocus(HWND newFocus);
  void Draw(const DRAWITEMSTRUCT& item);
  void DrawCaption(HDC dc, RECT area, bool disabled);
  void ShowDropMenu();
  void EndHover();
  void Apply(const HoverOutcome& outcome);
  void Repaint();
  void ReleaseResources();

  bool hoverEdge_ = true;
  bool transparent_ = false;
  HoverState hover_;
  ButtonColours colours_;
  bool menuOpen_ = false;
  bool tipActive_ = false;
  bool lostFocusByDisabling_ = false;
  win32::UniqueIcon icon_;
  SIZE iconSize_{};
  win32::UniqueCursor cursor_;
  win32::UniqueWindow tooltip_;
  win32::UniqueMenu menu_;
  HWND menuOwner_ = nullptr;
  ParentBackground background_;
};

}  // namespace widgets
