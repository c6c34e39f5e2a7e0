// Find and Replace: the system's modeless find and replace dialogs on the editor's templates,
// the frame's handler of their registered message, and the search of the active document.
#include <windows.h>

#include <commdlg.h>
#include <richedit.h>

#include <cstring>

#include "editor/app/DocumentSlots.h"
#include "editor/app/Documents.h"
#include "editor/app/EditorState.h"
#include "editor/app/Frame.h"
#include "editor/app/FrameGlobals.h"
#include "editor/app/StatusBar.h"
#include "editor/app/TextCommands.h"
#include "editor/support/EditorSupport.h"
#include "resources/quillet_ids.h"

namespace editor {

using namespace support;

namespace {

FINDREPLACEA request;  // one record shared by both dialogs, alive while a dialog is open
bool replaceMode = false;

support::PlacementRecord& DialogPlacement() {
  return replaceMode ? editorState.replacePlacement : editorState.findPlacement;
}

UINT_PTR CALLBACK FindHook(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) {
    HICON icon = LoadIconA(instanceHandle, MAKEINTRESOURCEA(replaceMode ? IDI_REPLACE : IDI_FIND));
    SendDlgItemMessageA(dialog, replaceMode ? IDC_REPLACE_PICTURE : IDC_FIND_PICTURE, STM_SETICON,
                        reinterpret_cast<WPARAM>(icon), 0);
    PlaceAtStoredPosition(dialog, &DialogPlacement(), kSheetMargin);
    SetWindowPos(dialog, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ShowWindow(dialog, SW_SHOW);
    return TRUE;
  }
  if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) StoreWindowPosition(dialog, &DialogPlacement());
  return FALSE;  // the dialog's own procedure goes on
}

void ShowSearchStatus() {
  if (replaceMode) ShowStatus(MSG_REPLACE_TEXT, editorState.findText, editorState.replaceText);
  else ShowStatus(MSG_FIND_TEXT, editorState.findText);
}

// A read-only document is never written behind the user's back: beep and say so.
bool RefuseReadOnly(HWND edit) {
  HWND document = GetParent(edit);
  if (!GetDocumentSlot(document, kSlotReadOnly)) return false;
  MessageBeep(MB_ICONASTERISK);
  ShowStatus(MSG_SET_FOR_VIEWING, DocumentName(document));
  return true;
}

// The upper case of a byte by the system's ANSI code page (the byte itself when it has none).
unsigned char SystemUpper(int c) {
  const char byte = static_cast<char>(c);
  WCHAR wide[2] = {0, 0};
  if (c == 0 || MultiByteToWideChar(CP_ACP, 0, &byte, 1, wide, 1) != 1) return static_cast<unsigned char>(c);
  CharUpperBuffW(wide, 1);
  char back = byte;
  BOOL lossy = FALSE;
  WideCharToMultiByte(CP_ACP, 0, wide, 1, &back, 1, nullptr, &lossy);
  return static_cast<unsigned char>(lossy ? byte : back);
}

// Asks a hidden control of the documents' class what its own search takes for a word character
// and which letters it folds when case does not matter: the one-pass Replace All must match
// exactly what the control finds, and controls differ (some fold only a-z).
SearchAlphabet MakeControlAlphabet() {
  SearchAlphabet alphabet = CLocaleAlphabet();
  win32::UniqueWindow probe(CreateWindowExA(0, "RichEdit", "", WS_POPUP | ES_MULTILINE, 0, 0, 0, 0, nullptr, nullptr,
                                            instanceHandle, nullptr));
  if (!probe) return alphabet;
  auto finds = [&probe](const char* text, const char* what, WPARAM flags) {
    SetWindowTextA(probe.get(), text);
    FINDTEXTEXA find = {};
    find.chrg.cpMin = 0;
    find.chrg.cpMax = -1;
    find.lpstrText = what;
    return SendMessageA(probe.get(), EM_FINDTEXTEX, flags | FR_DOWN, reinterpret_cast<LPARAM>(&find)) >= 0;
  };
  for (int c = 1; c < 256; ++c) {
    if (c == '\r' || c == '\n') continue;
    const char byte = static_cast<char>(c);
    const char wordTest[] = {byte, 'a', '\0'};
    alphabet.wordCharacter[c] = !finds(wordTest, "a", FR_WHOLEWORD | FR_MATCHCASE);
    const unsigned char upper = SystemUpper(c);
    const char upperText[] = {static_cast<char>(upper), '\0'};
    const char letter[] = {byte, '\0'};
    alphabet.upper[c] = upper != c && finds(upperText, letter, 0) ? upper : static_cast<unsigned char>(c);
  }
  return alphabet;
}

}  // namespace

const SearchAlphabet& ControlAlphabet() {
  static const SearchAlphabet alphabet = MakeControlAlphabet();
  return alphabet;
}

