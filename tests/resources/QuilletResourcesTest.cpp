// Checks Quillet's compiled resources, linked into this program, against the command tables:
// menus, keys, strings, pictures, dialog templates and the version information.
#include <windows.h>
#include <commctrl.h>
#include <dlgs.h>
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "quillet_ids.h"

namespace {

HINSTANCE Module() { return GetModuleHandleA(nullptr); }

std::string LoadText(UINT id) {
  char buffer[1024] = {};
  int length = LoadStringA(Module(), id, buffer, sizeof buffer);
  return std::string(buffer, length > 0 ? length : 0);
}

std::string MenuText(HMENU menu, UINT item, UINT flags) {
  char buffer[256] = {};
  int length = GetMenuStringA(menu, item, buffer, sizeof buffer, flags);
  return std::string(buffer, length > 0 ? length : 0);
}

struct MenuItem {
  UINT id;
  int popup;  // index of the top-level popup that holds it
  const char* text;
};

// clang-format off
const MenuItem kMenuItems[] = {
    {ID_FILE_NEW, 0, "&New...\tCtrl+N"},
    {ID_FILE_OPEN, 0, "&Open...\tCtrl+O"},
    {ID_FILE_PROPERTIES, 0, "P&roperties"},
    {ID_FILE_CLOSE, 0, "&Close\tCtrl+W"},
    {ID_FILE_SAVE, 0, "&Save\tCtrl+S"},
    {ID_FILE_SAVE_AS, 0, "Save &As..."},
    {ID_FILE_DISCARD, 0, "&Discard..."},
    {ID_FILE_SAVE_ALL, 0, "Sa&ve All"},
    {ID_FILE_PAGE_SETUP, 0, "Pa&ge Setup..."},
    {ID_FILE_PRINTER_SETUP, 0, "Printer Set&up..."},
    {ID_FILE_PRINT, 0, "&Print...\tCtrl+P"},
    {ID_FILE_OPTIONS, 0, "Op&tions..."},
    {ID_FILE_RECENT_1, 0, "&1  Undefined"},
    {ID_FILE_RECENT_5, 0, "&5  Undefined"},
    {ID_FILE_RECENT_9, 0, "&9  Undefined"},
    {ID_FILE_EXIT, 0, "E&xit\tCtrl+Q"},
    {ID_EDIT_UNDO, 1, "&Undo\tCtrl+Z"},
    {ID_EDIT_CUT, 1, "Cu&t\tCtrl+X"},
    {ID_EDIT_COPY, 1, "&Copy\tCtrl+C"},
    {ID_EDIT_PASTE, 1, "&Paste\tCtrl+V"},
    {ID_EDIT_DELETE, 1, "&Delete\tDel"},
    {ID_EDIT_SELECT_ALL, 1, "Select &All\tCtrl+A"},
    {ID_EDIT_SAVE_SELECTION, 1, "&Save Selection As..."},
    {ID_EDIT_INSERT_FILE, 1, "&Insert File..."},
    {ID_EDIT_INSERT_DATE, 1, "Insert D&ate\tCtrl+D"},
    {ID_EDIT_FIND, 1, "&Find...\tCtrl+F"},
    {ID_EDIT_REPLACE, 1, "&Replace...\tCtrl+R"},
    {ID_EDIT_SORT, 1, "Sort S&election...\tAlt+S"},
    {ID_EDIT_LOWERCASE, 1, "&Lowercase\tAlt+L"},
    {ID_EDIT_UPPERCASE, 1, "U&ppercase\tAlt+U"},
    {ID_EDIT_READ_ONLY, 1, "Read &Only"},
    {ID_EDIT_SHOW_CLIPBOARD, 1, "Show Clip&board"},
    {ID_VIEW_TOOLBAR, 2, "&Toolbar"},
    {ID_VIEW_STATUS_BAR, 2, "&Status Bar"},
    {ID_VIEW_CUSTOMIZE_TOOLBAR, 2, "&Customize..."},
    {ID_VIEW_WORD_WRAP, 2, "&Word Wrap"},
    {ID_VIEW_GO_TO_LINE, 2, "&Go to Line...\tCtrl+G"},
    {ID_VIEW_OEM_TO_ANSI, 2, "&OEM to ANSI"},
    {ID_VIEW_ANSI_TO_OEM, 2, "A&NSI to OEM"},
    {ID_VIEW_DISPLAY_FONT, 2, "&Display Font..."},
    {ID_VIEW_PRINTER_FONT, 2, "&Printer Font..."},
    {ID_VIEW_MINIMIZE, 2, "&Minimize\tCtrl+Y"},
    {ID_VIEW_ALWAYS_ON_TOP, 2, "&Always on Top\tCtrl+T"},
    {ID_VIEW_REFRESH, 2, "&Refresh\tF5"},
    {ID_TOOL_1, 3, "&1  Undefined..."},
    {ID_TOOL_9, 3, "&9  Undefined..."},
    {ID_TOOLS_CUSTOMIZE, 3, "&Customize Tools..."},
    {ID_MACRO_1, 4, "&1  Undefined..."},
    {ID_MACRO_9, 4, "&9  Undefined..."},
    {ID_MACROS_CUSTOMIZE, 4, "&Customize Macros..."},
    {ID_WINDOWS_TILE_VERTICALLY, 5, "Tile &Vertically\tF7"},
    {ID_WINDOWS_TILE_HORIZONTALLY, 5, "Tile &Horizontally\tF4"},
    {ID_WINDOWS_CASCADE, 5, "&Cascade\tF6"},
    {ID_WINDOWS_ARRANGE_ICONS, 5, "Arrange &Icons\tF8"},
    {ID_WINDOWS_DUPLICATE, 5, "&Duplicate"},
    {ID_WINDOWS_CLOSE_ALL, 5, "Close &All"},
    {ID_WINDOWS_OPEN_LIST, 5, "Open a &List...\tCtrl+L"},
    {ID_WINDOWS_BUILD_LIST, 5, "&Build a List...\tCtrl+B"},
    {ID_WINDOWS_ERROR_CODES, 5, "&Error Codes...\tCtrl+E"},
    {ID_WINDOWS_ASCII_CHART, 5, "A&SCII Chart..."},
    {ID_WINDOWS_SYSEDIT_FILES, 5, "SysEdit &Files..."},
    {ID_HELP_CONTENTS, 6, "&Contents\tF1"},
    {ID_HELP_SEARCH, 6, "&Search..."},
    {ID_HELP_HOW_TO_USE, 6, "&How to Use Help"},
    {ID_HELP_SETUP, 6, "Set&up..."},
    {ID_HELP_ABOUT, 6, "&About Quillet..."},
};

// Every command of menu 1000.
std::vector<UINT> AllCommands() {
  std::vector<UINT> ids = {
      ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_PROPERTIES, ID_FILE_CLOSE, ID_FILE_SAVE, ID_FILE_SAVE_AS,
      ID_FILE_DISCARD, ID_FILE_SAVE_ALL, ID_FILE_PAGE_SETUP, ID_FILE_PRINT, ID_FILE_PRINTER_SETUP,
      ID_FILE_OPTIONS, ID_FILE_EXIT, ID_EDIT_UNDO, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE,
      ID_EDIT_DELETE, ID_EDIT_SELECT_ALL, ID_EDIT_SAVE_SELECTION, ID_EDIT_INSERT_FILE,
      ID_EDIT_INSERT_DATE, ID_EDIT_FIND, ID_EDIT_REPLACE, ID_EDIT_SORT, ID_EDIT_LOWERCASE,
      ID_EDIT_UPPERCASE, ID_EDIT_READ_ONLY, ID_EDIT_SHOW_CLIPBOARD, ID_VIEW_STATUS_BAR,
      ID_VIEW_TOOLBAR, ID_VIEW_CUSTOMIZE_TOOLBAR, ID_VIEW_REFRESH, ID_VIEW_GO_TO_LINE,
      ID_VIEW_WORD_WRAP, ID_VIEW_OEM_TO_ANSI, ID_VIEW_ANSI_TO_OEM, ID_VIEW_MINIMIZE,
      ID_VIEW_ALWAYS_ON_TOP, ID_VIEW_DISPLAY_FONT, ID_VIEW_PRINTER_FONT, ID_TOOLS_CUSTOMIZE,
      ID_MACROS_CUSTOMIZE, ID_WINDOWS_DUPLICATE, ID_WINDOWS_OPEN_LIST, ID_WINDOWS_BUILD_LIST,
      ID_WINDOWS_SYSEDIT_FILES, ID_WINDOWS_ERROR_CODES, ID_WINDOWS_ASCII_CHART,
      ID_WINDOWS_TILE_VERTICALLY, ID_WINDOWS_TILE_HORIZONTALLY, ID_WINDOWS_CASCADE,
      ID_WINDOWS_ARRANGE_ICONS, ID_WINDOWS_CLOSE_ALL, ID_HELP_SETUP, ID_HELP_CONTENTS,
      ID_HELP_SEARCH, ID_HELP_HOW_TO_USE, ID_HELP_ABOUT};
  for (UINT n = 0; n < 9; ++n) {
    ids.push_back(ID_FILE_RECENT_FIRST + n);
    ids.push_back(ID_TOOL_FIRST + n);
    ids.push_back(ID_MACRO_FIRST + n);
  }
  return ids;
}

struct Accelerator {
  UINT command;
  WORD key;
  BYTE modifiers;  // FCONTROL, FALT or 0
};

const Accelerator kAccelerators[] = {
    {ID_FILE_NEW, 'N', FCONTROL},       {ID_FILE_OPEN, 'O', FCONTROL},
    {ID_FILE_PROPERTIES, VK_RETURN, FALT}, {ID_FILE_CLOSE, 'W', FCONTROL},
    {ID_FILE_SAVE, 'S', FCONTROL},      {ID_FILE_PRINT, 'P', FCONTROL},
    {ID_FILE_EXIT, 'Q', FCONTROL},      {ID_EDIT_PASTE, 'V', FCONTROL},
    {ID_EDIT_SELECT_ALL, 'A', FCONTROL}, {ID_EDIT_INSERT_DATE, 'D', FCONTROL},
    {ID_EDIT_FIND, 'F', FCONTROL},      {ID_EDIT_REPLACE, 'R', FCONTROL},
    {ID_EDIT_SORT, 'S', FALT},          {ID_EDIT_LOWERCASE, 'L', FALT},
    {ID_EDIT_UPPERCASE, 'U', FALT},     {ID_VIEW_GO_TO_LINE, 'G', FCONTROL},
    {ID_VIEW_MINIMIZE, 'Y', FCONTROL},  {ID_VIEW_ALWAYS_ON_TOP, 'T', FCONTROL},
    {ID_VIEW_REFRESH, VK_F5, 0},        {ID_WINDOWS_TILE_VERTICALLY, VK_F7, 0},
    {ID_WINDOWS_TILE_HORIZONTALLY, VK_F4, 0}, {ID_WINDOWS_CASCADE, VK_F6, 0},
    {ID_WINDOWS_ARRANGE_ICONS, VK_F8, 0}, {ID_WINDOWS_OPEN_LIST, 'L', FCONTROL},
    {ID_WINDOWS_BUILD_LIST, 'B', FCONTROL}, {ID_WINDOWS_ERROR_CODES, 'E', FCONTROL},
    {ID_HELP_CONTENTS, VK_F1, 0},
};

struct Text {
  UINT id;
  const char* text;
};

// Texts fixed word for word: tool tips, hints, titles and messages.
const Text kFixedTexts[] = {
    {IDS_PROGRAM_NAME, "Quillet"},
    {IDS_PRODUCT_NAME, "Quillet for Windows 95/NT"},
    {IDS_DEFAULT_OPEN_FILTER, "Text Files|*.txt;*.htm*;*.log;*.err;*.lst|Source Code|*.c;*.h;*.cpp;*.rc;*.def;*.hpj|"
                              "Assembler|*.asm;*.inc;*.equ;*.mac;*.map|Initialization|*.bat;*.ini;*.cfg;*.sys;*.mak|"
                              "Language|*.pas;*.for;*.lst;*.cod|All Files|*.*|"},
    {IDS_OPEN_TITLE, "Open Text Files"},
    {IDS_SAVE_AS_TITLE, "Save Text File As"},
    {IDS_LINE_END_TYPES, "Windows|*.*|Macintosh|*.*|Unix|*.*|"},
    {IDS_TOOL_PROGRAM_TITLE, "Select an Application for this Tool"},
    {IDS_TOOL_PROGRAM_FILTER, "Applications|*.exe;*.com;*.bat;*.pif;*.lnk|"},
    {IDS_PRINT_JOB_NAME, "Quillet - %s"},
    {IDS_UNTITLED_NAME, "New%d"},
    {IDS_VERSION, "Version 3.7"},
    {IDS_DESCRIPTION, "MDI Text Editor for Windows 95/NT"},
    {IDS_LIST_NAME, "List%d"},
    {IDS_SAVE_SELECTION_TITLE, "Save Selected Text As"},
    {IDS_LIST_OPEN_TITLE, "Open an Indirect File List"},
    {IDS_LIST_FILTER, "Indirect File Lists|*.lst|All Files|*.*|"},
    {IDS_LIST_EXTENSION, "lst"},
    {IDS_LIST_SAVE_TITLE, "Save Indirect File List As"},
    {IDS_EDIT_CONTROL_FAILED, "Cannot create child edit control"},
    {IDS_INI_FILE_READ_ONLY, "File: %s\r\rCannot edit the active initialization file\rWould you like to open it as Read-Only?"},
    {IDS_INI_FILE_IN_USE, "File: %s\r\rCannot edit the initialization file\rThis file is being used by Quillet!"},
    {IDS_RECENT_FILE_MISSING, "File: %s\r\rThis file cannot be found on the disk\rIt will be removed from the File menu."},
    {IDS_OUT_OF_BUFFER_SPACE, "\rNot enought buffer space is available for this document\r\rTry closing other Quillet windows."},
    {IDS_INVALID_LINE_NUMBER, "\r\rInvalid line number (%d)\r\rEnter a line number between 1 and %d please"},
    {IDS_TEXT_BUFFER_FULL, "\rThe text buffer for this window is full\r\rQuillet documents are limited to 1 Megabyte\r"
                           "Please save your work in smaller files."},
    {IDS_LIST_OPEN_FAILED, "File: %s\r\rCannot open this indirect load file\rError Code: %d"},
    {IDS_LIST_UNSAVED_DOCUMENT, "File: %s\r\rThis file has not been saved to disk\rIndirect list building canceled.\r"
                                "Save or close this window and try again."},
    {IDS_DELETE_TOOL, "\rTool: %s\r\rDelete this Quillet tool menu item?"},
    {IDS_TOOL_NAME_MISSING, "\rActive Quillet tools require a menu item name\r\rPlease specify a name for this Quillet tool."},
    {IDS_TOOL_PROGRAM_MISSING, "\rActive Quillet tools require a program name\r\rPlease specify an application for this tool."},
    {IDS_DELETE_MACRO, "\rMacro: %s\r\rDelete this Quillet macro menu item?"},
    {IDS_MACRO_NAME_MISSING, "\rActive Quillet macros require a menu item name\r\rPlease specify a name for this Quillet macro."},
    {IDS_MACRO_TEXT_MISSING, "\rActive Quillet macros require a text string\r\rPlease specify a text string for this macro."},
    {IDS_SYSEDIT_FILE_TITLE, "Select Files to be used in the SysEdit Mode"},
    {IDS_SYSEDIT_FILE_FILTER, "SysEdit Files|*.bat;*.ini;*.sys;*.inf;*.txt;*.cfg|All Files|*.*|"},
    {IDS_INSERT_FILE_TITLE, "Select the Text File to Insert into this Document"},
    {IDS_SORT_ERROR_TITLE, " Sort Selection Error"},
    {IDS_SORT_LINES_SELECTED, "%u lines selected for sorting  (%u - %u)"},
    {IDS_SORT_PARTIAL_LINES, "\rPlease select at least two complete lines of text\rfor alphabetical sorting operations.\r\r"
                             "Partially selected lines of text can not be sorted."},
    {IDS_SORT_UNDERWAY, "Sorting underway..."},
    {IDS_SORT_COMPLETED, "Sorting of %d lines completed"},
    {IDS_SORT_CANCELED, "Sorting canceled by user"},
    {IDS_TIME_STAMP_PAGE_STATUS, "Specify the date and time stamp format"},
    {IDS_GO_TO_LINE_PROMPT, "Enter a line number\rbetween 1 and %d"},
    {IDS_LINE_SELECTED, "Line %d selected"},
    {IDS_CASE_CONVERTED, "Converted %d character%s to %scase"},
    {IDS_CHARSET_CONVERTED, "Converted text to the %s character set"},
    {IDS_REFRESHED, "%s refreshed from disk"},
    // hints given word for word
    {ID_FILE_PROPERTIES, "Show file properties for the active document"},
    {ID_FILE_DISCARD, "Discard editing changes, and reload the document"},
    {ID_FILE_PAGE_SETUP, "Change page layout settings"},
    {ID_HELP_SETUP, "Integrate Quillet with the MS Windows Explorer"},
    {ID_TOOL_1, "Run this tool"},
    {ID_HELP_ABOUT, "Display program information, version number and copyright notice"},
    // tool tips and customisation texts
    {1101, "New"}, {1102, "Open"}, {1103, "Properties"}, {1104, "Close"}, {1110, "Save"},
    {1111, "Save As"}, {1114, "Save All"}, {1121, "Print"}, {1133, "Options"}, {1201, "Undo"},
    {1210, "Cut"}, {1211, "Copy"}, {1212, "Paste"}, {1213, "Delete"}, {1230, "Find"},
    {1231, "Replace"}, {1299, "Clipboard"}, {1309, "Refresh"}, {1320, "Go To"}, {1341, "Timestamp"},
    {1354, "Errors"}, {1355, "Chart"}, {1399, "Topmost"}, {1430, "Font"}, {1440, "Sort"},
    {1801, "Tile Vertically"}, {1802, "Tile Horizontally"}, {1803, "Cascade"}, {1805, "Close All"},
    {1901, "Help"}, {1999, "About"},
    // default filters
    {17000, "Text Files|*.txt;*.htm*;*.log;*.err;*.lst|"},
    {17001, "Source Code|*.c;*.h;*.cpp;*.rc;*.def;*.hpj|"},
    {17002, "Assembler|*.asm;*.inc;*.equ;*.mac;*.map|"},
    {17003, "Initialization|*.bat;*.ini;*.cfg;*.sys;*.mak;*.inf;*.reg|"},
    {17004, "Language|*.pas;*.for;*.lst;*.cod|"},
    {17005, "Internet|*.htm;*.html;*.shtml|"},
    {17006, "BASIC Files|*.bas;*.def;*.mac;*.err|"},
    {17007, "Java Files|*.jav*;*.lst;*.err;*.cod|"},
    {17008, "Pascal Files|*.pas;*.inc;*.unit;*.lst|"},
    // first-run SysEdit files
    {16000, "%s\\config.sys"}, {16001, "%s\\autoexec.bat"}, {16002, "%s\\schdplus.ini"},
    {16003, "%s\\msmail.ini"}, {16004, "%s\\protocol.ini"}, {16005, "%s\\progman.ini"},
    {16006, "%s\\winfile.ini"}, {16007, "%s\\system.ini"}, {16008, "%s\\win.ini"},
};

// Strings whose wording was free; they must exist.
const UINT kOtherStrings[] = {IDS_COPYRIGHT, IDS_FILTERS_PAGE_STATUS, IDS_FILE_INSERTED,
                              IDS_CLIPBOARD_VIEWER_MISSING, IDS_CLIPBOARD_VIEWER_FAILED,
                              IDS_INVALID_HELP_ITEM};

const UINT kIcons[] = {IDI_QUILLET, IDI_QUILLET_SMALL, IDI_DOCUMENT, IDI_STARTUP_ITEM, IDI_FIND,
                       IDI_REPLACE, IDI_MARGINS, IDI_CHARACTER_CHART, IDI_ERROR_CODES, IDI_TOOL,
                       IDI_DESKTOP_ICON, IDI_NOTICE_BOX, IDI_QUESTION_BOX, IDI_ERROR_BOX};
// clang-format on

TEST(QuilletMenu, PopupsInOrderWithWindowsSixth) {
  HMENU menu = LoadMenuA(Module(), MAKEINTRESOURCEA(IDR_MAINFRAME));
  ASSERT_NE(menu, nullptr);
  const char* names[] = {"&File", "&Edit", "&View", "&Tools", "&Macros", "&Windows", "&Help"};
  ASSERT_EQ(GetMenuItemCount(menu), 7);
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(MenuText(menu, i, MF_BYPOSITION), names[i]) << "popup " << i;
    EXPECT_NE(GetSubMenu(menu, i), nullptr) << "popup " << i;
  }
  EXPECT_EQ(MenuText(menu, WINDOWS_MENU_INDEX, MF_BYPOSITION), "&Windows");
  DestroyMenu(menu);
}

