// The editor's message boxes: small modal dialogs built in memory (never the system's message
// box), centred, topmost, with the program's icons, preceded by the information beep when the
// application's "Sounds" option is on. Each box kind reports a fixed answer (MessageBoxRules.h).
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "editor/support/DialogTemplate.h"
#include "editor/support/Strings.h"
#include "editor/support/core/MessageBoxRules.h"
#include "editor/support/core/SafeFormat.h"

namespace support {

// What the application lends the boxes, set once at start-up.
struct MessageBoxHooks {
  void (*beforeModal)() = nullptr;          // runs before any modal box: closes the splash window
  HWND (*frameWindow)() = nullptr;          // the main frame, owner of the error boxes
  void (*statusHint)(unsigned id) = nullptr;  // shows a status-line hint when the line is visible
  bool (*soundsOn)() = nullptr;             // reads the "Sounds" option; without it every box beeps
};
void SetMessageBoxHooks(const MessageBoxHooks& hooks);
// Runs the before-modal hook; file dialogs, font choosers and property sheets call it too.
void RunBeforeModalHook();

// One box as it would be shown: the seam below sees this instead of a dialog.
struct MessageBoxRequest {
  MessageBoxKind kind;
  HWND owner;
  std::string title;
  std::string text;
  int defaultButton;  // kButtonOk, kButtonYes or kButtonNo
};
// Answers a box in place of the user: returns the id of the button pressed (kButtonOk,
// kButtonYes, kButtonNo, or kButtonCancel for Cancel and Esc).
using MessageBoxAnswerer = std::function<int(const MessageBoxRequest&)>;
// Sets the answerer (empty: real dialogs) and returns the previous one.
MessageBoxAnswerer SetMessageBoxAnswerer(MessageBoxAnswerer answerer);

// Error box (caption "Error", owned by the main frame) showing `text` with its first "): "
// broken after the ")". Returns 0.
int ErrorBoxText(const char* text);
// Error box with the text of `id` formatted with the arguments. When the text cannot be
// fetched only GetString's own error box appears. Returns 0.
int ErrorBoxArgs(unsigned id, FormatArgs args);
template <typename... Args>
int ErrorBox(unsigned id, const Args&... args) {
  return ErrorBoxArgs(id, {FormatArg(args)...});
}

// Notice box with the caller's caption. Returns 0.
int InfoBoxText(HWND owner, const char* title, const char* text);
int InfoBoxArgs(HWND owner, unsigned titleId, unsigned textId, FormatArgs args);
template <typename... Args>
int InfoBox(HWND owner, unsigned titleId, unsigned textId, const Args&... args) {
  return InfoBoxArgs(owner, titleId, textId, {FormatArg(args)...});
}

// Yes/No question; "&Yes" or "&No" is the default button and has the focus. Returns 1 for Yes;
// 0 for No, Esc, or a box that could not be shown.
int YesNoBoxText(HWND owner, bool defaultYes, const char* title, const char* text);
int YesNoBoxArgs(HWND owner, bool defaultYes, unsigned titleId, unsigned textId, FormatArgs args);
template <typename... Args>
int YesNoBox(HWND owner, bool defaultYes, unsigned titleId, unsigned textId, const Args&... args) {
  return YesNoBoxArgs(owner, defaultYes, titleId, textId, {FormatArg(args)...});
}

// "Discard Changes": shows hint 113 on the status line, then asks with "&No" as the default.
// 1 to discard.
int AskDiscardChanges(HWND owner, const char* fileName);

// "File Modified": Yes (default), No, Cancel. kSaveAnswerYes (1), kSaveAnswerNo (0) or
// kSaveAnswerCancel (2) for Cancel, Esc, and a box that could not be shown.
int AskSaveChanges(HWND owner, const char* fileName);

// The system's information beep.
void WarningBeep();

// Centres a window on ScreenRect (read first when empty) without resizing it, not topmost,
// and shows it.
void CenterDialog(HWND window);

// Makes a window topmost or not, without moving, sizing or activating it; null is ignored.
void SetTopmost(HWND window, bool on);

// Sets the edit control's text when one is given, selects characters 0 to 256 and gives it
// the focus.
void SelectDlgEdit(HWND dialog, int control, const char* text);

// The system's own stop box (caption, OK), through the answerer when one is set.
void ShowSystemStopBox(const char* text, const char* caption);

// Runs one box with an already built template: the answerer when set, else the dialog. An
// empty template means the box could not be built: nothing is shown and the kind's answer for
// "not shown" is returned. The public boxes above are this plus the template of their kind.
int RunMessageBoxTemplate(const MessageBoxRequest& request, TemplateBlock block);

}  // namespace support
