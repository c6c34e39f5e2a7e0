// The Version page of the options sheet.
#include "editor/app/VersionPage.h"

#include <shellapi.h>

#include <cstdio>
#include <vector>

#include "editor/app/Frame.h"
#include "editor/app/FrameGlobals.h"
#include "editor/app/StatusBar.h"
#include "editor/support/EditorSupport.h"
#include "resources/quillet_ids.h"

namespace editor {

using namespace support;  // the support library serves the whole application

namespace {

constexpr const char* kReleaseNotice =
    "Quillet is freeware: copy it and pass it on freely, unchanged and free of charge.";
constexpr unsigned kVersionHelpTopic = 800;

// clang-format off
VersionField versionFields[] = {
  {"ProductName",     "", IDS_PRODUCT_NAME, nullptr},
  {"LegalCopyright",  "", IDS_COPYRIGHT,    nullptr},
  {"FileDescription", "", IDS_DESCRIPTION,  nullptr},
  {"FileVersion",     "", IDS_VERSION,      nullptr},
  {"Release",         "", 0,                kReleaseNotice},
};

const DialogControl kPageControls[] = {
  {kSunkenBitmapStyle, 7,   7,   104, 159, kNoControlId,             kStaticClass, "#1999"},
  {kStaticIconStyle,   123, 10,  18,  20,  kNoControlId,             kStaticClass, "#1000"},
  {kStaticLeftStyle,   155, 10,  160, 8,   IDC_VERSION_PRODUCT_NAME, kStaticClass, ""},
  {kStaticLeftStyle,   155, 20,  160, 8,   IDC_VERSION_COPYRIGHT,    kStaticClass, ""},
  {kStaticLeftStyle,   155, 35,  160, 8,   IDC_VERSION_DESCRIPTION,  kStaticClass, ""},
  {kStaticLeftStyle,   155, 45,  160, 8,   IDC_VERSION_FILE_VERSION, kStaticClass, ""},
  {kEtchedLineStyle,   118, 60,  195, 1,   kNoControlId,             kStaticClass, ""},
  {kStaticLeftStyle,   130, 70,  170, 32,  IDC_VERSION_RELEASE,      kStaticClass, ""},
  {kEtchedLineStyle,   118, 105, 195, 1,   kNoControlId,             kStaticClass, ""},
  {kStaticLeftStyle,   130, 115, 170, 17,  kNoControlId,             kStaticClass,
   "Visit the Orvane Web Site on the Internet to download the latest versions of all of my freeware."},
  {kPushButtonStyle,   155, 140, 115, 14,  IDC_VERSION_WEB_SITE,     kButtonClass, kMakerWebAddress},
};
// clang-format on

// A text of the version information for a language and code page, or null.
const char* QueryVersionText(std::vector<char>& info, LANGID language, unsigned codePage, const char* key) {
  char path[96];
  std::snprintf(path, sizeof path, "\\StringFileInfo\\%04X%04X\\%s", language, codePage, key);
  void* text = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(info.data(), path, &text, &length) || !text || length == 0) return nullptr;
  return static_cast<const char*>(text);
}

void SetResult(HWND page, LONG_PTR result) { SetWindowLongPtrA(page, DWLP_MSGRESULT, result); }

INT_PTR Notify(HWND page, OptionsSheetSession& session, const NMHDR& header) {
  PlacementRecord* position = &session.copy->optionsPlacement;
  switch (header.code) {
    case PSN_SETACTIVE:
      VersionPageInit(page, position);
      ScheduleSheetDriver(page, session);
      SetResult(page, 0);
      return TRUE;
    case PSN_KILLACTIVE:
      StoreWindowPosition(GetParent(page), position);
      SetResult(page, FALSE);
      return TRUE;
    case PSN_APPLY:
      StoreWindowPosition(GetParent(page), position);
      session.accepted = true;
      SetResult(page, PSNRET_NOERROR);
      return TRUE;
    case PSN_HELP:
      ShowHelpTopic(kVersionHelpTopic);
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

bool FillVersionFields(HWND page, LANGID language) {
  char module[MAX_PATH] = "";
  GetModuleFileNameA(instanceHandle, module, sizeof module);
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(module, &ignored);
  if (size == 0) return false;
  std::vector<char> info;
  try {
    info.resize(size);
  } catch (...) {
    return false;
  }
  if (!GetFileVersionInfoA(module, 0, size, info.data())) return false;
  int control = IDC_VERSION_PRODUCT_NAME;
  for (VersionField& field : versionFields) {
    const char* found = QueryVersionText(info, language, 1252, field.key);
    if (!found) found = QueryVersionText(info, language, 1200, field.key);
    if (found) {
      std::snprintf(field.text, sizeof field.text, "%s", found);
    } else if (field.fallbackId) {
      GetString(field.text, field.fallbackId);
    } else {
      std::snprintf(field.text, sizeof field.text, "%s", field.fallbackText);
    }
    SetDlgItemTextA(page, control++, field.text);
  }
  return true;
}

int VersionPageInit(HWND page, PlacementRecord* position) {
  ShowStatus(ID_HELP_ABOUT);
  if (!FillVersionFields(page, GetUserDefaultLangID())) return 0;
  PlaceAtStoredPosition(GetParent(page), position, kSheetMargin);
  return 1;
}

// Without a handler the shell would offer its own error or "Open With" box: the page stays silent.
int OpenMakerWebSite(HWND owner) {
  SHELLEXECUTEINFOA execute = {};
  execute.cbSize = sizeof execute;
  execute.fMask = SEE_MASK_FLAG_NO_UI;
  execute.hwnd = owner;
  execute.lpVerb = "open";
  execute.lpFile = kMakerWebAddress;
  execute.nShow = SW_SHOWNORMAL;
  return ShellExecuteExA(&execute) && reinterpret_cast<INT_PTR>(execute.hInstApp) > 32 ? 1 : 0;
}

TemplateBlock BuildVersionPageTemplate() {
  return BuildPageTemplate({kDialogPageStyle, 0, 0, 320, 172, "Version", 8, "MS Sans Serif"}, kPageControls);
}

INT_PTR CALLBACK VersionPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    if (message == WM_INITDIALOG) {
      SetWindowLongPtrA(page, DWLP_USER, reinterpret_cast<const PROPSHEETPAGEA*>(lParam)->lParam);
      return TRUE;
    }
    auto* session = reinterpret_cast<OptionsSheetSession*>(GetWindowLongPtrA(page, DWLP_USER));
    if (!session) return FALSE;
    switch (message) {
      case WM_NOTIFY:
        return Notify(page, *session, *reinterpret_cast<const NMHDR*>(lParam));
      case WM_COMMAND:
        if (LOWORD(wParam) != IDC_VERSION_WEB_SITE) return FALSE;
        OpenMakerWebSite(page);
        return TRUE;
      default:
        return RunSheetDriver(page, message) ? TRUE : FALSE;
    }
  } catch (...) {
    return FALSE;
  }
}

bool BuildVersionPage(OptionsSheetSession& session, PROPSHEETPAGEA& page) {
  return BuildMemoryPage(session, BuildVersionPageTemplate(), VersionPageProc, page);
}

}  // namespace editor
