#include "editor/support/MessageBoxes.h"

#include <utility>

#include "editor/support/WindowPlacement.h"

namespace support {

namespace {

MessageBoxHooks boxHooks;
MessageBoxAnswerer boxAnswerer;

const char kSaveQuestion[] = "File: %s\r\rThis document has been edited.\rDo you want to save the changes?";
const char kDiscardQuestion[] =
    "File: %s\r\rThis document has been edited.\rDo you want to discard these changes?";
constexpr unsigned kDiscardHintId = 113;

// What one dialog needs while it is up; it lives on the stack of the call that shows it.
struct BoxState {
  const MessageBoxRequest* request;
};

LPCSTR SystemIconOf(MessageBoxKind kind) {
  switch (kind) {
    case MessageBoxKind::Notice:
      return IDI_ASTERISK;
    case MessageBoxKind::Question:
      return IDI_QUESTION;
    case MessageBoxKind::SaveQuestion:
      return IDI_EXCLAMATION;
    case MessageBoxKind::Error:
    case MessageBoxKind::SystemError:
      break;
  }
  return IDI_HAND;
}

void InitMessageBox(HWND dialog, const MessageBoxRequest& request) {
  HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(MessageBoxIconId(request.kind)));
  if (!icon) icon = LoadIconA(nullptr, SystemIconOf(request.kind));  // shared icons: not destroyed
  SendDlgItemMessageA(dialog, kMessageIconControl, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
  CenterDialog(dialog);
  SetWindowTextA(dialog, request.title.c_str());
  SetTopmost(dialog, true);
  SetDlgItemTextA(dialog, kMessageTextControl, request.text.c_str());
  SendMessageA(dialog, DM_SETDEFID, static_cast<WPARAM>(request.defaultButton), 0);
  if (HWND button = GetDlgItem(dialog, request.defaultButton))
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(button), TRUE);
}

// Ends the box with the id of the button pressed; Enter without a default button counts as
// the default one.
bool EndWithButton(HWND dialog, int id) {
  const auto* state = reinterpret_cast<const BoxState*>(GetWindowLongPtrA(dialog, DWLP_USER));
  if (!state) return false;
  if (id == IDOK && !GetDlgItem(dialog, IDOK)) id = state->request->defaultButton;
  if (id != IDOK && id != IDCANCEL && id != IDYES && id != IDNO) return false;
  EndDialog(dialog, id);
  return true;
}

INT_PTR CALLBACK MessageBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    switch (message) {
      case WM_INITDIALOG: {
        auto* state = reinterpret_cast<BoxState*>(lParam);
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        InitMessageBox(dialog, *state->request);
        return FALSE;  // the focus is set
      }
      case WM_COMMAND:
        return EndWithButton(dialog, LOWORD(wParam)) ? TRUE : FALSE;
      default:
        break;
    }
  } catch (...) {
    EndDialog(dialog, IDCANCEL);  // never leave a box up that can no longer answer
    return TRUE;
  }
  return FALSE;
}

HWND LiveWindow(HWND window) { return window && IsWindow(window) ? window : nullptr; }

int ShowMessageBox(HWND owner, MessageBoxKind kind, const std::string& title,
                   const std::string& text, int defaultButton) {
  RunBeforeModalHook();
  if (!boxHooks.soundsOn || boxHooks.soundsOn()) WarningBeep();
  const MessageBoxRequest request{kind, owner, title, text, defaultButton};
  return RunMessageBoxTemplate(request, BuildMessageTemplate(static_cast<int>(kind)));
}

}  // namespace

void SetMessageBoxHooks(const MessageBoxHooks& hooks) { boxHooks = hooks; }

void RunBeforeModalHook() {
  if (boxHooks.beforeModal) boxHooks.beforeModal();
}

MessageBoxAnswerer SetMessageBoxAnswerer(MessageBoxAnswerer answerer) {
  return std::exchange(boxAnswerer, std::move(answerer));
}