TEST(QuilletMenu, ItemsHaveTheirTextsInTheirPopups) {
  HMENU menu = LoadMenuA(Module(), MAKEINTRESOURCEA(IDR_MAINFRAME));
  ASSERT_NE(menu, nullptr);
  for (const MenuItem& item : kMenuItems) {
    HMENU popup = GetSubMenu(menu, item.popup);
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(MenuText(popup, item.id, MF_BYCOMMAND), item.text) << "command " << item.id;
  }
  DestroyMenu(menu);
}

TEST(QuilletMenu, EveryCommandIsOnTheMenuOnce) {
  HMENU menu = LoadMenuA(Module(), MAKEINTRESOURCEA(IDR_MAINFRAME));
  ASSERT_NE(menu, nullptr);
  std::multiset<UINT> found;
  std::vector<HMENU> pending = {menu};
  while (!pending.empty()) {
    HMENU m = pending.back();
    pending.pop_back();
    for (int i = 0; i < GetMenuItemCount(m); ++i) {
      if (HMENU sub = GetSubMenu(m, i)) {
        pending.push_back(sub);
      } else if (GetMenuItemID(m, i) != 0) {
        found.insert(GetMenuItemID(m, i));
      }
    }
  }
  std::vector<UINT> commands = AllCommands();
  EXPECT_EQ(found.size(), commands.size());
  for (UINT id : commands) EXPECT_EQ(found.count(id), 1u) << "command " << id;
  DestroyMenu(menu);
}

