// The options property sheet: nine pages, all editing one working copy of editorState that OK
// copies back. Pages are built from a table; a page whose builder does not exist yet is left out.
#pragma once

#include <windows.h>

#include <prsht.h>

#include <functional>
#include <memory>
#include <vector>

#include "editor/app/EditorState.h"
#include "editor/support/DialogTemplate.h"

namespace editor {

struct OptionsSheetSession;
struct ResourcePageDefinition;

// What a resource page's lParam points at while the sheet is open.
struct PageBinding {
  const ResourcePageDefinition* definition;
  OptionsSheetSession* session;
};

// One opening of the sheet: the working copy and what the pages keep while it is open.
struct OptionsSheetSession {
  std::unique_ptr<EditorState> copy;
  std::vector<std::unique_ptr<PageBinding>> bindings;
  std::vector<std::vector<unsigned char>> pageMemory;  // in-memory page templates, freed on close
  bool accepted = false;      // a page received the OK notification
  bool driverCalled = false;  // the test driver has had its turn
};

// Builds one page on the session's copy; false leaves the page out.
using OptionsPageBuilder = bool (*)(OptionsSheetSession& session, PROPSHEETPAGEA& page);

// The sheet's pages by number, with their titles and help topics; the builder is null while
// the page's own work is not there.
struct OptionsPageEntry {
  int page;
  const char* title;
  unsigned helpTopic;
  OptionsPageBuilder build;
};
const OptionsPageEntry* GetOptionsPageTable(int* count);

// Test seam: called once the sheet is up, with the sheet window. It plays the user: it may
// change controls, switch pages and press OK or Cancel (PropSheet_PressButton). Returns the
// previous driver; an empty driver means the real user.
using OptionsSheetDriver = std::function<void(HWND sheet)>;
OptionsSheetDriver SetOptionsSheetDriver(OptionsSheetDriver driver);
// For pages with procedures of their own: the first page made active gives the driver its turn
// (ScheduleSheetDriver), which comes as a message the page hands to RunSheetDriver (true when it
// was that message).
void ScheduleSheetDriver(HWND page, OptionsSheetSession& session);
bool RunSheetDriver(HWND page, UINT message);

// The page procedure shared by the sheet's resource pages: filling from and reading back into
// the copy, placing the sheet, help. Exposed for pages built elsewhere from the same pattern.
struct ResourcePageDefinition {
  int dialogId;
  unsigned helpTopic;
  void (*fill)(HWND page, const EditorState& copy);
  bool (*read)(HWND page, EditorState& copy);  // false: the page is invalid and stays
  unsigned activeHint;                          // status hint when the page becomes active (0: none)
  // The page's own controls (WM_COMMAND), working on the copy; null for pages of check boxes.
  INT_PTR (*command)(HWND page, WPARAM wParam, EditorState& copy) = nullptr;
};
bool BuildResourcePage(OptionsSheetSession& session, const ResourcePageDefinition& definition, PROPSHEETPAGEA& page);

// A page built in memory: the session keeps a copy of the template bytes until the sheet closes,
// and `procedure` gets the session as the page's lParam. False for an empty template.
bool BuildMemoryPage(OptionsSheetSession& session, const support::TemplateBlock& block, DLGPROC procedure,
                     PROPSHEETPAGEA& page);

}  // namespace editor
