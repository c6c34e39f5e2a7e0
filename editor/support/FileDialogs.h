// The editor's file dialogs: five wrappers around the system's Open and Save As dialogs
// (explorer style), all placed where the user last left a dialog of their kind, and the one
// function through which every file dialog of the program runs (tests answer it instead).
//
// Every wrapper takes the owner and a path buffer of kFileNameBuffer characters. The dialog
// opens in the path's folder; on OK the chosen full path is copied into the buffer and the
// wrapper returns true. Cancel, a missing filter text and a chosen path that does not fit the
// buffer return false and leave the buffer as it was. Title and default-extension ids of 0 give
// the system's title and no default extension.
#pragma once

#include <windows.h>

#include <commdlg.h>

#include <functional>

namespace support {

constexpr int kFileNameBuffer = MAX_PATH;

// Save dialog; the filter text of `filterId` ("Windows|*.*|Unix|*.*|"). The filter index comes
// from the caller (0 counts as 1) and the chosen one goes back to it.
bool SaveAsDialog(HWND owner, char* path, UINT filterId, UINT titleId, UINT defaultExtId, int* filterIndex);
// Save dialog with a filter already in the system's form (pairs ending in a double zero).
bool SaveSelectionDialog(HWND owner, char* path, const char* filterText, UINT titleId, UINT defaultExtId);
// Save dialog with the filter of `filterId`.
bool SaveListDialog(HWND owner, char* path, UINT filterId, UINT titleId, UINT defaultExtId);
// Open dialogs; the name field starts empty. `readOnly` null hides the read-only box, else the
// box starts ticked when it is non-zero and its state comes back in it (1 or 0).
bool OpenDialog(HWND owner, char* path, const char* filterText, UINT titleId, int* readOnly);
bool ChooseFileDialog(HWND owner, char* path, UINT filterId, UINT titleId, int* readOnly);
// The wrappers other than SaveAsDialog remember their own filter index for the whole run
// (starting at 1), taken from the user's choice each time the dialog is closed with OK.

// Runs the system's Open (save false) or Save dialog on `dialog`, or the test answerer when one
// is set. True when a file was chosen.
bool RunFileDialog(OPENFILENAMEA& dialog, bool save);

// Answers the file dialogs in place of the user: gets the prepared dialog, fills its file name,
// filter index and flags as the user would, and returns whether a file was chosen. An empty
// function brings the real dialogs back.
using FileDialogAnswerer = std::function<bool(OPENFILENAMEA& dialog, bool save)>;
void SetFileDialogAnswerer(FileDialogAnswerer answerer);

// Explorer-style hooks (OFN_ENABLEHOOK): place the dialog at the remembered Open position
// ("DeskTop\GetFile") or Save position ("DeskTop\PutFile") once it is set up, and keep its
// position there when a file name is accepted.
LPOFNHOOKPROC GetFileHook();
LPOFNHOOKPROC PutFileHook();

}  // namespace support
