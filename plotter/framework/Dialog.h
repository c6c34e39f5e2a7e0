// A dialog made from a dialog resource, with virtual handlers for the messages the plotter uses.
// The static procedure finds the object through the window's user data; messages a class does
// not handle take the system's default dialog path.
#pragma once

#include <windows.h>

namespace framework {

class CDialog {
 public:
  explicit CDialog(UINT templateId) : templateId_(templateId) {}
  CDialog(const CDialog&) = delete;
  CDialog& operator=(const CDialog&) = delete;
  virtual ~CDialog() = default;

  // Runs the dialog modally; returns the value passed to EndDialog, or -1 if it could not be made.
  INT_PTR DoModal(HWND parent = nullptr);
  // Makes the dialog modeless (for tests and hosts that run their own loop).
  HWND Create(HWND parent = nullptr);
  void EndDialog(INT_PTR result);

  HWND hwnd() const { return hwnd_; }
  HWND Item(int id) const { return GetDlgItem(hwnd_, id); }

 protected:
  // Return TRUE to let the system set the focus to the first control.
  virtual BOOL OnInitDialog() { return TRUE; }
  // WM_COMMAND other than IDOK and IDCANCEL; return true when handled.
  virtual bool OnCommand(int id, int code, HWND control);
  virtual void OnOK() { EndDialog(IDOK); }
  virtual void OnCancel() { EndDialog(IDCANCEL); }
  virtual LRESULT OnNotify(NMHDR* header);
  virtual void OnTimer(UINT_PTR timerId);
  // Return true when the window was painted.
  virtual bool OnPaint() { return false; }
  virtual void OnSize(UINT type, int cx, int cy);
  // Return a brush to colour a control, or nullptr for the default.
  virtual HBRUSH OnCtlColor(HDC dc, HWND control, UINT message);
  // Return true when handled.
  virtual bool OnSysCommand(UINT id, LPARAM lParam);
  // Any other message: set `handled` and return the result to answer it.
  virtual INT_PTR OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled);

  // Answers a message from a dialog procedure, result included.
  INT_PTR Answer(LRESULT result);

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  INT_PTR Dispatch(UINT msg, WPARAM wParam, LPARAM lParam);
  bool Reflect(HWND control, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

  UINT templateId_;
  HWND hwnd_ = nullptr;
  bool modal_ = false;
};

// Instance whose resources the framework loads (the program's module).
HINSTANCE ResourceInstance();

}  // namespace framework
