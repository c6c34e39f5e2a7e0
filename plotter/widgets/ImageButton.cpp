#include "plotter/widgets/ImageButton.h"

#include <commctrl.h>
#include <windowsx.h>

#include <string>
#include <utility>

#include "plotter/framework/Dialog.h"
#include "plotter/widgets/DrawingTools.h"
#include "plotter/widgets/core/ImageButtonLayout.h"

namespace widgets {

namespace {

constexpr UINT_PTR kToolId = 1;
constexpr int kMaxTipWidth = 400;

UINT TrackSystemMenu(HMENU popup, POINT screenPos, HWND owner) {
  return static_cast<UINT>(TrackPopupMenu(popup,
                                          TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON |
                                              TPM_RETURNCMD,
                                          screenPos.x, screenPos.y, 0, owner, nullptr));
}

CImageButton::DropMenuTracker& Tracker() {
  static CImageButton::DropMenuTracker tracker;
  return tracker;
}

// The size the icon is drawn at: twice its hot spot, which the system puts at an icon's centre.
SIZE IconSize(HICON icon) {
  ICONINFO info{};
  if (!GetIconInfo(icon, &info)) return SIZE{};
  win32::UniqueBitmap mask(info.hbmMask);
  win32::UniqueBitmap colour(info.hbmColor);
  return SIZE{static_cast<LONG>(info.xHotspot) * 2, static_cast<LONG>(info.yHotspot) * 2};
}

std::string WindowText(HWND hwnd) {
  std::string text(static_cast<size_t>(GetWindowTextLengthA(hwnd)) + 1, '\0');
  text.resize(static_cast<size_t>(GetWindowTextA(hwnd, &text[0], static_cast<int>(text.size()))));
  return text;
}

// Tooltip records of this size are understood by every version of the common controls.
TOOLINFOA ToolInfo(HWND button) {
  TOOLINFOA info{};
  info.cbSize = TTTOOLINFOA_V2_SIZE;
  info.hwnd = button;
  info.uId = kToolId;
  return info;
}

}  // namespace

CImageButton::CImageButton() {
  const Colour face = GetSysColor(COLOR_BTNFACE), text = GetSysColor(COLOR_BTNTEXT);
  colours_ = ButtonColours{face, text, face, text, face, text};
}

CImageButton::~CImageButton() {
  // Stop messages before the members they would use are gone.
  Unbind();
}

CImageButton::DropMenuTracker CImageButton::SetDropMenuTracker(DropMenuTracker tracker) {
  return std::exchange(Tracker(), std::move(tracker));
}

// The button's own type gives way to owner-draw; the frame is recalculated for the new style.
void CImageButton::OnBound() {
  const LONG_PTR style = GetWindowLongPtrA(hwnd(), GWL_STYLE);
  SetWindowLongPtrA(hwnd(), GWL_STYLE,
                    (style & ~static_cast<LONG_PTR>(BS_TYPEMASK)) | BS_OWNERDRAW);
  SetWindowPos(hwnd(), nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

bool CImageButton::AssignIcon(int iconId) {
  icon_.reset(static_cast<HICON>(
      LoadImageA(framework::ResourceInstance(), MAKEINTRESOURCEA(iconId), IMAGE_ICON, 0, 0, 0)));
  iconSize_ = icon_ ? IconSize(icon_.get()) : SIZE{};
  Repaint();
  return static_cast<bool>(icon_);
}

bool CImageButton::AssignTooltip(const char* text, bool activate) {
  if (!hwnd()) return false;
  if (!tooltip_) {
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);
    tooltip_.reset(CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0,
                                   0, hwnd(), nullptr, framework::ResourceInstance(), nullptr));
    if (!tooltip_) return false;
    SendMessageA(tooltip_.get(), TTM_ACTIVATE, FALSE, 0);
    SendMessageA(tooltip_.get(), TTM_SETMAXTIPWIDTH, 0, kMaxTipWidth);
  }
  TOOLINFOA info = ToolInfo(hwnd());
  info.lpszText = const_cast<char*>(text);  // the tooltip keeps its own copy
  if (SendMessageA(tooltip_.get(), TTM_GETTOOLCOUNT, 0, 0) == 0) {
    // The tooltip watches the button's mouse messages itself: no one needs to relay them.
    info.uFlags = TTF_SUBCLASS;
    GetClientRect(hwnd(), &info.rect);
    SendMessageA(tooltip_.get(), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
  }
  SendMessageA(tooltip_.get(), TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&info));
  SendMessageA(tooltip_.get(), TTM_ACTIVATE, activate ? TRUE : FALSE, 0);
  tipActive_ = activate;
  return true;
}

// Loaded as the button's own copy (not shared), so that it can be destroyed with the button.
bool CImageButton::AssignHoverCursor(int cursorId, bool repaint) {
  cursor_.reset(static_cast<HCURSOR>(
      LoadImageA(framework::ResourceInstance(), MAKEINTRESOURCEA(cursorId), IMAGE_CURSOR, 0, 0,
                 0)));
  if (repaint) Repaint();
  return static_cast<bool>(cursor_);
}

void CImageButton::EnableHoverEdge(bool enable, bool repaint) {
  hoverEdge_ = enable;
  if (repaint) Repaint();
}

void CImageButton::UseParentBackground(bool repaint) {
  transparent_ = true;
  background_.Drop();
  if (repaint) Repaint();
}

void CImageButton::SetColours(const ButtonColours& colours, bool repaint) {
  colours_ = colours;
  if (repaint) Repaint();
}

void CImageButton::SetFlat(bool flat, bool repaint) {
  if (!flat) EndHover();
  hover_.SetFlat(flat);
  if (repaint) Repaint();
}

bool CImageButton::AttachDropMenu(int menuId, HWND owner, bool repaint) {
  menu_.reset(LoadMenuA(framework::ResourceInstance(), MAKEINTRESOURCEA(menuId)));
  menuOwner_ = owner;
  if (repaint) Repaint();
  return static_cast<bool>(menu_);
}

bool CImageButton::OnReflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item->CtlType != ODT_BUTTON) return false;
      Draw(*item);
      result = TRUE;
      return true;
    }
    case WM_COMMAND:
      // The parent still sees the click; for a menu button it normally ignores it.
      if (HIWORD(wParam) == BN_CLICKED && menu_) ShowDropMenu();
      return false;
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
      // Nothing is erased behind the button: its drawing covers every pixel.
      result = reinterpret_cast<LRESULT>(GetStockObject(HOLLOW_BRUSH));
      return true;
    default:
      return false;
  }
}

