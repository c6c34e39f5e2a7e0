// File > Properties: the file's directory entry, its registered type and the box that shows them.
#include "editor/app/FileProperties.h"

#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>

#include "editor/app/FrameGlobals.h"
#include "editor/app/StatusBar.h"
#include "editor/support/EditorSupport.h"
#include "editor/support/core/FileDetailsText.h"
#include "editor/support/core/PathText.h"
#include "resources/quillet_ids.h"

namespace editor {

using namespace support;  // the support library serves the whole application

namespace {

// Posted to the box once it is up, to give the test driver its turn inside the box's loop.
constexpr UINT kDriveBoxMessage = WM_APP + 51;

FilePropertiesDriver& Driver() {
  static FilePropertiesDriver driver;
  return driver;
}

void CopyText(char* destination, const char* text) {
  std::snprintf(destination, kDetailTextSize, "%s", text ? text : "");
}

// A key's default value from HKEY_CLASSES_ROOT (at most 256 bytes, environment names expanded);
// empty when the key or the value is missing.
std::string ClassValue(const std::string& keyName) {
  win32::UniqueRegistryKey key;
  HKEY opened = nullptr;
  if (RegOpenKeyExA(HKEY_CLASSES_ROOT, keyName.c_str(), 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) return {};
  key.reset(opened);
  char value[kDetailTextSize] = "";
  DWORD size = sizeof value - 1, type = 0;
  if (RegQueryValueExA(key.get(), nullptr, nullptr, &type, reinterpret_cast<BYTE*>(value), &size) != ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ))
    return {};
  value[std::min<DWORD>(size, sizeof value - 1)] = '\0';
  if (type == REG_EXPAND_SZ || std::strchr(value, '%')) {
    char expanded[kDetailTextSize] = "";
    const DWORD length = ExpandEnvironmentStringsA(value, expanded, sizeof expanded);
    if (length > 0 && length <= sizeof expanded) return expanded;
  }
  return value;
}

constexpr std::uint32_t kPlainPushButtonStyle = 0x50000000;  // BS_PUSHBUTTON, no tab stop

// clang-format off
const DialogControl kBoxControls[] = {
  {kStaticIconStyle,  11,   8,  18, 20, IDC_PROPERTIES_ICON,       kStaticClass, " "},
  {kStaticRightStyle, 34,  10,  18,  8, kNoControlId,              kStaticClass, "File:"},
  {kStaticLeftStyle,  60,  10, 150,  8, IDC_PROPERTIES_NAME,       kStaticClass, " "},
  {kStaticRightStyle, 34,  20,  18,  8, kNoControlId,              kStaticClass, "Type:"},
  {kStaticLeftStyle,  60,  20, 150,  8, IDC_PROPERTIES_TYPE,       kStaticClass, " "},
  {kSunkenLineStyle,   6,  35, 214,  1, kNoControlId,              kStaticClass, " "},
  {kStaticRightStyle, 17,  40,  35,  8, kNoControlId,              kStaticClass, "Location:"},
  {kStaticLeftStyle,  60,  40, 150, 16, IDC_PROPERTIES_LOCATION,   kStaticClass, " "},
  {kStaticRightStyle, 17,  60,  35,  8, kNoControlId,              kStaticClass, "Size:"},
  {kStaticLeftStyle,  60,  60, 150,  8, IDC_PROPERTIES_SIZE,       kStaticClass, " "},
  {kStaticRightStyle, 17,  70,  35,  8, kNoControlId,              kStaticClass, "Mode:"},
  {kStaticLeftStyle,  60,  70, 150,  8, IDC_PROPERTIES_MODE,       kStaticClass, " "},
  {kSunkenLineStyle,   5,  83, 214,  1, kNoControlId,              kStaticClass, " "},
  {kStaticRightStyle, 17,  90,  35,  8, kNoControlId,              kStaticClass, "MS DOS:"},
  {kStaticLeftStyle,  60,  90, 150,  8, IDC_PROPERTIES_SHORT_NAME, kStaticClass, " "},
  {kStaticRightStyle, 17, 105,  35,  8, kNoControlId,              kStaticClass, "Created:"},
  {kStaticLeftStyle,  60, 105, 150,  8, IDC_PROPERTIES_CREATED,    kStaticClass, " "},
  {kStaticRightStyle, 17, 115,  35,  8, kNoControlId,              kStaticClass, "Modified:"},
  {kStaticLeftStyle,  60, 115, 150,  8, IDC_PROPERTIES_MODIFIED,   kStaticClass, " "},
  {kStaticRightStyle, 17, 125,  35,  8, kNoControlId,              kStaticClass, "Accessed:"},
  {kStaticLeftStyle,  60, 125, 150,  8, IDC_PROPERTIES_ACCESSED,   kStaticClass, " "},
  {kSunkenLineStyle,   5, 138, 214,  1, kNoControlId,              kStaticClass, " "},
  {kPlainPushButtonStyle, 165, 145, 40, 14, IDOK,                  kButtonClass, "OK"},
};
// clang-format on

// The icon shown in the open box, destroyed when the box ends when it was extracted for it.
struct OpenBox {
  const char* path;
  HICON icon = nullptr;
  bool iconOwned = false;
};

void EndBox(HWND box, int result) {
  StoreWindowPosition(box, &dialogPositions.property);
  EndDialog(box, result);
}

}  // namespace

HICON DefaultFileType(char* typeText) {
  if (typeText) CopyText(typeText, "Document");
  return LoadIconA(nullptr, MAKEINTRESOURCEA(32517));  // IDI_WINLOGO
}

HICON GetFileTypeInfo(const char* extension, char* typeText, bool* owned) {
  if (owned) *owned = false;
  const std::string ext = extension ? extension : "";
  const std::string className = ClassValue(!ext.empty() && ext[0] == '.' ? ext : "." + ext);
  if (className.empty()) return DefaultFileType(typeText);
  const std::string description = ClassValue(className);
  if (description.empty()) return DefaultFileType(typeText);
  if (typeText) CopyText(typeText, description.c_str());
  std::string iconPlace = ClassValue(className + "\\DefaultIcon");
  const std::size_t comma = iconPlace.rfind(',');
  if (iconPlace.empty() || comma == std::string::npos || comma == 0 || comma + 1 == iconPlace.size())
    return DefaultFileType(typeText);
  std::string file = iconPlace.substr(0, comma);
  if (file.size() >= 2 && file.front() == '"' && file.back() == '"') file = file.substr(1, file.size() - 2);
  const int index = std::atoi(iconPlace.c_str() + comma + 1);
  HICON icon = ExtractIconA(instanceHandle, file.c_str(), static_cast<UINT>(index));
  if (reinterpret_cast<UINT_PTR>(icon) <= 1) return DefaultFileType(typeText);
  if (owned) *owned = true;
  return icon;
}

int FormatFileTime(const FILETIME& time, char* buffer) {
  buffer[0] = '\0';
  if (time.dwLowDateTime == 0 && time.dwHighDateTime == 0) return 0;
  SYSTEMTIME universal, local;
  if (!FileTimeToSystemTime(&time, &universal) || !SystemTimeToTzSpecificLocalTime(nullptr, &universal, &local))
    return 0;
  CalendarFields fields;
  fields.year = local.wYear;
  fields.month = local.wMonth;
  fields.dayOfWeek = local.wDayOfWeek;
  fields.day = local.wDay;
  fields.hour = local.wHour;
  fields.minute = local.wMinute;
  CopyText(buffer, FormatFileTime(fields).c_str());
  return 1;
}

int GetFileDetails(const char* path, FileDetails* details) {
  if (!details) return 0;
  std::memset(details, 0, sizeof *details);
  WIN32_FIND_DATAA found;
  HANDLE search = path && *path ? FindFirstFileA(path, &found) : INVALID_HANDLE_VALUE;
  if (search == INVALID_HANDLE_VALUE) return 0;
  FindClose(search);

  GetPathFileName(path, details->name, sizeof details->name);
  GetPathDir(path, details->location, sizeof details->location);
  if (!details->name[0]) CopyText(details->name, path);  // a bare name without a folder
  char extension[kDetailTextSize] = "";
  GetPathExtension(details->name, extension, sizeof extension);
  CopyText(details->shortName, found.cAlternateFileName[0] ? found.cAlternateFileName : details->name);
  CharUpperA(details->shortName);
  details->icon = GetFileTypeInfo(extension, details->type, &details->iconOwned);
  details->size = found.nFileSizeLow;
  details->created = found.ftCreationTime;
  details->accessed = found.ftLastAccessTime;
  details->modified = found.ftLastWriteTime;
  FormatFileTime(details->created, details->createdText);
  FormatFileTime(details->modified, details->modifiedText);
  FormatFileTime(details->accessed, details->accessedText);
  details->readOnly = (found.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
  CopyText(details->sizeText, FileSizeText(details->size).c_str());
  return 1;
}

TemplateBlock BuildFilePropertiesTemplate() {
  return BuildPageTemplate({kDialogPageStyle, 40, 50, 225, 165, " File Properties", 8, "MS Sans Serif"}, kBoxControls);
}

void FilePropertiesInit(HWND box, const char* path) {
  auto* open = reinterpret_cast<OpenBox*>(GetWindowLongPtrA(box, DWLP_USER));
  FileDetails details;
  GetFileDetails(path, &details);
  HICON icon = details.icon ? details.icon : LoadIconA(instanceHandle, MAKEINTRESOURCEA(IDI_DOCUMENT));
  SendDlgItemMessageA(box, IDC_PROPERTIES_ICON, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
  if (open) {
    open->icon = details.icon;
    open->iconOwned = details.iconOwned;
  } else if (details.iconOwned) {
    DestroyIcon(details.icon);  // nobody would destroy it later
  }
  const std::pair<int, const char*> values[] = {
      {IDC_PROPERTIES_NAME, details.name},          {IDC_PROPERTIES_TYPE, details.type},
      {IDC_PROPERTIES_LOCATION, details.location},  {IDC_PROPERTIES_SIZE, details.sizeText},
      {IDC_PROPERTIES_SHORT_NAME, details.shortName}, {IDC_PROPERTIES_CREATED, details.createdText},
      {IDC_PROPERTIES_MODIFIED, details.modifiedText}, {IDC_PROPERTIES_ACCESSED, details.accessedText}};
  for (const auto& [control, text] : values) SetDlgItemTextF(box, control, "%s", text);
  SetDlgItemTextF(box, IDC_PROPERTIES_MODE, "%s Access", details.readOnly ? "Read Only" : "Read / Write");
  PlaceAtStoredPosition(box, &dialogPositions.property, kSheetMargin);
}

INT_PTR CALLBACK FilePropertiesProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    switch (message) {
      case WM_INITDIALOG: {
        auto* open = reinterpret_cast<OpenBox*>(lParam);
        SetWindowLongPtrA(box, DWLP_USER, lParam);
        FilePropertiesInit(box, open ? open->path : nullptr);
        if (Driver()) PostMessageA(box, kDriveBoxMessage, 0, 0);
        return TRUE;
      }
      case kDriveBoxMessage:
        if (Driver()) Driver()(box);
        return TRUE;
      case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
          EndBox(box, LOWORD(wParam));
          return TRUE;
        }
        return FALSE;
      default:
        return FALSE;
    }
  } catch (...) {
    return FALSE;
  }
}

int FilePropertiesDialog(HWND owner, const char* path) {
  ShowStatus(ID_FILE_PROPERTIES);
  TemplateBlock block = BuildFilePropertiesTemplate();
  if (!block) return 0;
  RunBeforeModalHook();
  OpenBox open{path};
  DialogBoxIndirectParamA(instanceHandle, block.get(), owner, FilePropertiesProc, reinterpret_cast<LPARAM>(&open));
  if (open.iconOwned && open.icon) DestroyIcon(open.icon);
  block.Free();
  if (owner) {
    InvalidateRect(owner, nullptr, TRUE);
    UpdateWindow(owner);
  }
  return 1;
}

FilePropertiesDriver SetFilePropertiesDriver(FilePropertiesDriver driver) {
  return std::exchange(Driver(), std::move(driver));
}

}  // namespace editor
