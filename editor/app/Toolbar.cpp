// The toolbar: buttons from the table in ToolbarLayout, pictures from the strip bitmap, layouts
// kept by the control's own save and restore, and the answers to its customisation and tool tip
// requests.
#include "editor/app/Toolbar.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "common/win32/Handles.h"
#include "editor/app/EditorState.h"
#include "editor/app/FrameGlobals.h"
#include "editor/app/StatusBar.h"
#include "editor/support/EditorSupport.h"
#include "resources/quillet_ids.h"

namespace editor {

using namespace support;  // the support library serves the whole application

namespace {

constexpr UINT_PTR kToolbarSubclassId = 1;
constexpr DWORD kCustomizeHelpTopic = 550;

// Set while the control restores a layout: it reports the restore as a customisation of its own
// (begin and end), which must neither show the hint nor store the layout and the settings.
bool restoringLayout = false;

using ButtonStates = std::vector<std::pair<int, BYTE>>;

// The states of the toolbar's buttons, to give them back after their layout changed.
ButtonStates CurrentButtonStates() {
  ButtonStates states;
  const int count = static_cast<int>(SendMessageA(toolbarWindow, TB_BUTTONCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    TBBUTTON button{};
    if (SendMessageA(toolbarWindow, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button)) &&
        !(button.fsStyle & BTNS_SEP))
      states.emplace_back(button.idCommand, button.fsState);
  }
  return states;
}

BYTE KeptState(const ButtonStates& states, int command) {
  const auto kept = std::find_if(states.begin(), states.end(), [command](const auto& item) { return item.first == command; });
  return kept != states.end() ? kept->second : static_cast<BYTE>(TBSTATE_ENABLED);
}

// The key of the stored layouts: "<settings root>\DeskTop\Window\ToolBar" under the current
// user; empty without a settings root (the control keeps layouts in the registry only).
std::string LayoutKeyPath() {
  const std::string& root = GetSettingsRoot();
  return root.empty() ? std::string() : root + "\\" + kToolbarLayoutSection;
}

bool SaveOrRestore(BOOL save, const char* name) {
  const std::string key = LayoutKeyPath();
  if (key.empty()) return false;
  TBSAVEPARAMSA params{HKEY_CURRENT_USER, key.c_str(), name};
  return SendMessageA(toolbarWindow, TB_SAVERESTOREA, save, reinterpret_cast<LPARAM>(&params)) != FALSE;
}

constexpr COLORREF ToColorRef(unsigned rgb) {
  return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

// The strip's background becomes the button face; the image list masks it out as well, so the
// disabled pictures are drawn from the picture alone.
HIMAGELIST MakeToolbarImages() {
  COLORMAP background{ToColorRef(TOOLBAR_BACKGROUND_RGB), GetSysColor(COLOR_BTNFACE)};
  win32::UniqueBitmap strip(CreateMappedBitmap(instanceHandle, IDB_TOOLBAR, 0, &background, 1));
  if (!strip.get()) return nullptr;
  win32::UniqueImageList images(ImageList_Create(TOOLBAR_IMAGE_SIZE, TOOLBAR_IMAGE_SIZE, ILC_COLOR24 | ILC_MASK,
                                                 TOOLBAR_IMAGE_COUNT, 0));
  if (!images || ImageList_AddMasked(images.get(), strip.get(), background.to) < 0) return nullptr;
  return images.release();
}

// The toolbar does not own the image list it is given; it goes with the toolbar here, and the
// global handle is cleared so that nobody uses a destroyed toolbar.
LRESULT CALLBACK ToolbarSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR id, DWORD_PTR) {
  if (message == WM_NCDESTROY) {
    win32::UniqueImageList images(reinterpret_cast<HIMAGELIST>(SendMessageA(window, TB_SETIMAGELIST, 0, 0)));
    RemoveWindowSubclass(window, ToolbarSubclassProc, id);
    if (toolbarWindow == window) toolbarWindow = nullptr;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

TBBUTTON MakeButton(int command, BYTE state) {
  TBBUTTON button{};
  const ToolbarEntry* entry = FindToolbarButton(command);
  if (entry) {
    button.iBitmap = entry->image;
    button.idCommand = entry->command;
    button.fsState = state;
    button.fsStyle = BTNS_BUTTON;
  } else {
    button.fsStyle = BTNS_SEP;
  }
  button.iString = -1;
  return button;
}

// The tool tip and customisation text of a command: string command id + 1000.
int LoadButtonText(int command, char* buffer, int capacity) {
  if (!buffer || capacity <= 0) return 0;
  buffer[0] = '\0';
  if (command == 0) return 0;
  return LoadHintText(static_cast<unsigned>(command) + TOOLTIP_ID_OFFSET, buffer, capacity);
}

// Button texts are short (below 80 characters); a buffer smaller than the text gets its start.
void CopyToWide(const char* text, wchar_t* buffer, int capacity) {
  if (!buffer || capacity <= 0) return;
  wchar_t wide[80];
  if (MultiByteToWideChar(CP_ACP, 0, text, -1, wide, 80) == 0) wide[0] = L'\0';
  int length = 0;
  while (length < capacity - 1 && wide[length] != L'\0') {
    buffer[length] = wide[length];
    ++length;
  }
  buffer[length] = L'\0';
}

// Answers the customisation dialog's request for table entry `index`: FALSE past the table.
template <typename Notification, typename Char>
LRESULT AnswerButtonInfo(Notification* info, Char* text, int capacity) {
  const ToolbarEntry* entry = info->iItem >= 0 ? ToolbarEntryAt(static_cast<std::size_t>(info->iItem)) : nullptr;
  if (!entry) return FALSE;
  info->tbButton = MakeButton(entry->command, TBSTATE_ENABLED);
  char name[80] = "";
  LoadButtonText(entry->command, name, sizeof name);
  if constexpr (sizeof(Char) == 1) {
    if (text && capacity > 0) CopyText(text, static_cast<std::size_t>(capacity), name);
  } else {
    CopyToWide(name, text, capacity);
  }
  return TRUE;
}

// The tip is copied into the request's own buffer, which lives until the tool tip has taken it.
template <typename Request>
void AnswerTipText(Request* request) {
  char tip[80] = "";
  if (editorState.Tips) LoadButtonText(static_cast<int>(request->hdr.idFrom), tip, sizeof tip);
  if constexpr (sizeof(request->szText[0]) == 1) {
    CopyText(request->szText, sizeof request->szText, tip);
  } else {
    CopyToWide(tip, request->szText, static_cast<int>(sizeof request->szText / sizeof request->szText[0]));
  }
  request->lpszText = request->szText;
  request->hinst = nullptr;
}

// Fills in one button the control restores from a stored layout: the stored record gives the
// command (a separator is stored as command 0, or flagged as one), the table the rest. A command
// without a button is left to the control; what it then makes of it is checked afterwards.
void AnswerRestore(NMTBRESTORE* restore) {
  if (restore->iItem < 0) return;  // the header: go on with the buttons
  TBBUTTON& button = restore->tbButton;
  if ((button.fsStyle & BTNS_SEP) || button.idCommand == 0) {
    button = MakeButton(0, 0);
  } else if (FindToolbarButton(button.idCommand)) {
    button = MakeButton(button.idCommand, TBSTATE_ENABLED);
  }
}

void ShowCustomizeHelp() {
  if (!WinHelpA(frameWindow, helpPath, HELP_CONTEXT, kCustomizeHelpTopic))
    InfoBox(frameWindow, IDS_PROGRAM_NAME, MSG_HELP_TOPIC_MISSING, kCustomizeHelpTopic,
            static_cast<int>(GetLastError()));
}

bool AnswerToolbarNotify(NMHDR* header, LRESULT& result) {
  result = 0;
  if (header->code == TTN_GETDISPINFOA || header->code == TTN_GETDISPINFOW) {
    HWND tips = reinterpret_cast<HWND>(SendMessageA(toolbarWindow, TB_GETTOOLTIPS, 0, 0));
    if (!tips || header->hwndFrom != tips) return false;
    if (header->code == TTN_GETDISPINFOA)
      AnswerTipText(reinterpret_cast<NMTTDISPINFOA*>(header));
    else
      AnswerTipText(reinterpret_cast<NMTTDISPINFOW*>(header));
    return true;
  }
  if (header->hwndFrom != toolbarWindow) return false;
  switch (header->code) {
    case TBN_CUSTHELP:
      ShowCustomizeHelp();
      return true;
    case TBN_QUERYINSERT:
    case TBN_QUERYDELETE:
      result = TRUE;
      return true;
    case TBN_RESTORE:
      AnswerRestore(reinterpret_cast<NMTBRESTORE*>(header));
      return true;
    case TBN_RESET:
      // The built-in layout stands in when the stored one cannot be read.
      if (!RestoreToolbarLayout(kStandardLayoutName)) ApplyToolbarLayout(StandardToolbarLayout());
      return true;
    case TBN_BEGINADJUST:
      if (!restoringLayout) ShowStatus(ID_VIEW_CUSTOMIZE_TOOLBAR);
      return true;
    case TBN_ENDADJUST:
      if (restoringLayout) return true;
      SaveToolbarLayout(kCustomLayoutName);
      SaveSettings();
      return true;
    case TBN_GETBUTTONINFOA: {
      auto* info = reinterpret_cast<NMTOOLBARA*>(header);
      result = AnswerButtonInfo(info, info->pszText, info->cchText);
      return true;
    }
    case TBN_GETBUTTONINFOW: {
      auto* info = reinterpret_cast<NMTOOLBARW*>(header);
      result = AnswerButtonInfo(info, info->pszText, info->cchText);
      return true;
    }
    default:
      return false;
  }
}

}  // namespace

bool CreateToolbarWindow(HWND frame) {
  HWND toolbar = CreateWindowExA(
      0, TOOLBARCLASSNAMEA, nullptr,
      WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TBSTYLE_TOOLTIPS | CCS_ADJUSTABLE | CCS_TOP, 0, 0, 0, 0,
      frame, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_TOOLBAR)), instanceHandle, nullptr);
  if (!toolbar) return false;
  SendMessageA(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  win32::UniqueImageList images(MakeToolbarImages());
  if (images && SetWindowSubclass(toolbar, ToolbarSubclassProc, kToolbarSubclassId, 0))
    SendMessageA(toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images.release()));
  toolbarWindow = toolbar;
  try {
    ApplyToolbarLayout(StandardToolbarLayout());
  } catch (...) {  // out of memory: the frame cannot be made
    DestroyWindow(toolbar);
    toolbarWindow = nullptr;
    return false;
  }
  SaveToolbarLayout(kStandardLayoutName);
  RestoreToolbarLayout(kCustomLayoutName);
  if (!editorState.ToolBar) ShowWindow(toolbar, SW_HIDE);
  return true;
}

void CustomizeToolbar() {
  if (toolbarWindow && editorState.ToolBar) SendMessageA(toolbarWindow, TB_CUSTOMIZE, 0, 0);
}

ToolbarLayout GetToolbarLayout() {
  ToolbarLayout layout;
  if (!toolbarWindow) return layout;
  const int count = static_cast<int>(SendMessageA(toolbarWindow, TB_BUTTONCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    TBBUTTON button{};
    if (!SendMessageA(toolbarWindow, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button))) continue;
    layout.push_back((button.fsStyle & BTNS_SEP) ? 0 : button.idCommand);
  }
  return layout;
}

void ApplyToolbarLayout(const ToolbarLayout& layout) {
  if (!toolbarWindow) return;
  // Everything that allocates comes before the toolbar is touched.
  const int count = static_cast<int>(SendMessageA(toolbarWindow, TB_BUTTONCOUNT, 0, 0));
  const ButtonStates states = CurrentButtonStates();
  std::vector<TBBUTTON> buttons;
  for (int command : layout) {
    if (command != 0 && !FindToolbarButton(command)) continue;
    buttons.push_back(MakeButton(command, command != 0 ? KeptState(states, command) : TBSTATE_ENABLED));
  }
  for (int i = count; i > 0; --i) SendMessageA(toolbarWindow, TB_DELETEBUTTON, i - 1, 0);
  if (!buttons.empty())
    SendMessageA(toolbarWindow, TB_ADDBUTTONSA, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
  SendMessageA(toolbarWindow, TB_AUTOSIZE, 0, 0);
  InvalidateRect(toolbarWindow, nullptr, TRUE);
}

void SaveToolbarLayout(const char* name) {
  if (toolbarWindow && name) SaveOrRestore(TRUE, name);
}

bool RestoreToolbarLayout(const char* name) {
  if (!toolbarWindow || !name) return false;
  try {
    const ToolbarLayout before = GetToolbarLayout();
    const ButtonStates states = CurrentButtonStates();
    restoringLayout = true;
    const bool restored = SaveOrRestore(FALSE, name);
    restoringLayout = false;
    // What the control put back must be a layout of this toolbar; anything else (a value written
    // by something else) gives way to the buttons it replaced.
    const ToolbarLayout after = GetToolbarLayout();
    const bool valid = restored && IsToolbarLayout(after);
    if (!valid && after != before) ApplyToolbarLayout(before);
    for (const auto& [command, state] : states) {
      if (SendMessageA(toolbarWindow, TB_GETSTATE, command, 0) != -1)
        SendMessageA(toolbarWindow, TB_SETSTATE, command, MAKELPARAM(state, 0));
    }
    return valid;
  } catch (...) {  // out of memory: the toolbar keeps what it has
    restoringLayout = false;
    return false;
  }
}

bool HandleToolbarNotify(NMHDR* header, LRESULT& result) {
  if (!header || !toolbarWindow) return false;
  try {
    return AnswerToolbarNotify(header, result);
  } catch (...) {  // out of memory for a layout: nothing may leave the frame's procedure
    result = 0;
    return true;
  }
}

void SetToolButtonState(UINT command, bool enabled) {
  if (!toolbarWindow || command == 0) return;
  const LRESULT current = SendMessageA(toolbarWindow, TB_GETSTATE, command, 0);
  if (current == -1) return;
  const BYTE old = static_cast<BYTE>(current);
  BYTE state = old & ~(TBSTATE_ENABLED | TBSTATE_INDETERMINATE | TBSTATE_HIDDEN);
  state |= enabled ? TBSTATE_ENABLED : TBSTATE_INDETERMINATE;
  if (state != old) SendMessageA(toolbarWindow, TB_SETSTATE, command, MAKELPARAM(state, 0));
}

void CheckToolButton(UINT command, bool pressed) {
  if (!toolbarWindow || command == 0) return;
  const LRESULT current = SendMessageA(toolbarWindow, TB_GETSTATE, command, 0);
  if (current == -1) return;
  const BYTE old = static_cast<BYTE>(current);
  BYTE state = old & ~(TBSTATE_CHECKED | TBSTATE_HIDDEN);
  if (pressed) state |= TBSTATE_CHECKED;
  if (state != old) SendMessageA(toolbarWindow, TB_SETSTATE, command, MAKELPARAM(state, 0));
}

void ToggleToolbar() {
  editorState.ToolBar = editorState.ToolBar ? 0 : 1;
  if (toolbarWindow) ShowWindow(toolbarWindow, editorState.ToolBar ? SW_SHOW : SW_HIDE);
  RequestFrameLayout();
}

}  // namespace editor