LRESULT CImageButton::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_MOUSEMOVE:
      MsgMouseMove(wParam, lParam);
      break;
    case WM_MOUSELEAVE:
    case WM_CANCELMODE:
      EndHover();
      break;
    case WM_KILLFOCUS:
      MsgKillFocus(reinterpret_cast<HWND>(wParam));
      break;
    case WM_ENABLE:
      MsgEnable(wParam != FALSE);
      break;
    case WM_SETCURSOR:
      if (cursor_) {
        SetCursor(cursor_.get());
        return TRUE;
      }
      break;
    case WM_LBUTTONDBLCLK:
      // The system would report a double click; here it is simply a second press.
      return Default(WM_LBUTTONDOWN, wParam, lParam);
    case WM_GETDLGCODE:
      return Default(msg, wParam, lParam) | DLGC_UNDEFPUSHBUTTON;
    case BM_SETSTYLE:
      // The dialog manager makes the focused push button the default one; stay owner-drawn.
      return Default(msg, (wParam & ~static_cast<WPARAM>(BS_TYPEMASK)) | BS_OWNERDRAW, lParam);
    case WM_ERASEBKGND:
      return TRUE;
    case WM_SYSCOLORCHANGE:
    case WM_SIZE:
      background_.Drop();
      break;
    case WM_DESTROY:
      ReleaseResources();
      break;
    default:
      break;
  }
  return Default(msg, wParam, lParam);
}

// Hover starts when the pointer is over this very button of an active program, and ends as soon
// as it is over anything else; a press that started elsewhere does not light the button up.
void CImageButton::MsgMouseMove(WPARAM keys, LPARAM position) {
  POINT point{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
  ClientToScreen(hwnd(), &point);
  Apply(hover_.PointerMoved((keys & MK_LBUTTON) != 0, WindowFromPoint(point) == hwnd(),
                            GetActiveWindow() != nullptr));
}

void CImageButton::Apply(const HoverOutcome& outcome) {
  if (outcome.repaint) Repaint();
  if (outcome.trackLeave) {
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd(), 0};
    TrackMouseEvent(&track);
  }
}

// Disabling takes the focus away (SetFocus(nullptr)) before WM_ENABLE arrives: remember that.
void CImageButton::MsgKillFocus(HWND newFocus) {
  lostFocusByDisabling_ = !newFocus && !IsWindowEnabled(hwnd());
  EndHover();
}

// A disabled button cannot keep the keyboard: hand the focus to the next tab stop.
void CImageButton::MsgEnable(bool enabled) {
  if (enabled) return;
  EndHover();
  const bool hadFocus = GetFocus() == hwnd() || (lostFocusByDisabling_ && !GetFocus());
  lostFocusByDisabling_ = false;
  if (!hadFocus) return;
  HWND parent = GetParent(hwnd());
  HWND next = parent ? GetNextDlgTabItem(parent, hwnd(), FALSE) : nullptr;
  if (next && next != hwnd())
    SetFocus(next);
  else if (parent)
    SetFocus(parent);
}