TEST(QuilletMenu, RecentFilesToolsAndMacrosAreNumberedInOrder) {
  HMENU menu = LoadMenuA(Module(), MAKEINTRESOURCEA(IDR_MAINFRAME));
  ASSERT_NE(menu, nullptr);
  for (UINT n = 1; n <= 9; ++n) {
    std::string digit = "&" + std::to_string(n) + "  Undefined";
    EXPECT_EQ(MenuText(menu, ID_FILE_RECENT_FIRST + n - 1, MF_BYCOMMAND), digit);
    EXPECT_EQ(MenuText(menu, ID_TOOL_FIRST + n - 1, MF_BYCOMMAND), digit + "...");
    EXPECT_EQ(MenuText(menu, ID_MACRO_FIRST + n - 1, MF_BYCOMMAND), digit + "...");
  }
  DestroyMenu(menu);
}

TEST(QuilletMenu, FontSubmenuOfView) {
  HMENU menu = LoadMenuA(Module(), MAKEINTRESOURCEA(IDR_MAINFRAME));
  ASSERT_NE(menu, nullptr);
  HMENU view = GetSubMenu(menu, 2);
  HMENU font = nullptr;
  for (int i = 0; i < GetMenuItemCount(view); ++i) {
    if (MenuText(view, i, MF_BYPOSITION) == "&Font") font = GetSubMenu(view, i);
  }
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(GetMenuItemID(font, 0), static_cast<UINT>(ID_VIEW_DISPLAY_FONT));
  EXPECT_EQ(GetMenuItemID(font, 1), static_cast<UINT>(ID_VIEW_PRINTER_FONT));
  DestroyMenu(menu);
}

