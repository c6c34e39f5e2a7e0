// Document windows and the files behind them: opening, closing, the text of a document, its
// title, the commands a document handles, and reading and writing its file.
#pragma once

#include <windows.h>

#include <commdlg.h>
#include <richedit.h>

#include <functional>
#include <string>
#include <string_view>

#include "editor/app/StatusBar.h"  // ShowLineNumber

namespace editor {

// The rich edit control's text limit, in characters.
constexpr LONG kEditTextLimit = 0xA00000;

// Run-time values of the documents: the number of the last untitled document (never reset),
// and whether the SysEdit autoload is opening files (they then stay out of FileSpec and the
// recent files).
extern int untitledCounter;
extern bool autoloadRunning;

// A new document window in the client window: untitled for a null or empty name, else the file
// read into it (the editor's own .ini only as read-only, after asking). Null after a message.
HWND OpenDocumentWindow(HWND owner, const char* fileName, bool readOnly);

// The document whose name is `fileName` (letter case ignored), brought to the top with the focus
// and the information beep; null when none is open.
HWND FindOpenDocument(const char* fileName);

// Closes a document after ConfirmClose and clears the line indicator; true when it went.
bool CloseDocument(HWND document);

// The document's name: its title without the modified mark, never cut.
std::string DocumentName(HWND document);
// Titles the document with its name, followed by "*" when modified.
void SetDocumentTitle(HWND document, const char* name, bool modified);
// Sets `modified` and the "*" of the title together.
void MarkModified(HWND document, bool modified);

// Whether the document shows only the part of its file before a zero byte: such a document stays
// read-only, so that its file is never saved cut.
void MarkTextCut(HWND document, bool cut);
bool IsTextCut(HWND document);

// The whole text of the edit control into `text` (carriage return + line feed line ends). False
// after the "Cannot allocate memory" box when there is no room for it.
bool GetDocumentText(HWND edit, std::string& text);
// Replaces the whole text of the edit control in one piece (stream-in: fast for large texts);
// the control's change notifications are held back meanwhile.
void SetDocumentText(HWND edit, std::string_view text);
// Replaces the selection in one undoable step by stream-in: a large text goes in at the speed of
// stream-in, not of inserting it piece by piece.
void ReplaceSelectionByStream(HWND edit, std::string_view text);

// A document's rich edit control (id 4000) in the configuration every creation applies: style
// for `wordWrap`, text limit, display font, background, read-only state; event mask not yet set.
HWND CreateEditControl(HWND document, bool wordWrap, bool readOnly);
// A new edit control holding `text` in place of the document's own (destroyed first), with the
// document's read-only state, sized to it and listening. Wine's control takes minutes to give
// up a large text in place, but is destroyed at once: every command that replaces the whole
// text of a filled control comes here. Null after the "Cannot create" box.
HWND ReplaceEditControl(HWND document, bool wordWrap, std::string_view text);
// The change, key and mouse notifications a document listens to.
void SetEditEventMask(HWND edit);
// The edit control's selection as a character range, and setting it.
CHARRANGE Selection(HWND edit);
void Select(HWND edit, LONG from, LONG to);

// The document commands (Undo ... Word Wrap, the file commands); false for ids it does not know.
bool HandleDocumentCommand(HWND document, unsigned id);

// The context menu of a document with its items enabled for the active document's state; the
// caller destroys it. TrackDocumentMenu shows popup 0 at a screen point, owned by the frame.
HMENU BuildDocumentMenu();
void TrackDocumentMenu(POINT screen);

// Gives every document the background colour the LtGray option asks for.
void RecolourDocuments();

// Display Font (430): the font chooser, then the new font for every document.
void ChooseDisplayFont();
// The one way the editor runs the system font chooser; tests answer it with SetFontChooser.
using FontChooser = std::function<bool(CHOOSEFONTA& choice)>;
void SetFontChooser(FontChooser chooser);
// Runs the chooser set, or the system's; true on OK.
bool RunFontChooser(CHOOSEFONTA& choice);

// Files (Save, Save As, Insert File, Discard, Refresh, Save All, Open).
bool ReadDocumentFile(HWND document, const char* fileName, bool readOnly);
bool WriteDocumentFile(HWND document);
bool SaveDocument(HWND document);    // Save: WriteDocumentFile, or SaveDocumentAs when untitled
bool SaveDocumentAs(HWND document);
void MakeBackup(const char* fileName);
bool SaveSelectionAs(HWND document);
bool InsertFile(HWND document);
bool DiscardChanges(HWND document);
bool RefreshDocument(HWND document);
void SaveAllDocuments();
bool OpenFiles(HWND owner);  // Open (102); true when at least one file was opened

// Plugs the documents and files into the frame (DocumentServices).
void InstallDocumentServices();

}  // namespace editor
