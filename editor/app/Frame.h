// Quillet's frame window: creation, window procedure, command routing, command state and
// shutdown. The frame owns the client window and every document window.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "editor/app/core/CommandState.h"

namespace editor {

// Class name of the frame; also how a second instance finds the first.
constexpr const char* kFrameClassName = "QuilletAppClass";
// Numeric class identifiers of the splash window and the document windows.
constexpr WORD kSplashClassAtom = 500;
constexpr WORD kDocumentClassAtom = 1000;
// Minimum tracking size of the frame.
constexpr int kFrameMinWidth = 348;
constexpr int kFrameMinHeight = 200;

LRESULT CALLBACK FrameWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Registers the frame class (icons 1000 and 1001, menu 1000). False with the system error kept.
bool RegisterFrameClass(HINSTANCE instance);

// Creates the frame at the stored placement, shows it with `show`, opens what the command line
// or the options ask for, and adds the tray icon. Null (after its error box) when it fails.
HWND CreateFrameWindow(int show);

// Recomputes every menu item and toolbar button; nothing while bulkOperation is set.
void UpdateCommandState();
// The letters of the command rules for the active document and the frame as they are now.
CommandStateInput CurrentCommandStateInput();

// The document windows of the client window in z-order (icon titles are not among them).
std::vector<HWND> DocumentWindows();

// Before a document goes: a modified one (read-only or not) is saved at once with AutoSave when
// it has a file, else the user is asked to save it. False when the user cancelled or the save
// failed.
bool ConfirmClose(HWND document);

// Closes every document with its save question and tears the frame down; false when the user
// cancelled a question (the frame stays).
bool ShutDown();

// Close All: every document with its save question; false when one was cancelled.
bool CloseAllDocumentWindows();

// Handles a menu command or forwards it unchanged to activeDocument.
void RouteCommand(HWND frame, WPARAM wParam, LPARAM lParam);

// Opens a file the way a dropped file is opened: brought to the front when already open.
void OpenDroppedFile(const char* name);

// The open request (0x812C) in its in-thread form: the frame, which must belong to this thread,
// opens `text` as a dropped file name. Another process hands its text over with WM_COPYDATA
// tagged with the same number (HandOverToRunningInstance).
void SendOpenRequest(HWND frame, const char* text);

// Work that later parts of the editor own, plugged in by them. An empty function means the
// command does nothing yet.
struct DocumentServices {
  std::function<void()> newDocument;                    // New, and NewDoc at start-up
  std::function<void(const char* path)> openFile;       // command line, LoadLast, drops, hand-over
  std::function<void()> openSysEditFiles;               // the SysEdit switch
  std::function<void(const char* listName)> openFileList;  // "@list" on the command line
  std::function<bool(HWND document)> saveDocument;      // "Yes" to the save question
  std::function<void(unsigned id)> frameCommand;        // frame commands owned elsewhere
  std::function<void()> closeToolWindows;               // error-code window and character chart
  std::function<void()> recolourDocuments;              // LtGray changed through Options
  std::function<void(LPARAM findReplace)> findNotification;  // the find dialog's messages
  std::function<bool(HWND document, unsigned id)> documentCommand;  // document commands owned elsewhere
  std::function<void(const char* path)> addRecentFile;  // a file read or saved goes to the top
  std::function<void(const char* faceName)> displayFontChanged;  // the character chart's face
};
void SetDocumentServices(const DocumentServices& services);
const DocumentServices& GetDocumentServices();

// The button-face and window-colour brushes made at start-up (the latter remade when the
// system colours change) and deleted after the message loop.
void CreateFrameBrushes();
void RecreateWindowBrush();
void DeleteFrameBrushes();
HBRUSH GetButtonFaceBrush();
HBRUSH GetWindowBrush();

// Help commands 901-903 (any other item shows the invalid-item error) and help topics of pages
// and dialogs, all from helpPath.
void ShowHelp(unsigned item);
void ShowHelpTopic(unsigned topic);

// Show Clipboard: starts "CLIPBRD.EXE"; false after the failure's error box.
bool ShowClipboardViewer();

}  // namespace editor
