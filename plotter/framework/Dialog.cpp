#include "plotter/framework/Dialog.h"

#include "plotter/framework/Control.h"

namespace framework {

HINSTANCE ResourceInstance() { return GetModuleHandleA(nullptr); }

INT_PTR CDialog::DoModal(HWND parent) {
  modal_ = true;
  return DialogBoxParamA(ResourceInstance(), MAKEINTRESOURCEA(templateId_), parent, DialogProc,
                         reinterpret_cast<LPARAM>(this));
}

HWND CDialog::Create(HWND parent) {
  modal_ = false;
  return CreateDialogParamA(ResourceInstance(), MAKEINTRESOURCEA(templateId_), parent, DialogProc,
                            reinterpret_cast<LPARAM>(this));
}

void CDialog::EndDialog(INT_PTR result) {
  if (!hwnd_) return;
  if (modal_)
    ::EndDialog(hwnd_, result);
  else
    DestroyWindow(hwnd_);
}

bool CDialog::OnCommand(int, int, HWND) { return false; }
LRESULT CDialog::OnNotify(NMHDR*) { return 0; }
void CDialog::OnTimer(UINT_PTR) {}
void CDialog::OnSize(UINT, int, int) {}
HBRUSH CDialog::OnCtlColor(HDC, HWND, UINT) { return nullptr; }
bool CDialog::OnSysCommand(UINT, LPARAM) { return false; }
INT_PTR CDialog::OnMessage(UINT, WPARAM, LPARAM, bool& handled) {
  handled = false;
  return 0;
}

INT_PTR CDialog::Answer(LRESULT result) {
  SetWindowLongPtrA(hwnd_, DWLP_MSGRESULT, result);
  return TRUE;
}

bool CDialog::Reflect(HWND control, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  CControl* bound = CControl::FromHandle(control);
  return bound && bound->OnReflect(msg, wParam, lParam, result);
}

namespace {
BOOL CALLBACK PassColourChange(HWND child, LPARAM) {
  SendMessageA(child, WM_SYSCOLORCHANGE, 0, 0);
  return TRUE;
}
}  // namespace

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  CDialog* self = nullptr;
  if (msg == WM_INITDIALOG) {
    self = reinterpret_cast<CDialog*>(lParam);
    self->hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, lParam);
  } else {
    self = reinterpret_cast<CDialog*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  }
  if (!self) return FALSE;
  INT_PTR result = FALSE;
  try {
    result = self->Dispatch(msg, wParam, lParam);
  } catch (...) {
    // Nothing may unwind through the system's dispatcher.
    result = FALSE;
  }
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
  }
  return result;
}

INT_PTR CDialog::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT reflected = 0;
  switch (msg) {
    case WM_INITDIALOG:
      return OnInitDialog();
    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      const int code = HIWORD(wParam);
      HWND control = reinterpret_cast<HWND>(lParam);
      if (control && Reflect(control, msg, wParam, lParam, reflected)) return TRUE;
      if (id == IDOK && (!control || code == BN_CLICKED)) {
        OnOK();
        return TRUE;
      }
      if (id == IDCANCEL && (!control || code == BN_CLICKED)) {
        OnCancel();
        return TRUE;
      }
      return OnCommand(id, code, control) ? TRUE : FALSE;
    }
    case WM_NOTIFY:
      return Answer(OnNotify(reinterpret_cast<NMHDR*>(lParam)));
    case WM_DRAWITEM: {
      auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
      if (item->CtlType != ODT_MENU && Reflect(item->hwndItem, msg, wParam, lParam, reflected))
        return TRUE;
      break;
    }
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORDLG: {
      HWND control = reinterpret_cast<HWND>(lParam);
      if (msg != WM_CTLCOLORDLG && Reflect(control, msg, wParam, lParam, reflected))
        return static_cast<INT_PTR>(reflected);
      return reinterpret_cast<INT_PTR>(OnCtlColor(reinterpret_cast<HDC>(wParam), control, msg));
    }
    case WM_TIMER:
      OnTimer(wParam);
      return TRUE;
    case WM_PAINT:
      return OnPaint() ? TRUE : FALSE;
    case WM_SIZE:
      OnSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
      return TRUE;
    case WM_SYSCOLORCHANGE:
      // Only top-level windows hear of it; controls remake their pens and copies from it.
      EnumChildWindows(hwnd_, PassColourChange, 0);
      break;
    case WM_SYSCOMMAND:
      return OnSysCommand(static_cast<UINT>(wParam & 0xFFF0), lParam) ? TRUE : FALSE;
    default:
      break;
  }
  bool handled = false;
  const INT_PTR result = OnMessage(msg, wParam, lParam, handled);
  return handled ? result : FALSE;
}

}  // namespace framework