TEST(QuilletMenu, DocumentContextMenu) {
  HMENU menu = LoadMenuA(Module(), MAKEINTRESOURCEA(IDR_DOCUMENT_MENU));
  ASSERT_NE(menu, nullptr);
  HMENU popup = GetSubMenu(menu, 0);
  ASSERT_NE(popup, nullptr);
  const UINT items[] = {ID_EDIT_UNDO,        ID_EDIT_CUT,         ID_EDIT_COPY,           ID_EDIT_PASTE,
                        ID_EDIT_DELETE,      ID_EDIT_SELECT_ALL,  ID_EDIT_FIND,           ID_EDIT_REPLACE,
                        ID_EDIT_INSERT_DATE, ID_EDIT_INSERT_FILE, ID_EDIT_SAVE_SELECTION, ID_EDIT_SORT,
                        ID_EDIT_LOWERCASE,   ID_EDIT_UPPERCASE,   ID_FILE_CLOSE};
  for (UINT id : items) EXPECT_NE(GetMenuState(popup, id, MF_BYCOMMAND), static_cast<UINT>(-1)) << id;
  EXPECT_EQ(MenuText(popup, ID_EDIT_PASTE, MF_BYCOMMAND), "&Paste\tCtrl+V");
  DestroyMenu(menu);
}