int RunMessageBoxTemplate(const MessageBoxRequest& request, TemplateBlock block) {
  int button = 0;  // not shown
  if (block) {
    if (boxAnswerer) {
      button = boxAnswerer(request);
    } else {
      BoxState state{&request};
      // An owner that has gone would make the dialog fail: show the box unowned instead.
      const INT_PTR result =
          DialogBoxIndirectParamA(GetModuleHandleA(nullptr), block.get(), LiveWindow(request.owner),
                                  MessageBoxProc, reinterpret_cast<LPARAM>(&state));
      button = result > 0 ? static_cast<int>(result) : 0;
    }
  }
  block.Free();
  if (HWND owner = LiveWindow(request.owner)) UpdateWindow(owner);
  return AnswerFromButton(request.kind, button);
}

void ShowSystemStopBox(const char* text, const char* caption) {
  RunBeforeModalHook();
  if (boxAnswerer) {
    boxAnswerer(MessageBoxRequest{MessageBoxKind::SystemError, nullptr, caption ? caption : "",
                                  text ? text : "", kButtonOk});
    return;
  }
  MessageBoxA(nullptr, text, caption, MB_OK | MB_ICONSTOP);
}

int ErrorBoxText(const char* text) {
  HWND frame = boxHooks.frameWindow ? boxHooks.frameWindow() : nullptr;
  ShowMessageBox(frame, MessageBoxKind::Error, "Error", BreakAfterRoutineName(text ? text : ""), kButtonOk);
  return 0;
}

int ErrorBoxArgs(unsigned id, FormatArgs args) {
  const std::optional<std::string> text = FormatStringTextArgs(id, args);
  if (text) ErrorBoxText(text->c_str());
  return 0;
}

int InfoBoxText(HWND owner, const char* title, const char* text) {
  ShowMessageBox(owner, MessageBoxKind::Notice, title ? title : "", text ? text : "", kButtonOk);
  return 0;
}

int InfoBoxArgs(HWND owner, unsigned titleId, unsigned textId, FormatArgs args) {
  const std::optional<std::string> title = FormatStringTextArgs(titleId, {});
  if (!title) return 0;
  const std::optional<std::string> text = FormatStringTextArgs(textId, args);
  if (!text) return 0;
  return InfoBoxText(owner, title->c_str(), text->c_str());
}

int YesNoBoxText(HWND owner, bool defaultYes, const char* title, const char* text) {
  return ShowMessageBox(owner, MessageBoxKind::Question, title ? title : "", text ? text : "",
                        defaultYes ? kButtonYes : kButtonNo);
}

int YesNoBoxArgs(HWND owner, bool defaultYes, unsigned titleId, unsigned textId, FormatArgs args) {
  const std::optional<std::string> title = FormatStringTextArgs(titleId, {});
  if (!title) return 0;
  const std::optional<std::string> text = FormatStringTextArgs(textId, args);
  if (!text) return 0;
  return YesNoBoxText(owner, defaultYes, title->c_str(), text->c_str());
}

int AskDiscardChanges(HWND owner, const char* fileName) {
  if (boxHooks.statusHint) boxHooks.statusHint(kDiscardHintId);
  const std::string text = FormatText(kDiscardQuestion, {fileName}, kMaxMessageLength);
  return YesNoBoxText(owner, false, "Discard Changes", text.c_str());
}

int AskSaveChanges(HWND owner, const char* fileName) {
  const std::string text = FormatText(kSaveQuestion, {fileName}, kMaxMessageLength);
  return ShowMessageBox(owner, MessageBoxKind::SaveQuestion, "File Modified", text, kButtonYes);
}

void WarningBeep() { MessageBeep(MB_ICONASTERISK); }

void CenterDialog(HWND window) {
  if (!window) return;
  if (IsRectEmpty(&ScreenRect)) ReadScreenRect();
  RECT frame = {};
  GetWindowRect(window, &frame);
  const ScreenPoint at =
      CenteredOrigin(ToScreenBounds(ScreenRect), frame.right - frame.left, frame.bottom - frame.top);
  SetWindowPos(window, HWND_NOTOPMOST, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
}

void SetTopmost(HWND window, bool on) {
  if (!window) return;
  SetWindowPos(window, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void SelectDlgEdit(HWND dialog, int control, const char* text) {
  HWND edit = GetDlgItem(dialog, control);
  if (!edit) return;
  if (text) SetWindowTextA(edit, text);
  SendMessageA(edit, EM_SETSEL, 0, 256);
  SetFocus(edit);
}

}  // namespace support
