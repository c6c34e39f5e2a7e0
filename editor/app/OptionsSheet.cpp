// The options property sheet and its Editor page.
#include "editor/app/OptionsSheet.h"

#include <commctrl.h>

#include <iterator>

#include "editor/app/FileLists.h"
#include "editor/app/FiltersPage.h"
#include "editor/app/Frame.h"
#include "editor/app/FrameGlobals.h"
#include "editor/app/PageSetup.h"
#include "editor/app/ShellIntegration.h"
#include "editor/app/Splash.h"
#include "editor/app/StatusBar.h"
#include "editor/app/TextCommands.h"
#include "editor/app/Tools.h"
#include "editor/app/TrayIcon.h"
#include "editor/app/VersionPage.h"
#include "editor/support/EditorSupport.h"
#include "resources/quillet_ids.h"

namespace editor {

using namespace support;  // the support library serves the whole application

namespace {

// Posted to the first page shown, to give the test driver its turn inside the sheet's loop.
constexpr UINT kDriveSheetMessage = WM_APP + 50;

OptionsSheetDriver& Driver() {
  static OptionsSheetDriver driver;
  return driver;
}

// The bindings of one opening live as long as its session.
PageBinding* KeepBinding(OptionsSheetSession& session, const ResourcePageDefinition& definition) {
  session.bindings.push_back(std::make_unique<PageBinding>(PageBinding{&definition, &session}));
  return session.bindings.back().get();
}

void SetResult(HWND page, LONG_PTR result) { SetWindowLongPtrA(page, DWLP_MSGRESULT, result); }

// Reads the page back and keeps the sheet's position in the copy; false when the page is invalid.
bool LeavePage(HWND page, const PageBinding& binding) {
  EditorState& copy = *binding.session->copy;
  const bool valid = binding.definition->read ? binding.definition->read(page, copy) : true;
  StoreWindowPosition(GetParent(page), &copy.optionsPlacement);
  return valid;
}

INT_PTR PageNotify(HWND page, const PageBinding& binding, const NMHDR* header) {
  EditorState& copy = *binding.session->copy;
  switch (header->code) {
    case PSN_SETACTIVE:
      if (binding.definition->fill) binding.definition->fill(page, copy);
      PlaceAtStoredPosition(GetParent(page), &copy.optionsPlacement, kSheetMargin);
      if (binding.definition->activeHint) ShowStatus(binding.definition->activeHint);
      ScheduleSheetDriver(page, *binding.session);
      SetResult(page, 0);
      return TRUE;
    case PSN_KILLACTIVE:
      SetResult(page, LeavePage(page, binding) ? FALSE : TRUE);
      return TRUE;
    case PSN_APPLY:
      if (!LeavePage(page, binding)) {
        SetResult(page, PSNRET_INVALID_NOCHANGEPAGE);
        return TRUE;
      }
      binding.session->accepted = true;
      SetResult(page, PSNRET_NOERROR);
      return TRUE;
    case PSN_HELP:
      ShowHelpTopic(binding.definition->helpTopic);
      return TRUE;
    default:
      return FALSE;
  }
}

INT_PTR CALLBACK ResourcePageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    if (message == WM_INITDIALOG) {
      const auto* sheetPage = reinterpret_cast<const PROPSHEETPAGEA*>(lParam);
      SetWindowLongPtrA(page, DWLP_USER, sheetPage->lParam);
      return TRUE;
    }
    const auto* binding = reinterpret_cast<const PageBinding*>(GetWindowLongPtrA(page, DWLP_USER));
    if (!binding) return FALSE;
    switch (message) {
      case WM_NOTIFY:
        return PageNotify(page, *binding, reinterpret_cast<const NMHDR*>(lParam));
      case WM_COMMAND:
        return binding->definition->command ? binding->definition->command(page, wParam, *binding->session->copy) : FALSE;
      default:
        return RunSheetDriver(page, message) ? TRUE : FALSE;
    }
  } catch (...) {
    return FALSE;
  }
}

// ---- Editor page (page 0, dialog 2000) ----

struct EditorCheckBox {
  int control;
  std::int32_t EditorState::*field;
};
// clang-format off
const EditorCheckBox kEditorCheckBoxes[] = {
  {IDC_EDITOR_TIPS, &EditorState::Tips},           {IDC_EDITOR_TASK_TRAY, &EditorState::TaskTray},
  {IDC_EDITOR_LT_GRAY, &EditorState::LtGray},      {IDC_EDITOR_WORD_WRAP, &EditorState::WordWrap},
  {IDC_EDITOR_MAXIMIZED, &EditorState::Maximized}, {IDC_EDITOR_NEW_DOC, &EditorState::NewDoc},
  {IDC_EDITOR_LOAD_LAST, &EditorState::LoadLast},  {IDC_EDITOR_READ_ONLY, &EditorState::ReadOnly},
  {IDC_EDITOR_BACKUP, &EditorState::Backup},       {IDC_EDITOR_AUTO_SAVE, &EditorState::AutoSave},
  {IDC_EDITOR_SOUNDS, &EditorState::Sounds},
};
// clang-format on

void FillEditorPage(HWND page, const EditorState& copy) {
  for (const EditorCheckBox& box : kEditorCheckBoxes) {
    CheckDlgButton(page, box.control, copy.*box.field ? BST_CHECKED : BST_UNCHECKED);
  }
}

bool ReadEditorPage(HWND page, EditorState& copy) {
  for (const EditorCheckBox& box : kEditorCheckBoxes) {
    copy.*box.field = IsDlgButtonChecked(page, box.control) == BST_CHECKED ? 1 : 0;
  }
  return true;
}

