// Run-time state of Quillet's frame, shared by the frame, the documents and the bars.
// Nothing here is persisted; the persisted options live in EditorState.
#pragma once

#include <windows.h>

#include "common/win32/Handles.h"

namespace editor {

extern HINSTANCE instanceHandle;  // the program's module, for every resource load
extern HWND frameWindow;          // the frame; null until created
extern HWND mdiClient;            // the multiple-document client window, id 1001
extern HWND toolbarWindow;        // the toolbar, id 1002
extern HWND statusWindow;         // the status bar, id 1003
extern HACCEL acceleratorTable;   // accelerator resource 1000
extern HWND activeDocument;       // the active document window, or null
extern HWND activeEdit;           // the edit control of activeDocument
extern HWND findDialog;           // the modeless find or replace dialog, or null
extern UINT findMessageId;        // the message registered for "commdlg_FindReplace"
extern bool bulkOperation;        // set while a command works on many documents
extern win32::UniqueFont displayFont;  // empty: the stock variable-pitch ANSI font
extern char iniPath[256];         // the program's path without extension, + ".ini"
extern char helpPath[256];        //   + ".hlp"
extern char logPath[256];         //   + ".log"

// Private messages of the frame.
constexpr UINT kTrayCallbackMessage = WM_APP + 200;  // 0x80C8
constexpr UINT kOpenRequestMessage = WM_APP + 300;   // 0x812C: a second instance's command line

}  // namespace editor