TEST(QuilletAccelerators, KeysOfTheTables) {
  HACCEL table = LoadAcceleratorsA(Module(), MAKEINTRESOURCEA(IDR_MAINFRAME));
  ASSERT_NE(table, nullptr);
  int count = CopyAcceleratorTableA(table, nullptr, 0);
  std::vector<ACCEL> keys(count);
  CopyAcceleratorTableA(table, keys.data(), count);
  EXPECT_EQ(count, static_cast<int>(sizeof kAccelerators / sizeof kAccelerators[0]) + 18);

  auto has = [&](UINT command, WORD key, BYTE modifiers) {
    for (const ACCEL& a : keys) {
      if (a.cmd == command && a.key == key && (a.fVirt & (FCONTROL | FALT | FSHIFT)) == modifiers) return true;
    }
    return false;
  };
  for (const Accelerator& a : kAccelerators) EXPECT_TRUE(has(a.command, a.key, a.modifiers)) << a.command;
  for (UINT n = 0; n < 9; ++n) {
    EXPECT_TRUE(has(ID_TOOL_FIRST + n, static_cast<WORD>('1' + n), FCONTROL)) << "tool " << n + 1;
    EXPECT_TRUE(has(ID_MACRO_FIRST + n, static_cast<WORD>('1' + n), FALT)) << "macro " << n + 1;
  }
  for (const ACCEL& a : keys) {
    EXPECT_TRUE(a.fVirt & FVIRTKEY) << a.cmd;
    EXPECT_TRUE(a.fVirt & FNOINVERT) << a.cmd;
    // Undo, Cut, Copy and Delete belong to the edit control.
    EXPECT_NE(a.cmd, ID_EDIT_UNDO);
    EXPECT_NE(a.cmd, ID_EDIT_CUT);
    EXPECT_NE(a.cmd, ID_EDIT_COPY);
    EXPECT_NE(a.cmd, ID_EDIT_DELETE);
  }
  DestroyAcceleratorTable(table);
}