void OpenFindDialog(bool replace) {
  if (findDialog) return;
  request = FINDREPLACEA();
  request.lStructSize = sizeof request;
  request.hwndOwner = frameWindow;
  request.hInstance = instanceHandle;
  request.Flags = FR_ENABLEHOOK | FR_ENABLETEMPLATE | FR_HIDEUPDOWN;
  if (editorState.MatchCase) request.Flags |= FR_MATCHCASE;
  if (editorState.WholeWords) request.Flags |= FR_WHOLEWORD;
  request.lpstrFindWhat = editorState.findText;
  request.wFindWhatLen = sizeof editorState.findText;
  if (replace) {
    request.lpstrReplaceWith = editorState.replaceText;
    request.wReplaceWithLen = sizeof editorState.replaceText;
  }
  request.lpfnHook = FindHook;
  request.lpTemplateName = MAKEINTRESOURCEA(replace ? IDD_REPLACE : IDD_FIND);
  replaceMode = replace;
  findDialog = replace ? ReplaceTextA(&request) : FindTextA(&request);
  UpdateCommandState();
  ShowSearchStatus();
}

void HandleFindMessage(LPARAM record) {
  const auto* user = reinterpret_cast<const FINDREPLACEA*>(record);
  if (!user) return;
  if (user->Flags & FR_DIALOGTERM) {
    findDialog = nullptr;
    UpdateCommandState();  // Find, Replace, the tools and macros come back
    return;
  }
  editorState.MatchCase = (user->Flags & FR_MATCHCASE) ? 1 : 0;
  editorState.WholeWords = (user->Flags & FR_WHOLEWORD) ? 1 : 0;
  if (user->Flags & FR_FINDNEXT) {
    ShowSearchStatus();
    FindNext(activeEdit);
  } else if (user->Flags & FR_REPLACE) {
    ShowStatus(MSG_REPLACE_TEXT, editorState.findText, editorState.replaceText);
    ReplaceOne(activeEdit);
  } else if (user->Flags & FR_REPLACEALL) {
    ShowStatus(MSG_REPLACE_TEXT, editorState.findText, editorState.replaceText);
    ReplaceAll(activeEdit);
  }
}

bool FindNext(HWND edit) {
  if (edit && editorState.findText[0] != '\0') {
    FINDTEXTEXA find = {};
    find.chrg.cpMin = Selection(edit).cpMax;
    find.chrg.cpMax = -1;
    find.lpstrText = editorState.findText;
    WPARAM flags = FR_DOWN;
    if (editorState.MatchCase) flags |= FR_MATCHCASE;
    if (editorState.WholeWords) flags |= FR_WHOLEWORD;
    if (SendMessageA(edit, EM_FINDTEXTEX, flags, reinterpret_cast<LPARAM>(&find)) >= 0) {
      Select(edit, find.chrgText.cpMin, find.chrgText.cpMax);
      SendMessageA(edit, EM_SCROLLCARET, 0, 0);
      ShowLineNumber(edit);
      if (findDialog) SetFocus(findDialog);
      return true;
    }
  }
  ShowStatus(MSG_CANNOT_FIND, editorState.findText);
  MessageBeep(MB_ICONASTERISK);
  return false;
}

bool ReplaceOne(HWND edit) {
  if (edit && RefuseReadOnly(edit)) return false;
  if (edit) {
    const LONG start = Selection(edit).cpMin;
    SendMessageA(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(editorState.replaceText));
    Select(edit, start, start + static_cast<LONG>(std::strlen(editorState.replaceText)));
    ShowLineNumber(edit);
  }
  return FindNext(edit);
}

int ReplaceAll(HWND edit) {
  if (edit && RefuseReadOnly(edit)) return 0;
  if (edit) {
    Select(edit, 0, 0);
    ShowLineNumber(edit);
  }
  ShowStatus(MSG_REPLACING_TEXT, editorState.findText, editorState.replaceText);
  std::string text;
  ReplaceAllResult result;
  const SearchRequest search{editorState.findText, editorState.MatchCase != 0, editorState.WholeWords != 0};
  if (edit && GetDocumentText(edit, text)) {
    win32::WaitCursor wait;
    if (!ReplaceAllText(text, search, editorState.replaceText, ControlAlphabet(), result)) {
      InfoBox(frameWindow, IDS_PROGRAM_NAME, MSG_CANNOT_ALLOCATE, "text buffer", text.size());
      return 0;
    }
  }
  // The search after the last replacement finds nothing, as a search that ends does: it beeps.
  MessageBeep(MB_ICONASTERISK);
  if (result.count == 0) {
    ShowStatus(MSG_CANNOT_FIND, editorState.findText);
    return 0;
  }
  text.clear();
  text.shrink_to_fit();
  // A fresh control takes the text at the speed of stream-in; emptying a filled one first costs
  // far more than the whole stream-in.
  HWND document = GetParent(edit);
  edit = ReplaceEditControl(document, GetDocumentSlot(document, kSlotWordWrap) != 0, result.text);
  if (!edit) return 0;
  Select(edit, static_cast<LONG>(result.selectionStart), static_cast<LONG>(result.selectionEnd));
  SendMessageA(edit, EM_SCROLLCARET, 0, 0);
  ShowLineNumber(edit);
  MarkModified(document, true);
  const int count = static_cast<int>(result.count);
  ShowStatus(MSG_REPLACED_TEXT, editorState.findText, editorState.replaceText, count, count == 1 ? "" : "s");
  return count;
}

}  // namespace editor
