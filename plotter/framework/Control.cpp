#include "plotter/framework/Control.h"

namespace framework {

namespace {
// The window property that leads from a control window to its bound object.
constexpr char kBoundProperty[] = "ZelvoraBoundControl";
}  // namespace

CControl::~CControl() { Unbind(); }

bool CControl::Bind(HWND parent, int id) {
  HWND control = GetDlgItem(parent, id);
  if (!control || hwnd_ || FromHandle(control)) return false;
  if (!SetPropA(control, kBoundProperty, this)) return false;
  hwnd_ = control;
  id_ = id;
  original_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubclassProc)));
  OnBound();
  return true;
}

void CControl::Unbind() {
  if (!hwnd_) return;
  SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
  RemovePropA(hwnd_, kBoundProperty);
  hwnd_ = nullptr;
}

CControl* CControl::FromHandle(HWND hwnd) {
  return hwnd ? static_cast<CControl*>(GetPropA(hwnd, kBoundProperty)) : nullptr;
}

bool CControl::OnReflect(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

LRESULT CControl::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  return Default(msg, wParam, lParam);
}

LRESULT CControl::Default(UINT msg, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcA(original_, hwnd_, msg, wParam, lParam);
}

LRESULT CALLBACK CControl::SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  CControl* self = FromHandle(hwnd);
  if (!self) return DefWindowProcA(hwnd, msg, wParam, lParam);
  if (msg == WM_NCDESTROY) {
    WNDPROC original = self->original_;
    self->Unbind();
    return CallWindowProcA(original, hwnd, msg, wParam, lParam);
  }
  try {
    return self->WindowProc(msg, wParam, lParam);
  } catch (...) {
    // Nothing may unwind through the system's dispatcher.
    return CallWindowProcA(self->original_, hwnd, msg, wParam, lParam);
  }
}

}  // namespace framework