const ResourcePageDefinition kEditorPageDefinition = {IDD_EDITOR_PAGE, 100, FillEditorPage, ReadEditorPage, ID_FILE_OPTIONS};

bool BuildEditorPage(OptionsSheetSession& session, PROPSHEETPAGEA& page) {
  return BuildResourcePage(session, kEditorPageDefinition, page);
}

// clang-format off
// Every page of the sheet in order. Builders of the pages other work provides go here.
const OptionsPageEntry kOptionsPages[kOptionsPageCount] = {
  {kEditorPage,    "Editor",     100,  BuildEditorPage},
  {kFiltersPage,   "Filters",    500,  BuildFiltersPage},
  {kPrintingPage,  "Printing",   900,  BuildPrintingPage},
  {kToolsPage,     "Tools",      300,  BuildToolsPage},
  {kMacrosPage,    "Macros",     1000, BuildMacrosPage},
  {kSysEditPage,   "SysEdit",    120,  BuildSysEditPage},
  {kTimeStampPage, "Time Stamp", 105,  BuildTimeStampPage},
  {kExplorerPage,  "Explorer",   200,  BuildExplorerPage},
  {kVersionPage,   "Version",    0,    BuildVersionPage},
};
// clang-format on

// What OK does besides copying back: the Explorer choices are applied once and cleared.
void ApplyExplorerChoices(HWND owner, EditorState& state) {
  ApplyExplorerItems(owner, state.shellItems);
  PointPlacementReferences(state);
}

}  // namespace

const OptionsPageEntry* GetOptionsPageTable(int* count) {
  if (count) *count = static_cast<int>(std::size(kOptionsPages));
  return kOptionsPages;
}

OptionsSheetDriver SetOptionsSheetDriver(OptionsSheetDriver driver) {
  OptionsSheetDriver previous = std::move(Driver());
  Driver() = std::move(driver);
  return previous;
}

void ScheduleSheetDriver(HWND page, OptionsSheetSession& session) {
  if (!Driver() || session.driverCalled) return;
  session.driverCalled = true;
  PostMessageA(page, kDriveSheetMessage, 0, 0);
}

bool RunSheetDriver(HWND page, UINT message) {
  if (message != kDriveSheetMessage) return false;
  if (Driver()) Driver()(GetParent(page));
  return true;
}

bool BuildResourcePage(OptionsSheetSession& session, const ResourcePageDefinition& definition, PROPSHEETPAGEA& page) {
  page = PROPSHEETPAGEA();
  page.dwSize = sizeof page;
  page.dwFlags = PSP_HASHELP;
  page.hInstance = instanceHandle;
  page.pszTemplate = MAKEINTRESOURCEA(definition.dialogId);
  page.pfnDlgProc = ResourcePageProc;
  page.lParam = reinterpret_cast<LPARAM>(KeepBinding(session, definition));
  return true;
}

bool BuildMemoryPage(OptionsSheetSession& session, const support::TemplateBlock& block, DLGPROC procedure,
                     PROPSHEETPAGEA& page) {
  if (!block) return false;
  session.pageMemory.emplace_back(block.bytes(), block.bytes() + block.size());
  page = PROPSHEETPAGEA();
  page.dwSize = sizeof page;
  page.dwFlags = PSP_DLGINDIRECT | PSP_HASHELP;
  page.hInstance = instanceHandle;
  page.pResource = reinterpret_cast<const DLGTEMPLATE*>(session.pageMemory.back().data());
  page.pfnDlgProc = procedure;
  page.lParam = reinterpret_cast<LPARAM>(&session);
  return true;
}

bool RunOptionsSheet(HWND owner, int startPage) {
  ShowStatus(ID_FILE_OPTIONS);
  OptionsSheetSession session;
  session.copy = std::make_unique<EditorState>(editorState);
  // The copy's pages keep the sheet's position in the copy, never in the live record.
  PointPlacementReferences(*session.copy);
  CloseSplashWindow();
  RunBeforeModalHook();

  std::vector<PROPSHEETPAGEA> pages;
  int startIndex = 0;
  const int requested = (startPage >= 0 && startPage < kOptionsPageCount) ? startPage : kEditorPage;
  for (const OptionsPageEntry& entry : kOptionsPages) {
    PROPSHEETPAGEA page = {};
    if (!entry.build || !entry.build(session, page)) continue;
    if (entry.page == requested) startIndex = static_cast<int>(pages.size());
    pages.push_back(page);
  }
  if (pages.empty()) return false;

  PROPSHEETHEADERA header = {};
  header.dwSize = sizeof header;
  header.dwFlags = PSH_PROPSHEETPAGE | PSH_HASHELP | PSH_NOAPPLYNOW;
  header.hwndParent = owner;
  header.hInstance = instanceHandle;
  header.pszCaption = " Quillet Options";
  header.nPages = static_cast<UINT>(pages.size());
  header.nStartPage = static_cast<UINT>(startIndex);
  header.ppsp = pages.data();
  PropertySheetA(&header);
  if (!session.accepted) return false;  // Cancel: the copy goes, nothing changes

  EditorState& copy = *session.copy;
  const bool ltGrayChanged = copy.LtGray != editorState.LtGray;
  const bool trayChanged = copy.TaskTray != editorState.TaskTray;
  editorState = copy;
  PointPlacementReferences(editorState);
  if (trayChanged && frameWindow) {
    RemoveTrayIcon();
    if (editorState.TaskTray) AddTrayIcon();
  }
  ApplyExplorerChoices(owner, editorState);
  SaveSettings();
  return ltGrayChanged;
}

}  // namespace editor