TEST(QuilletStrings, EveryCommandHasAHintAndATip) {
  for (UINT id : AllCommands()) {
    EXPECT_GE(id, static_cast<UINT>(FIRST_HINTED_COMMAND));
    EXPECT_LE(id, static_cast<UINT>(LAST_HINTED_COMMAND));
    EXPECT_FALSE(LoadText(id).empty()) << "hint " << id;
    EXPECT_FALSE(LoadText(id + TOOLTIP_ID_OFFSET).empty()) << "tool tip " << id + TOOLTIP_ID_OFFSET;
  }
}

TEST(QuilletStrings, FixedTextsWordForWord) {
  for (const Text& t : kFixedTexts) EXPECT_EQ(LoadText(t.id), t.text) << "string " << t.id;
}

TEST(QuilletStrings, FiltersAndSysEditDefaultsAreNineInARow) {
  for (UINT n = 0; n < 9; ++n) {
    EXPECT_FALSE(LoadText(IDS_FILTER_DEFAULT_FIRST + n).empty()) << n;
    EXPECT_FALSE(LoadText(IDS_SYSEDIT_DEFAULT_FIRST + n).empty()) << n;
  }
  EXPECT_TRUE(LoadText(IDS_FILTER_DEFAULT_LAST + 1).empty());
  EXPECT_TRUE(LoadText(IDS_SYSEDIT_DEFAULT_LAST + 1).empty());
}

TEST(QuilletStrings, TextsOfFreeWordingExist) {
  for (UINT id : kOtherStrings) EXPECT_FALSE(LoadText(id).empty()) << "string " << id;
}

TEST(QuilletStrings, MessageTableIdsAreNotResources) {
  for (UINT id = MESSAGE_TABLE_FIRST; id <= MESSAGE_TABLE_LAST; ++id) EXPECT_TRUE(LoadText(id).empty()) << id;
}

// The icon's directory holds a 32 x 32 and a 16 x 16 image of 32 bits.
#pragma pack(push, 2)
struct GroupIconEntry {
  BYTE width, height, colours, reserved;
  WORD planes, bitCount;
  DWORD bytes;
  WORD id;
};
#pragma pack(pop)

TEST(QuilletPictures, IconsHold32And16PixelImages) {
  for (UINT id : kIcons) {
    HRSRC found = FindResourceA(Module(), MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(14) /* RT_GROUP_ICON */);
    ASSERT_NE(found, nullptr) << "icon " << id;
    const BYTE* data = static_cast<const BYTE*>(LockResource(LoadResource(Module(), found)));
    const WORD* head = reinterpret_cast<const WORD*>(data);
    ASSERT_EQ(head[1], 1) << id;
    std::set<int> sizes;
    for (int i = 0; i < head[2]; ++i) {
      const GroupIconEntry* e = reinterpret_cast<const GroupIconEntry*>(data + 6 + i * sizeof(GroupIconEntry));
      EXPECT_EQ(e->bitCount, 32) << id;
      sizes.insert(e->width);
    }
    EXPECT_EQ(sizes, (std::set<int>{16, 32})) << "icon " << id;
  }
}

TEST(QuilletPictures, IconsLoadAtBothSizes) {
  for (UINT id : kIcons) {
    for (int size : {32, 16}) {
      HICON icon = static_cast<HICON>(LoadImageA(Module(), MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, 0));
      ASSERT_NE(icon, nullptr) << "icon " << id << " at " << size;
      ICONINFO info = {};
      ASSERT_TRUE(GetIconInfo(icon, &info));
      BITMAP bm = {};
      GetObjectA(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bm, &bm);
      EXPECT_EQ(bm.bmWidth, size) << id;
      if (info.hbmColor) {
        EXPECT_EQ(bm.bmHeight, size) << id;
      }
      DeleteObject(info.hbmColor);
      DeleteObject(info.hbmMask);
      DestroyIcon(icon);
    }
  }
}

const BITMAPINFOHEADER* BitmapHeader(UINT id) {
  HRSRC found = FindResourceA(Module(), MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(2) /* RT_BITMAP */);
  if (!found) return nullptr;
  return static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(Module(), found)));
}

