// Command routing of the frame, the commands the frame handles itself, and the command state
// of the menu and the toolbar.
#include <windows.h>

#include <commctrl.h>
#include <richedit.h>
#include <shellapi.h>

#include "editor/app/DocumentSlots.h"
#include "editor/app/EditorState.h"
#include "editor/app/Frame.h"
#include "editor/app/FrameGlobals.h"
#include "editor/app/Splash.h"
#include "editor/app/StatusBar.h"
#include "editor/app/Toolbar.h"
#include "editor/app/TrayIcon.h"
#include "editor/app/core/CommandState.h"
#include "editor/app/core/FrameRules.h"
#include "editor/support/EditorSupport.h"
#include "resources/quillet_ids.h"

namespace editor {

using namespace support;  // the support library serves the whole application

namespace {

bool HelpFileExists() {
  const DWORD attributes = GetFileAttributesA(helpPath);
  return helpPath[0] != '\0' && attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void RunOptionsCommand(HWND frame, int page) {
  const bool recolour = RunOptionsSheet(frame, page);
  // Only Options itself recolours open documents at once; the other entry points leave them.
  if (recolour && page == kEditorPage && GetDocumentServices().recolourDocuments)
    GetDocumentServices().recolourDocuments();
}

void HandleFrameCommand(HWND frame, unsigned id) {
  switch (id) {
    case ID_FILE_EXIT:
      SendMessageA(frame, WM_SYSCOMMAND, SC_CLOSE, 0);
      break;
    case ID_VIEW_MINIMIZE:
      ShowWindow(frame, SW_MINIMIZE);
      break;
    case ID_WINDOWS_TILE_VERTICALLY:
      SendMessageA(mdiClient, WM_MDITILE, MDITILE_VERTICAL, 0);
      break;
    case ID_WINDOWS_TILE_HORIZONTALLY:
      SendMessageA(mdiClient, WM_MDITILE, MDITILE_HORIZONTAL, 0);
      break;
    case ID_WINDOWS_CASCADE:
      SendMessageA(mdiClient, WM_MDICASCADE, 0, 0);
      break;
    case ID_WINDOWS_ARRANGE_ICONS:
      SendMessageA(mdiClient, WM_MDIICONARRANGE, 0, 0);
      break;
    case ID_EDIT_SHOW_CLIPBOARD:
      ShowClipboardViewer();
      break;
    case ID_HELP_CONTENTS:
    case ID_HELP_SEARCH:
    case ID_HELP_HOW_TO_USE:
      ShowHelp(id);
      break;
    case ID_HELP_ABOUT:
      ShowStatus(ID_HELP_ABOUT);
      ShowSplashWindow(SplashMode::About);
      break;
    case ID_FILE_OPTIONS:
      RunOptionsCommand(frame, kEditorPage);
      break;
    case ID_FILE_PAGE_SETUP:
      RunOptionsCommand(frame, kPrintingPage);
      break;
    case ID_TOOLS_CUSTOMIZE:
      RunOptionsCommand(frame, kToolsPage);
      break;
    case ID_MACROS_CUSTOMIZE:
      RunOptionsCommand(frame, kMacrosPage);
      break;
    case ID_WINDOWS_SYSEDIT_FILES:
      RunOptionsCommand(frame, kSysEditPage);
      break;
    case ID_HELP_SETUP:
      RunOptionsCommand(frame, kExplorerPage);
      break;
    case ID_VIEW_TOOLBAR:
      ToggleToolbar();
      break;
    case ID_VIEW_STATUS_BAR:
      ToggleStatusBar();
      break;
    case ID_VIEW_CUSTOMIZE_TOOLBAR:
      CustomizeToolbar();
      break;
    case ID_VIEW_ALWAYS_ON_TOP:
      ToggleAlwaysOnTop();
      break;
    case ID_WINDOWS_CLOSE_ALL:
      CloseAllDocumentWindows();
      break;
    case ID_FILE_NEW:
      if (GetDocumentServices().newDocument) GetDocumentServices().newDocument();
      break;
    default:
      // Open, Save All, Printer Setup, recent files, Find, Replace, fonts, lists, tools and the
      // tool windows: handled by the parts that own them.
      if (GetDocumentServices().frameCommand) GetDocumentServices().frameCommand(id);
      break;
  }
}

void ApplyItem(HMENU menu, const CommandItemState& item) {
  if (menu) {
    EnableMenuItem(menu, item.id, MF_BYCOMMAND | (item.enabled ? MF_ENABLED : MF_GRAYED));
    CheckMenuItem(menu, item.id, MF_BYCOMMAND | (item.checked ? MF_CHECKED : MF_UNCHECKED));
    if (item.hasText) {
      MENUITEMINFOA info = {};
      info.cbSize = sizeof info;
      info.fMask = MIIM_STRING;
      info.dwTypeData = const_cast<char*>(item.text.c_str());
      SetMenuItemInfoA(menu, item.id, FALSE, &info);
    }
  }
  if (toolbarWindow) {
    SetToolButtonState(item.id, item.enabled);
    if (item.id == ID_VIEW_ALWAYS_ON_TOP) CheckToolButton(item.id, item.checked);
  }
}

}  // namespace

void RouteCommand(HWND frame, WPARAM wParam, LPARAM lParam) {
  const unsigned id = LOWORD(wParam);
  switch (ClassifyCommand(id)) {
    case CommandOwner::Frame:
      HandleFrameCommand(frame, id);
      break;
    case CommandOwner::Document:
      if (activeDocument) SendMessageA(activeDocument, WM_COMMAND, wParam, lParam);
      break;
    case CommandOwner::Default:
      DefFrameProcA(frame, mdiClient, WM_COMMAND, wParam, lParam);
      break;
  }
}

CommandStateInput CurrentCommandStateInput() {
  CommandStateInput input;
  input.state = &editorState;
  input.activeDocument = activeDocument != nullptr && IsWindow(activeDocument);
  if (input.activeDocument) {
    input.readOnly = GetDocumentSlot(activeDocument, kSlotReadOnly) != 0;
    input.modified = GetDocumentSlot(activeDocument, kSlotModified) != 0;
    input.hasFile = GetDocumentSlot(activeDocument, kSlotHasFile) != 0;
    input.wordWrap = GetDocumentSlot(activeDocument, kSlotWordWrap) != 0;
    if (activeEdit) {
      CHARRANGE selection = {0, 0};
      SendMessageA(activeEdit, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
      input.hasSelection = selection.cpMin != selection.cpMax;
    }
  }
  input.findDialogOpen = findDialog != nullptr;
  input.toolbarExists = toolbarWindow != nullptr;
  input.statusBarExists = statusWindow != nullptr;
  return input;
}

void UpdateCommandState() {
  if (bulkOperation || !frameWindow) return;
  HMENU menu = GetMenu(frameWindow);
  for (const CommandItemState& item : ComputeCommandState(CurrentCommandStateInput())) ApplyItem(menu, item);
  if (menu) DrawMenuBar(frameWindow);
}

void ShowHelp(unsigned item) {
  const bool known = item == ID_HELP_CONTENTS || item == ID_HELP_SEARCH || item == ID_HELP_HOW_TO_USE;
  if (known && statusWindow && IsWindowVisible(statusWindow)) ShowStatus(item);
  switch (item) {
    case ID_HELP_CONTENTS:
      if (!HelpFileExists()) {
        ErrorBox(MSG_FILE_NOT_FOUND, helpPath);
        return;
      }
      WinHelpA(frameWindow, helpPath, HELP_FINDER, 0);
      break;
    case ID_HELP_SEARCH:
      if (!HelpFileExists()) {
        ErrorBox(MSG_FILE_NOT_FOUND, helpPath);
        return;
      }
      WinHelpA(frameWindow, helpPath, HELP_PARTIALKEY, reinterpret_cast<ULONG_PTR>(""));
      break;
    case ID_HELP_HOW_TO_USE:
      WinHelpA(frameWindow, helpPath, HELP_HELPONHELP, 0);
      break;
    default:
      ErrorBox(IDS_INVALID_HELP_ITEM, static_cast<int>(item));
      break;
  }
}

void ShowHelpTopic(unsigned topic) {
  if (!HelpFileExists() || !WinHelpA(frameWindow, helpPath, HELP_CONTEXT, topic)) {
    const int code = HelpFileExists() ? static_cast<int>(GetLastError()) : ERROR_FILE_NOT_FOUND;
    InfoBox(frameWindow, IDS_PROGRAM_NAME, MSG_HELP_TOPIC_MISSING, topic, code);
  }
}

bool ShowClipboardViewer() {
  const INT_PTR result = reinterpret_cast<INT_PTR>(
      ShellExecuteA(frameWindow, nullptr, "CLIPBRD.EXE", nullptr, nullptr, SW_SHOWNORMAL));
  if (result > 32) return true;
  if (result == ERROR_FILE_NOT_FOUND) ErrorBox(IDS_CLIPBOARD_VIEWER_MISSING, "CLIPBRD.EXE");
  else ErrorBox(IDS_CLIPBOARD_VIEWER_FAILED, static_cast<int>(result));
  return false;
}

}  // namespace editor
