// A panel standing in for a dialog in the widget tests: a child of the test stage that reflects
// WM_DRAWITEM, WM_COMMAND and WM_CTLCOLOR* to bound controls the way CDialog does, paints a
// plain background of a chosen colour, and records every command that reaches it.
#pragma once

#include <windows.h>

#include <vector>

#include "common/win32/Handles.h"

namespace widgets {

struct ReceivedCommand {
  int id;
  int code;
  HWND control;
};

class TestHost {
 public:
  // A visible panel at `place` on the stage that clips its children (as the plotter's main
  // window does).
  TestHost(int width, int height, COLORREF background, POINT place = POINT{0, 0});
  TestHost(const TestHost&) = delete;
  TestHost& operator=(const TestHost&) = delete;
  ~TestHost();

  HWND hwnd() const { return hwnd_.get(); }
  // Adds a child of window class `className` at `place` with the host's font.
  HWND AddChild(const char* className, int id, const char* text, DWORD style, RECT place);
  // Changes the colour the host paints from now on (nothing is repainted).
  void SetBackground(COLORREF colour) { brush_.reset(CreateSolidBrush(colour)); }
  // Makes the stage the active window and paints everything that waits to be painted.
  void Activate();
  // The click notifications (BN_CLICKED with its id and window) that `control` sent.
  int Clicks(HWND control) const {
    int count = 0;
    for (const ReceivedCommand& c : commands)
      count += c.id == GetDlgCtrlID(control) && c.code == BN_CLICKED && c.control == control;
    return count;
  }

  std::vector<ReceivedCommand> commands;
  int drawItemCount = 0;

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

  win32::UniqueBrush brush_;
  win32::UniqueFont font_;
  win32::UniqueWindow hwnd_;  // last, so that it goes first
};

}  // namespace widgets
