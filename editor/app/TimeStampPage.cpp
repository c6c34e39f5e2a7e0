// The Time Stamp page of the options sheet: the stamp's parts and order on the sheet's copy of
// the options, a sample of the stamp as Insert Date would make it now, and the Regional button.
#include <windows.h>

#include <shellapi.h>

#include <string>

#include "editor/app/EditorState.h"
#include "editor/app/Frame.h"
#include "editor/app/FrameGlobals.h"
#include "editor/app/StatusBar.h"
#include "editor/app/TextCommands.h"
#include "editor/app/core/TimeStamp.h"
#include "editor/support/EditorSupport.h"
#include "editor/support/IntlText.h"
#include "resources/quillet_ids.h"

namespace editor {

using namespace support;

namespace {

constexpr unsigned kTimeStampHelpTopic = 105;

EditorState& CopyOf(HWND page) {
  return *reinterpret_cast<OptionsSheetSession*>(GetWindowLongPtrA(page, DWLP_USER))->copy;
}

void Check(HWND page, int control, bool on) { CheckDlgButton(page, control, on ? BST_CHECKED : BST_UNCHECKED); }

void Enable(HWND page, int control, bool on) { EnableWindow(GetDlgItem(page, control), on ? TRUE : FALSE); }

void RefreshPage(HWND page) {
  const EditorState& copy = CopyOf(page);
  std::tm now = {};
  const std::string sample = LocalCalendarTime(nullptr, now) ? TimeStampSample(copy, ReadIntlSettings(), now) : "";
  SetDlgItemTextA(page, IDC_TIME_STAMP_SAMPLE, sample.c_str());
  const bool date = copy.ShowDate != 0;
  const bool time = copy.ShowTime != 0;
  Enable(page, IDC_TIME_STAMP_SAMPLE, date || time);
  Check(page, IDC_TIME_STAMP_SHOW_DATE, date);
  Check(page, IDC_TIME_STAMP_LONG_DATE, copy.LongDate != 0);
  Check(page, IDC_TIME_STAMP_SHORT_DATE, copy.LongDate == 0);
  Check(page, IDC_TIME_STAMP_SHOW_TIME, time);
  Check(page, IDC_TIME_STAMP_DATE_FIRST, copy.DateFirst != 0);
  Check(page, IDC_TIME_STAMP_TIME_FIRST, copy.DateFirst == 0);
  Enable(page, IDC_TIME_STAMP_LONG_DATE, date);
  Enable(page, IDC_TIME_STAMP_SHORT_DATE, date);
  Enable(page, IDC_TIME_STAMP_DATE_FIRST, date && time);
  Enable(page, IDC_TIME_STAMP_TIME_FIRST, date && time);
}

// The control panel's regional settings: Control.exe lives in the system folder on Windows NT
// (where an event source can be registered) and in the Windows folder otherwise.
void OpenRegionalSettings(HWND page) {
  char system[MAX_PATH] = "";
  char windows[MAX_PATH] = "";
  GetSystemDirectoryA(system, sizeof system);
  GetWindowsDirectoryA(windows, sizeof windows);
  bool nt = false;
  if (HANDLE source = RegisterEventSourceA(nullptr, "Quillet")) {
    nt = true;
    DeregisterEventSource(source);
  }
  const std::string program = std::string(nt ? system : windows) + "\\Control.exe";
  const std::string argument = std::string(system) + "\\Intl.cpl";
  ShellExecuteA(page, "Open", program.c_str(), argument.c_str(), nullptr, SW_SHOWNORMAL);
}

void MsgCommand(HWND page, int control) {
  EditorState& copy = CopyOf(page);
  switch (control) {
    case IDC_TIME_STAMP_SHOW_DATE: copy.ShowDate = copy.ShowDate ? 0 : 1; break;
    case IDC_TIME_STAMP_LONG_DATE: copy.LongDate = 1; break;
    case IDC_TIME_STAMP_SHORT_DATE: copy.LongDate = 0; break;
    case IDC_TIME_STAMP_SHOW_TIME: copy.ShowTime = copy.ShowTime ? 0 : 1; break;
    case IDC_TIME_STAMP_DATE_FIRST: copy.DateFirst = 1; break;
    case IDC_TIME_STAMP_TIME_FIRST: copy.DateFirst = 0; break;
    case IDC_TIME_STAMP_REGIONAL: OpenRegionalSettings(page); return;
    default: return;
  }
  RefreshPage(page);
}

INT_PTR MsgNotify(HWND page, const NMHDR* header) {
  EditorState& copy = CopyOf(page);
  switch (header->code) {
    case PSN_SETACTIVE:
      ShowStatus(IDS_TIME_STAMP_PAGE_STATUS);
      RefreshPage(page);
      PlaceAtStoredPosition(GetParent(page), &copy.optionsPlacement, kSheetMargin);
      SetWindowLongPtrA(page, DWLP_MSGRESULT, 0);
      return TRUE;
    case PSN_KILLACTIVE:
      StoreWindowPosition(GetParent(page), &copy.optionsPlacement);
      SetWindowLongPtrA(page, DWLP_MSGRESULT, FALSE);
      return TRUE;
    case PSN_APPLY:
      StoreWindowPosition(GetParent(page), &copy.optionsPlacement);
      reinterpret_cast<OptionsSheetSession*>(GetWindowLongPtrA(page, DWLP_USER))->accepted = true;
      SetWindowLongPtrA(page, DWLP_MSGRESULT, PSNRET_NOERROR);
      return TRUE;
    case PSN_HELP:
      ShowHelpTopic(kTimeStampHelpTopic);
      return TRUE;
    default:
      return FALSE;
  }
}

INT_PTR CALLBACK TimeStampPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    switch (message) {
      case WM_INITDIALOG:
        SetWindowLongPtrA(page, DWLP_USER, reinterpret_cast<const PROPSHEETPAGEA*>(lParam)->lParam);
        return TRUE;
      case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED) MsgCommand(page, LOWORD(wParam));
        return TRUE;
      case WM_NOTIFY:
        return MsgNotify(page, reinterpret_cast<const NMHDR*>(lParam));
      default:
        return FALSE;
    }
  } catch (...) {
    return FALSE;
  }
}

}  // namespace

bool BuildTimeStampPage(OptionsSheetSession& session, PROPSHEETPAGEA& page) {
  page = PROPSHEETPAGEA();
  page.dwSize = sizeof page;
  page.dwFlags = PSP_HASHELP;
  page.hInstance = instanceHandle;
  page.pszTemplate = MAKEINTRESOURCEA(IDD_TIME_STAMP_PAGE);
  page.pfnDlgProc = TimeStampPageProc;
  page.lParam = reinterpret_cast<LPARAM>(&session);
  return true;
}

}  // namespace editor
