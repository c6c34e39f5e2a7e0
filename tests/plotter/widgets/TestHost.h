// A window standing in for a dialog in the widget tests: it reflects WM_DRAWITEM, WM_COMMAND and
// WM_CTLCOLOR* to bound controls the way CDialog does, paints a plain background of a chosen
// colour, and records every command that reaches it.
//
// Hosts are child panels of one topmost stage window that lives as long as the test program:
// under Wine without a window manager every top-level window takes seconds to go away.
#pragma once

#include <windows.h>

#include <vector>

#include "Handles.h"

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
  void SetBackground(COLORREF colour);
  // Makes the stage the active window and paints everything that waits to be painted.
  void Activate();
  HFONT font() const { return font_.get(); }

  std::vector<ReceivedCommand> commands;
  int drawItemCount = 0;

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);

  UniqueBrush brush_;
  UniqueFont font_;
  UniqueWindow hwnd_;  // last, so that it goes first
};

// Handles every message waiting for this thread (a bounded number), as a message loop would.
void PumpMessages();
// The colour of pixel (x, y) of `window`'s client area after everything pending is painted.
COLORREF PixelAt(HWND window, int x, int y);
// How many pixels of `window`'s client area have exactly `colour`.
int CountPixels(HWND window, COLORREF colour);
// Mouse messages as the system sends them, at client point (x, y).
void SendMouse(HWND window, UINT msg, int x, int y, WPARAM keys = 0);
void Click(HWND window, int x, int y);
