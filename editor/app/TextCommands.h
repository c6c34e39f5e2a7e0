// The text commands of a document: Find and Replace with the system's modeless dialogs, Go To
// Line, Sort Selection, Lowercase/Uppercase, OEM to ANSI and ANSI to OEM, Insert Date, and the
// Time Stamp page of the options sheet.
#pragma once

#include <windows.h>

#include <prsht.h>

#include <functional>
#include <string>
#include <string_view>

#include "editor/app/OptionsSheet.h"
#include "editor/app/core/CaseConversion.h"
#include "editor/app/core/SearchText.h"

namespace editor {

// Find (230) and Replace (231): the one modeless dialog, or nothing while one is open.
void OpenFindDialog(bool replaceMode);
// The frame's handler of the registered find message, given the dialog's request record.
void HandleFindMessage(LPARAM record);

// The search of the active document's control `edit` (null: no document), forward from the end
// of the selection with the find text and options of editorState; no wrap-around.
bool FindNext(HWND edit);
// Replaces the selection with the replace text, then FindNext after it.
bool ReplaceOne(HWND edit);
// Every match replaced in one pass and handed to the control at once; the number replaced.
int ReplaceAll(HWND edit);
// How the control's search sees letters and word characters in the system's ANSI code page.
const SearchAlphabet& ControlAlphabet();

// Go To Line (320), Sort Selection (440), Lowercase (236) and Uppercase (237), OEM to ANSI
// (352) and ANSI to OEM (353), Insert Date (341) on a document.
void GoToLine(HWND document);
void SortSelection(HWND document);
void ConvertSelectionCase(HWND document, LetterCase target);
void ConvertCharacterSet(HWND document, bool toAnsi);
void InsertDate(HWND document);
// The lines of `selection` in order by the locale's comparison (a sort key made once per
// line); false when memory runs out.
bool SortSelectedText(std::string_view selection, bool ascending, bool ignoreCase, std::string& sorted);
// The stamp of now by editorState's Time Stamp options and the [Intl] settings.
std::string MakeTimeStamp();

// The Time Stamp page (page 6) of the options sheet.
bool BuildTimeStampPage(OptionsSheetSession& session, PROPSHEETPAGEA& page);

// Plugs these commands into the frame and the documents (DocumentServices).
void InstallTextServices();

// Test seam of the editor's own modal dialogs (Go To Line 2200, Sort 2800): called once the
// dialog is up, with the dialog and its template id; it plays the user and ends the dialog
// (OK or Cancel). Returns the previous driver; an empty driver means the real user.
using EditorDialogDriver = std::function<void(HWND dialog, int templateId)>;
EditorDialogDriver SetEditorDialogDriver(EditorDialogDriver driver);

}  // namespace editor
