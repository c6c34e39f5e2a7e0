// A dialog that keeps its controls anchored to its edges while it is resized, with a size grip
// in the bottom-right corner and a minimum size of its initial size.
#pragma once

#include <windows.h>

#include <vector>

#include "Dialog.h"

class CAnchorDlg : public CDialog {
 public:
  // Anchor modes, per direction.
  enum AnchorMode {
    kKeepPlace = 3,     // the control keeps its place (and the dialog keeps its size, for the dialog)
    kGrow = 4,          // the right (bottom) edge follows the dialog's, the control grows
    kMove = 5,          // the whole control follows the right (bottom) edge
    kProportional = 6,  // the left (top) edge keeps its proportion of the width (height)
  };

  explicit CAnchorDlg(UINT templateId) : CDialog(templateId) {}

  // Records control `id` at its present rectangle with its modes per direction.
  void RegisterAnchor(int id, int horizontal, int vertical, int flag);
  // The dialog's own modes: kKeepPlace fixes its size in that direction.
  void SetResizeModes(int horizontal, int vertical);

 protected:
  BOOL OnInitDialog() override;
  void OnSize(UINT type, int cx, int cy) override;
  INT_PTR OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) override;

 private:
  struct Anchor {
    int id;
    int horizontal;
    int vertical;
    RECT rect;  // client coordinates at the last layout
    int flag;
    double ratioX;  // for kProportional: offset / (client extent - control extent)
    double ratioY;
  };

  void LayoutAnchors();
  void LimitTrackingSize(MINMAXINFO* info) const;
  static LONG NewStart(int mode, LONG start, LONG end, LONG delta, double ratio, LONG clientExtent);
  static LONG NewEnd(int mode, LONG start, LONG end, LONG delta, LONG newStart);

  RECT lastLayout_{};  // window rectangle (screen) at the last layout
  int initialWidth_ = 0;
  int initialHeight_ = 0;
  int horizontalMode_ = kGrow;
  int verticalMode_ = kGrow;
  std::vector<Anchor> anchors_;
  bool initialised_ = false;
};
