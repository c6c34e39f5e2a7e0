// CAboutDlg, the animated about box opened from the main window's system menu: stars flying
// towards the viewer, the logo and nine lines of text scrolling upwards through a framed picture.
// A click on the picture closes it; a press on its margin drags it.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <string>

#include "common/win32/Handles.h"
#include "plotter/app/core/AboutAnimation.h"
#include "plotter/framework/Dialog.h"

namespace plotter {

class CAboutDlg : public framework::CDialog {
 public:
  CAboutDlg();
  ~CAboutDlg() override;

  // The program's stars: they keep their places from one opening of the box to the next.
  static StarField& Stars();

 protected:
  BOOL OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOK() override { Close(); }
  void OnCancel() override { Close(); }
  void OnTimer(UINT_PTR timerId) override;
  HBRUSH OnCtlColor(HDC dc, HWND control, UINT message) override;
  INT_PTR OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) override;

 private:
  void FillTextLines();
  bool MakePicture();
  void Step();
  void Close();
  // Stops the animation and gives back every drawing object; safe to call more than once.
  void Release();

  std::array<std::string, kAboutLineCount> lines_;
  int scroll_ = kScrollStart;
  SIZE size_{};    // the picture: the static's client size
  POINT origin_{};  // the static's top-left corner in the dialog's client coordinates

  // Declared so that each surface goes before the bitmap selected into it.
  win32::UniqueBitmap pictureBitmap_;
  win32::UniqueMemoryDc picture_;
  HGDIOBJ pictureDefault_ = nullptr;  // the bitmap the memory surface came with
  win32::UniqueBitmap logoBitmap_;
  win32::UniqueMemoryDc logo_;
  HGDIOBJ logoDefault_ = nullptr;
  win32::UniqueBrush background_;
  win32::UniqueBrush frame_;
  HDC windowDc_ = nullptr;  // the whole window's surface, frame included
};

// Runs the about box modally over `owner`. Tests answer it through SetAboutBoxRunner: an empty
// function restores the real box.
void ShowAboutBox(HWND owner);
using AboutBoxRunner = std::function<void(HWND owner)>;
void SetAboutBoxRunner(AboutBoxRunner runner);

}  // namespace plotter
