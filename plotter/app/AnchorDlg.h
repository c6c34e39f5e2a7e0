// A dialog that keeps its controls anchored to its edges while it is resized, with a size grip
// in the bottom-right corner and a minimum size of its initial size. The arithmetic of the
// anchors is in core/AnchorLayout.h.
#pragma once

#include <windows.h>

#include <vector>

#include "plotter/app/core/AnchorLayout.h"
#include "plotter/framework/Dialog.h"

namespace plotter {

class CAnchorDlg : public framework::CDialog {
 public:
  explicit CAnchorDlg(UINT templateId) : CDialog(templateId) {}

  // Records control `id` at its present rectangle with its modes per direction (AnchorMode).
  void RegisterAnchor(int id, int horizontal, int vertical, int flag);
  // The dialog's own modes: kKeepPlace fixes its size in that direction.
  void SetResizeModes(int horizontal, int vertical);

 protected:
  BOOL OnInitDialog() override;
  void OnSize(UINT type, int cx, int cy) override;
  INT_PTR OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) override;

 private:
  void MoveAnchoredControls();

  RECT lastLayout_{};  // window rectangle (screen) at the last layout
  int initialWidth_ = 0;
  int initialHeight_ = 0;
  int horizontalMode_ = kGrow;
  int verticalMode_ = kGrow;
  std::vector<Anchor> anchors_;
  bool initialised_ = false;
};

}  // namespace plotter
