// Binds an existing child control (of a dialog resource) to a C++ object by subclassing it
// (replacing its window procedure; the object is found again through a window property).
// The object receives the control's own messages through WindowProc and, from its parent
// dialog, the notifications the dialog reflects back to it (drawing, colours, commands).
#pragma once

#include <windows.h>

namespace framework {

class CControl {
 public:
  CControl() = default;
  CControl(const CControl&) = delete;
  CControl& operator=(const CControl&) = delete;
  virtual ~CControl();

  // Subclasses control `id` of `parent`; false if there is no such control or it is bound already.
  // The control stays bound until it is destroyed or Unbind is called.
  bool Bind(HWND parent, int id);
  void Unbind();
  HWND hwnd() const { return hwnd_; }
  int id() const { return id_; }

  // The bound object of a control window, or nullptr.
  static CControl* FromHandle(HWND hwnd);

  // A message the parent reflects to its control: WM_DRAWITEM, WM_MEASUREITEM, WM_COMMAND,
  // WM_CTLCOLORBTN/STATIC/EDIT. Return true and set `result` to answer it for the parent.
  virtual bool OnReflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

 protected:
  // The control's own messages; the default passes them to the control's original procedure.
  virtual LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
  // Called once the control is subclassed.
  virtual void OnBound() {}
  LRESULT Default(UINT msg, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  HWND hwnd_ = nullptr;
  WNDPROC original_ = nullptr;
  int id_ = 0;
};

}  // namespace framework