TEST(QuilletPictures, BitmapsHaveTheirSizes) {
  struct {
    UINT id;
    int width, height, bits;
  } const bitmaps[] = {{IDB_SPLASH, SPLASH_WIDTH, SPLASH_HEIGHT, 24},
                       {IDB_TOOLBAR, TOOLBAR_IMAGE_SIZE * TOOLBAR_IMAGE_COUNT, TOOLBAR_IMAGE_SIZE, 8},
                       {IDB_OPTIONS_PICTURE, 156, 258, 24}};
  for (const auto& b : bitmaps) {
    const BITMAPINFOHEADER* header = BitmapHeader(b.id);
    ASSERT_NE(header, nullptr) << b.id;
    EXPECT_EQ(header->biWidth, b.width) << b.id;
    EXPECT_EQ(header->biHeight, b.height) << b.id;
    EXPECT_EQ(header->biBitCount, b.bits) << b.id;

    HBITMAP loaded = static_cast<HBITMAP>(LoadImageA(Module(), MAKEINTRESOURCEA(b.id), IMAGE_BITMAP, 0, 0, 0));
    ASSERT_NE(loaded, nullptr) << b.id;
    BITMAP bm = {};
    GetObjectA(loaded, sizeof bm, &bm);
    EXPECT_EQ(bm.bmWidth, b.width) << b.id;
    EXPECT_EQ(bm.bmHeight, b.height) << b.id;
    DeleteObject(loaded);
  }
  EXPECT_EQ(SPLASH_WIDTH, 449);
  EXPECT_EQ(SPLASH_HEIGHT, 180);
  EXPECT_EQ(TOOLBAR_IMAGE_SIZE * TOOLBAR_IMAGE_COUNT, 496);
}

// Index of the strip's pixel at (x, y), y counted from the top.
int StripIndex(const BITMAPINFOHEADER* header, int x, int y) {
  const BYTE* bits = reinterpret_cast<const BYTE*>(header) + header->biSize + header->biClrUsed * 4;
  int stride = (header->biWidth + 3) / 4 * 4;
  return bits[(header->biHeight - 1 - y) * stride + x];
}

TEST(QuilletPictures, ToolbarBackgroundIsTheOnlyMappedColour) {
  const BITMAPINFOHEADER* header = BitmapHeader(IDB_TOOLBAR);
  ASSERT_NE(header, nullptr);
  ASSERT_GT(header->biClrUsed, 1u);
  const RGBQUAD* table = reinterpret_cast<const RGBQUAD*>(reinterpret_cast<const BYTE*>(header) + header->biSize);
  EXPECT_EQ(RGB(table[0].rgbRed, table[0].rgbGreen, table[0].rgbBlue), static_cast<COLORREF>(TOOLBAR_BACKGROUND_RGB));
  // Grey, black and white entries would be replaced by system colours as well.
  const COLORREF mapped[] = {RGB(0, 0, 0), RGB(128, 128, 128), RGB(192, 192, 192), RGB(223, 223, 223),
                             RGB(255, 255, 255)};
  for (DWORD i = 1; i < header->biClrUsed; ++i) {
    for (COLORREF c : mapped) EXPECT_NE(RGB(table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue), c) << i;
  }
  // every image holds a drawing; the background shows around and between them
  int background = 0;
  for (int image = 0; image < TOOLBAR_IMAGE_COUNT; ++image) {
    int drawn = 0;
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) drawn += StripIndex(header, image * 16 + x, y) != 0;
    EXPECT_GT(drawn, 40) << "image " << image;
    background += 256 - drawn;
  }
  EXPECT_GT(background, TOOLBAR_IMAGE_COUNT * 256 / 8);
}

COLORREF PixelOf(HBITMAP bitmap, int x, int y) {
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, bitmap);
  COLORREF c = GetPixel(dc, x, y);
  SelectObject(dc, old);
  DeleteDC(dc);
  return c;
}

TEST(QuilletPictures, ToolbarBackgroundBecomesTheButtonFace) {
  const BITMAPINFOHEADER* header = BitmapHeader(IDB_TOOLBAR);
  ASSERT_NE(header, nullptr);
  int bx = -1, by = -1;  // a background pixel and a glyph pixel
  int gx = -1, gy = -1;
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      if (StripIndex(header, x, y) == 0 && bx < 0) bx = x, by = y;
      if (StripIndex(header, x, y) != 0 && gx < 0) gx = x, gy = y;
    }
  }
  ASSERT_GE(bx, 0);
  ASSERT_GE(gx, 0);

  const RGBQUAD* table = reinterpret_cast<const RGBQUAD*>(reinterpret_cast<const BYTE*>(header) + header->biSize);
  const RGBQUAD& glyph = table[StripIndex(header, gx, gy)];

  // the toolbar's own loading (TB_ADDBITMAP with a resource id) maps the strip this way
  HBITMAP mapped = CreateMappedBitmap(Module(), IDB_TOOLBAR, 0, nullptr, 0);
  ASSERT_NE(mapped, nullptr);
  EXPECT_EQ(PixelOf(mapped, bx, by), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(PixelOf(mapped, gx, gy), RGB(glyph.rgbRed, glyph.rgbGreen, glyph.rgbBlue));
  DeleteObject(mapped);

  HBITMAP loaded = static_cast<HBITMAP>(
      LoadImageA(Module(), MAKEINTRESOURCEA(IDB_TOOLBAR), IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS | LR_CREATEDIBSECTION));
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(PixelOf(loaded, bx, by), GetSysColor(COLOR_3DFACE));
  DeleteObject(loaded);
}

