// The kinds of the editor's message boxes, how a pressed button becomes the answer a caller
// sees, and the first-line rule of error texts. Portable: no windows.h.
#pragma once

#include <string>

namespace support {

// The template kinds of the boxes (0 to 3), and the system's own stop box that reports a
// template that could not be allocated.
enum class MessageBoxKind : int {
  Error = 0,         // OK; icon 5500, caption "Error"
  Notice = 1,        // OK; icon 5300, caption from the caller
  Question = 2,      // &Yes, &No; icon 5400, caption from the caller
  SaveQuestion = 3,  // &Yes, &No, &Cancel; icon 1002, caption "File Modified"
  SystemError = 99,  // the system's message box: "Cannot allocate memory for dialog box template"
};

// Button ids of the boxes (IDOK, IDCANCEL, IDYES, IDNO). Esc and the close box send Cancel.
constexpr int kButtonOk = 1;
constexpr int kButtonCancel = 2;
constexpr int kButtonYes = 6;
constexpr int kButtonNo = 7;

// Answers of AskSaveChanges.
constexpr int kSaveAnswerNo = 0;
constexpr int kSaveAnswerYes = 1;
constexpr int kSaveAnswerCancel = 2;

// The answer a box reports for the button that ended it. Error and notice boxes report 0; the
// question reports 1 for Yes only; the save question reports 1 for Yes, 0 for No and 2 for
// anything else, so a box that could not be shown (button -1) never means "do not save".
int AnswerFromButton(MessageBoxKind kind, int buttonId);

// The icon resource of each kind, and the system icon used when the program has none.
int MessageBoxIconId(MessageBoxKind kind);

// Error boxes put a failing routine and call on a line of their own: the first "): " becomes
// ")\r\r". "MakeFontStyle(GetDC): Error..." shows as "MakeFontStyle(GetDC)", an empty line, and
// "Error...".
std::string BreakAfterRoutineName(std::string text);

}  // namespace support
