// The Explorer page of the options sheet and what its choices do after OK.
#include "editor/app/ShellIntegration.h"

#include <commctrl.h>

#include "editor/app/Frame.h"
#include "editor/app/FrameGlobals.h"
#include "editor/app/StatusBar.h"
#include "editor/support/EditorSupport.h"
#include "editor/support/ShellLinks.h"
#include "resources/quillet_ids.h"

namespace editor {

using namespace support;  // the support library serves the whole application

namespace {

constexpr unsigned kExplorerHelpTopic = 200;

// Each kind of shortcut with its pair of boxes and flags, in the order they are applied.
struct ShellItemRow {
  int kind;
  int createBox;
  int removeBox;
  std::int32_t ShellItemChoices::*create;
  std::int32_t ShellItemChoices::*remove;
};
// clang-format off
const ShellItemRow kShellItemRows[] = {
  {kStartMenuItem, IDC_EXPLORER_CREATE_START_MENU, IDC_EXPLORER_REMOVE_START_MENU,
   &ShellItemChoices::createStartMenu, &ShellItemChoices::removeStartMenu},
  {kDesktopItem,   IDC_EXPLORER_CREATE_DESKTOP,    IDC_EXPLORER_REMOVE_DESKTOP,
   &ShellItemChoices::createDesktop,   &ShellItemChoices::removeDesktop},
  {kStartupItem,   IDC_EXPLORER_CREATE_STARTUP,    IDC_EXPLORER_REMOVE_STARTUP,
   &ShellItemChoices::createStartup,   &ShellItemChoices::removeStartup},
};

// The texts that name the program through "%s".
const int kNamingTexts[] = {IDC_EXPLORER_DESKTOP_TEXT, IDC_EXPLORER_START_MENU_TEXT, IDC_EXPLORER_STARTUP_TEXT};

const DialogControl kPageControls[] = {
  {kSunkenBitmapStyle, 7,   7,   104, 159, kNoControlId, kStaticClass, "#1999"},
  {kStaticLeftStyle,   120, 10,  190, 16,  IDC_EXPLORER_START_MENU_TEXT, kStaticClass,
   "To include or remove %s on the MS Windows Explorer Start Menu check one of the boxes below."},
  {kStaticIconStyle,   135, 32,  18,  20,  kNoControlId, kStaticClass, "#1000"},
  {kCheckBoxStyle,     170, 32,  95,  10,  IDC_EXPLORER_CREATE_START_MENU, kButtonClass, "&Create a Start Menu Item"},
  {kCheckBoxStyle,     170, 44,  105, 10,  IDC_EXPLORER_REMOVE_START_MENU, kButtonClass, "&Remove this Start Menu Item"},
  {kEtchedLineStyle,   118, 60,  195, 1,   kNoControlId, kStaticClass, ""},
  {kStaticLeftStyle,   120, 65,  190, 16,  IDC_EXPLORER_DESKTOP_TEXT, kStaticClass,
   "To display or delete the %s program icon on the MS Windows Explorer Desktop check the boxes below."},
  {kStaticIconStyle,   135, 87,  18,  20,  kNoControlId, kStaticClass, "#2880"},
  {kCheckBoxStyle,     170, 87,  99,  10,  IDC_EXPLORER_CREATE_DESKTOP, kButtonClass, "Create a &Desktop Icon"},
  {kCheckBoxStyle,     170, 99,  115, 10,  IDC_EXPLORER_REMOVE_DESKTOP, kButtonClass, "Remove &Icon from the Desktop"},
  {kEtchedLineStyle,   118, 115, 195, 1,   kNoControlId, kStaticClass, ""},
  {kStaticLeftStyle,   120, 120, 190, 16,  IDC_EXPLORER_STARTUP_TEXT, kStaticClass,
   "To run %s automatically whenever MS Windows 95/NT is started check the box below."},
  {kStaticIconStyle,   135, 142, 18,  20,  kNoControlId, kStaticClass, "#2585"},
  {kCheckBoxStyle,     170, 142, 103, 10,  IDC_EXPLORER_CREATE_STARTUP, kButtonClass, "Create a &Startup Folder Item"},
  {kCheckBoxStyle,     170, 154, 115, 10,  IDC_EXPLORER_REMOVE_STARTUP, kButtonClass, "Remove the Startup &Folder Item"},
};
// clang-format on

void SetBox(HWND page, int box, bool enabled, bool checked) {
  CheckDlgButton(page, box, checked ? BST_CHECKED : BST_UNCHECKED);
  EnableWindow(GetDlgItem(page, box), enabled ? TRUE : FALSE);
}

std::int32_t ReadBox(HWND page, int box) {
  return IsWindowEnabled(GetDlgItem(page, box)) && IsDlgButtonChecked(page, box) == BST_CHECKED ? 1 : 0;
}

void SetResult(HWND page, LONG_PTR result) { SetWindowLongPtrA(page, DWLP_MSGRESULT, result); }

INT_PTR Notify(HWND page, OptionsSheetSession& session, const NMHDR& header) {
  ShellItemChoices& choices = session.copy->shellItems;
  switch (header.code) {
    case PSN_SETACTIVE:
      ExplorerPageInit(page, choices);
      ScheduleSheetDriver(page, session);
      SetResult(page, 0);
      return TRUE;
    case PSN_KILLACTIVE:
      ExplorerPageRead(page, choices);
      SetResult(page, FALSE);
      return TRUE;
    case PSN_APPLY:
      ExplorerPageRead(page, choices);
      session.accepted = true;
      SetResult(page, PSNRET_NOERROR);
      return TRUE;
    case PSN_HELP:
      ShowHelpTopic(kExplorerHelpTopic);
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

void ApplyExplorerItems(HWND owner, ShellItemChoices& choices) {
  for (const ShellItemRow& row : kShellItemRows) {
    if (choices.*row.create) CreateShellItem(owner, row.kind);
  }
  for (const ShellItemRow& row : kShellItemRows) {
    if (choices.*row.remove) RemoveShellItem(owner, row.kind);
  }
  choices = ShellItemChoices();
}

void ExplorerPageInit(HWND page, const ShellItemChoices& choices) {
  ShowStatus(ID_HELP_SETUP);
  const std::string programName = GetString(IDS_PROGRAM_NAME);
  for (const int control : kNamingTexts) {
    char format[kMaxMessageLength + 1] = "";
    GetDlgItemTextA(page, control, format, sizeof format);
    SetDlgItemTextA(page, control, FormatText(format, {FormatArg(programName)}, kMaxMessageLength).c_str());
  }
  for (const ShellItemRow& row : kShellItemRows) {
    const bool exists = ShellItemExists(row.kind) != 0;
    SetBox(page, row.createBox, !exists, !exists && choices.*row.create);
    SetBox(page, row.removeBox, exists, exists && choices.*row.remove);
  }
  PlaceAtStoredPosition(GetParent(page), choices.position, kSheetMargin);
}

void ExplorerPageRead(HWND page, ShellItemChoices& choices) {
  for (const ShellItemRow& row : kShellItemRows) {
    choices.*row.create = ReadBox(page, row.createBox);
    choices.*row.remove = ReadBox(page, row.removeBox);
  }
  StoreWindowPosition(GetParent(page), choices.position);
}

TemplateBlock BuildExplorerPageTemplate() {
  return BuildPageTemplate({kDialogPageStyle, 0, 0, 320, 172, "Explorer", 8, "MS Sans Serif"}, kPageControls);
}

INT_PTR CALLBACK ExplorerPageProc(HWND page, UINT message, WPARAM, LPARAM lParam) {
  try {
    if (message == WM_INITDIALOG) {
      SetWindowLongPtrA(page, DWLP_USER, reinterpret_cast<const PROPSHEETPAGEA*>(lParam)->lParam);
      return TRUE;
    }
    auto* session = reinterpret_cast<OptionsSheetSession*>(GetWindowLongPtrA(page, DWLP_USER));
    if (!session) return FALSE;
    if (message == WM_NOTIFY) return Notify(page, *session, *reinterpret_cast<const NMHDR*>(lParam));
    return RunSheetDriver(page, message) ? TRUE : FALSE;
  } catch (...) {
    return FALSE;
  }
}

bool BuildExplorerPage(OptionsSheetSession& session, PROPSHEETPAGEA& page) {
  return BuildMemoryPage(session, BuildExplorerPageTemplate(), ExplorerPageProc, page);
}

}  // namespace editor