// Caption and control ids of a dialog resource (classic template).
struct DialogInfo {
  std::string caption;
  std::set<int> controls;
};

const WORD* SkipNameOrOrdinal(const WORD* p) {
  if (*p == 0xFFFF) return p + 2;
  while (*p) ++p;
  return p + 1;
}

std::string ReadWide(const WORD*& p) {
  std::string s;
  while (*p) s += static_cast<char>(*p++);
  ++p;
  return s;
}

bool ReadDialog(UINT id, DialogInfo& info) {
  HRSRC found = FindResourceA(Module(), MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5) /* RT_DIALOG */);
  if (!found) return false;
  const WORD* p = static_cast<const WORD*>(LockResource(LoadResource(Module(), found)));
  DWORD style = p[0] | (static_cast<DWORD>(p[1]) << 16);
  if (p[1] == 0xFFFF) return false;  // extended templates are not used
  int count = p[4];
  p += 9;                    // style, extended style, count, x, y, cx, cy
  p = SkipNameOrOrdinal(p);  // menu
  p = SkipNameOrOrdinal(p);  // class
  info.caption = ReadWide(p);
  if (style & DS_SETFONT) {
    ++p;
    ReadWide(p);
  }
  for (int i = 0; i < count; ++i) {
    p = reinterpret_cast<const WORD*>((reinterpret_cast<ULONG_PTR>(p) + 3) & ~ULONG_PTR(3));
    p += 8;  // style, extended style, x, y, cx, cy
    info.controls.insert(static_cast<short>(*p++));
    p = SkipNameOrOrdinal(p);  // class
    p = SkipNameOrOrdinal(p);  // text
    WORD extra = *p++;
    p = reinterpret_cast<const WORD*>(reinterpret_cast<const BYTE*>(p) + extra);
  }
  return true;
}

TEST(QuilletDialogs, ResourceDialogsHaveTheirControls) {
  struct {
    UINT id;
    const char* caption;
    std::vector<int> controls;
  } const dialogs[] = {
      {IDD_EDITOR_PAGE, "Editor", {102, 103, 104, 105, 106, 107, 108, 109, 110, 111, 112}},
      {IDD_GO_TO_LINE, " Go To Line", {IDC_GO_TO_LINE_NUMBER, IDC_GO_TO_LINE_PROMPT, IDOK, IDCANCEL}},
      {IDD_FIND, "Find", {IDC_FIND_PICTURE, edt1, chx1, chx2, IDOK, IDCANCEL, pshHelp}},
      {IDD_REPLACE, "Replace", {IDC_REPLACE_PICTURE, edt1, edt2, chx1, chx2, IDOK, psh1, psh2, IDCANCEL, pshHelp}},
      {IDD_FILTERS_PAGE, "Filters", {5, 101, 102, 103, 104}},
      {IDD_TOOLS_PAGE, "Tools", {6, 12, 13, 100, 101, 102, 103, 104, 105, 106, 107, 108, 109}},
      {IDD_MACROS_PAGE, "Macros", {12, 100, 101, 102, 103}},
      {IDD_SORT, " Sort Selected Text", {100, 101, 102, 103, IDOK, IDCANCEL}},
      {IDD_SYSEDIT_PAGE, "SysEdit",
       {101, 102, 103, 104, 105, 106, 107, 108, 109, 201, 202, 203, 204, 205, 206, 207, 208, 209}},
      {IDD_TIME_STAMP_PAGE, "Time Stamp", {6, 100, 101, 102, 103, 111, 112, 113}},
      {IDD_LOADING_ERROR_CODES, " Error Codes", {IDC_ERROR_CODES_PROGRESS}},
  };
  for (const auto& d : dialogs) {
    DialogInfo info;
    ASSERT_TRUE(ReadDialog(d.id, info)) << "dialog " << d.id;
    EXPECT_EQ(info.caption, d.caption) << d.id;
    for (int control : d.controls) EXPECT_EQ(info.controls.count(control), 1u) << d.id << " control " << control;
  }
}

std::string VersionValue(const char* key) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(Module(), path, MAX_PATH);
  DWORD ignored = 0;
  DWORD size = GetFileVersionInfoSizeA(path, &ignored);
  if (size == 0) return {};
  std::vector<char> block(size);
  if (!GetFileVersionInfoA(path, 0, size, block.data())) return {};
  std::string query = std::string("\\StringFileInfo\\040904E4\\") + key;
  char* value = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(block.data(), query.c_str(), reinterpret_cast<void**>(&value), &length) || !value) return {};
  return value;
}

TEST(QuilletVersion, FiveKeysOfTheVersionPage) {
  EXPECT_EQ(VersionValue("ProductName"), "Quillet for Windows 95/NT");
  EXPECT_EQ(VersionValue("FileDescription"), "MDI Text Editor for Windows 95/NT");
  EXPECT_EQ(VersionValue("FileVersion"), "Version 3.7");
  EXPECT_FALSE(VersionValue("LegalCopyright").empty());
  EXPECT_FALSE(VersionValue("Release").empty());
}

}  // namespace