void CImageButton::EndHover() { Apply(hover_.End()); }

void CImageButton::Repaint() {
  if (hwnd()) InvalidateRect(hwnd(), nullptr, FALSE);
}

// The button stays drawn sunken while its menu is on screen.
void CImageButton::ShowDropMenu() {
  HMENU popup = GetSubMenu(menu_.get(), 0);
  if (!popup) return;
  HWND owner = menuOwner_ ? menuOwner_ : GetParent(hwnd());
  RECT place{};
  GetWindowRect(hwnd(), &place);

  menuOpen_ = true;
  // The tip would cover the menu: silent while the menu is open.
  const bool tipActive = tooltip_ && tipActive_;
  if (tipActive) SendMessageA(tooltip_.get(), TTM_ACTIVATE, FALSE, 0);
  Repaint();
  UpdateWindow(hwnd());
  const DropMenuTracker& tracker = Tracker();
  const POINT at{place.left, place.bottom};
  const UINT command = tracker ? tracker(popup, at, owner) : TrackSystemMenu(popup, at, owner);
  menuOpen_ = false;
  if (tipActive) SendMessageA(tooltip_.get(), TTM_ACTIVATE, TRUE, 0);
  Repaint();
  // Posted, as the system's own menus do: the owner acts once this click is over.
  if (command) PostMessageA(owner, WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

void CImageButton::Draw(const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  const RECT& rect = item.rcItem;
  const bool pressed = (item.itemState & ODS_SELECTED) || menuOpen_;
  const bool disabled = (item.itemState & ODS_DISABLED) != 0;
  const bool focused = (item.itemState & ODS_FOCUS) != 0;
  const bool lit = pressed || hover_.hovering();
  win32::SavedDc state(dc);
  SetBkMode(dc, TRANSPARENT);

  if (transparent_) {
    if (!background_.captured()) background_.Capture(hwnd(), dc);
    background_.CopyTo(dc);
  } else {
    FillSolid(dc, rect, BackgroundOf(colours_, lit, focused));
  }

  const ButtonEdge edge = hover_.flat() ? EdgeOf(hoverEdge_, hover_.hovering(), pressed)
                                        : ButtonEdge::None;
  if (edge != ButtonEdge::None) {
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    if (edge == ButtonEdge::Sunken)
      Draw3dFrame(dc, rect, shadow, light);
    else
      Draw3dFrame(dc, rect, light, shadow);
  }

  const bool hasText = GetWindowTextLengthA(hwnd()) > 0;
  const Size client{rect.right - rect.left, rect.bottom - rect.top};
  const ImageButtonLayout layout =
      LayOutImageButton(client, Size{iconSize_.cx, iconSize_.cy}, hasText, pressed);
  if (icon_) {
    DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(icon_.get()), 0,
               rect.left + layout.icon.left, rect.top + layout.icon.top, iconSize_.cx,
               iconSize_.cy, DST_ICON | (disabled ? DSS_DISABLED : DSS_NORMAL));
  }
  if (hasText) {
    const Rect area = layout.textArea.Offset(rect.left, rect.top);
    SetTextColor(dc, TextColourOf(colours_, lit));
    DrawCaption(dc, RECT{area.left, area.top, area.right, area.bottom}, disabled);
  }
  // A flat button shows no focus rectangle.
}

// Word-wrapped text centred in `area` in the text colour set; disabled text is embossed.
void CImageButton::DrawCaption(HDC dc, RECT area, bool disabled) {
  const std::string text = WindowText(hwnd());
  HFONT font = reinterpret_cast<HFONT>(SendMessageA(hwnd(), WM_GETFONT, 0, 0));
  if (font) SelectObject(dc, font);  // the caller restores the context
  constexpr UINT kFormat = DT_WORDBREAK | DT_CENTER;
  RECT measured = area;
  DrawTextA(dc, text.c_str(), -1, &measured, kFormat | DT_CALCRECT);
  const Rect centred = CentreVertically(Rect{area.left, area.top, area.right, area.bottom},
                                        measured.bottom - measured.top);
  RECT box{centred.left, centred.top, centred.right, centred.bottom};
  if (disabled) {
    RECT raised = box;
    OffsetRect(&raised, 1, 1);
    SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
    DrawTextA(dc, text.c_str(), -1, &raised, kFormat);
    SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
  }
  DrawTextA(dc, text.c_str(), -1, &box, kFormat);
}

void CImageButton::ReleaseResources() {
  if (tooltip_ && !IsWindow(tooltip_.get())) tooltip_.release();  // gone with its owner already
  tooltip_.reset();
  icon_.reset();
  iconSize_ = SIZE{};
  cursor_.reset();
  menu_.reset();
  background_.Drop();
}

}  // namespace widgets
