// Quillet's compiled resources, linked into this program, checked for what the code relies on:
// every menu command has its hint and tool tip, the numbered ranges are contiguous, every key
// and context-menu item reaches a menu command, and the pictures are at the sizes the code draws.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "resources/quillet_ids.h"

namespace {

HINSTANCE Module() { return GetModuleHandleA(nullptr); }

std::string LoadText(UINT id) {
  char buffer[1024] = {};
  const int length = LoadStringA(Module(), id, buffer, sizeof buffer);
  return std::string(buffer, length > 0 ? length : 0);
}

std::string MenuText(HMENU menu, UINT item, UINT flags) {
  char buffer[256] = {};
  const int length = GetMenuStringA(menu, item, buffer, sizeof buffer, flags);
  return std::string(buffer, length > 0 ? length : 0);
}

// Every command of a menu (popups walked), with its text; a command met twice counts twice.
std::multimap<UINT, std::string> Commands(HMENU menu) {
  std::multimap<UINT, std::string> found;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    if (HMENU sub = GetSubMenu(menu, i)) {
      found.merge(Commands(sub));
    } else if (GetMenuItemID(menu, i) != 0) {
      found.emplace(GetMenuItemID(menu, i), MenuText(menu, i, MF_BYPOSITION));
    }
  }
  return found;
}

class QuilletResources : public testing::Test {
 protected:
  void SetUp() override {
    menu_ = LoadMenuA(Module(), MAKEINTRESOURCEA(IDR_MAINFRAME));
    ASSERT_NE(menu_, nullptr);
    commands_ = Commands(menu_);
  }
  void TearDown() override { DestroyMenu(menu_); }
  bool OnMenu(UINT id) const { return commands_.count(id) == 1; }

  HMENU menu_ = nullptr;
  std::multimap<UINT, std::string> commands_;
};

TEST_F(QuilletResources, EveryMenuCommandOnceWithItsHintAndToolTip) {
  EXPECT_EQ(GetMenuItemCount(menu_), 7);
  EXPECT_EQ(MenuText(menu_, WINDOWS_MENU_INDEX, MF_BYPOSITION), "&Windows");  // the client's window menu
  ASSERT_GT(commands_.size(), 80u);
  for (const auto& [id, text] : commands_) {
    EXPECT_EQ(commands_.count(id), 1u) << "command " << id << " twice";
    EXPECT_GE(id, static_cast<UINT>(FIRST_HINTED_COMMAND)) << id;
    EXPECT_LE(id, static_cast<UINT>(LAST_HINTED_COMMAND)) << id;
    EXPECT_FALSE(LoadText(id).empty()) << "hint " << id;
    EXPECT_FALSE(LoadText(id + TOOLTIP_ID_OFFSET).empty()) << "tool tip " << id + TOOLTIP_ID_OFFSET;
  }
}

TEST_F(QuilletResources, RecentFilesToolsAndMacrosAreNineInARow) {
  for (UINT first : {ID_FILE_RECENT_FIRST, ID_TOOL_FIRST, ID_MACRO_FIRST}) {
    for (UINT n = 1; n <= 9; ++n) {
      const auto item = commands_.find(first + n - 1);
      ASSERT_NE(item, commands_.end()) << first + n - 1;
      EXPECT_EQ(item->second.substr(0, 4), "&" + std::to_string(n) + "  ") << item->second;
    }
  }
}

// The virtual key and modifiers of a menu text's shortcut ("\tCtrl+N", "\tAlt+S", "\tF5").
bool ShortcutOf(const std::string& text, WORD& key, BYTE& modifiers) {
  const std::size_t tab = text.find('\t');
  if (tab == std::string::npos) return false;
  std::string shortcut = text.substr(tab + 1);
  modifiers = 0;
  for (const auto& [prefix, flag] : {std::pair<std::string, BYTE>{"Ctrl+", FCONTROL}, {"Alt+", FALT}}) {
    if (shortcut.rfind(prefix, 0) == 0) {
      modifiers = flag;
      shortcut = shortcut.substr(prefix.size());
    }
  }
  if (shortcut == "Del") key = VK_DELETE;
  else if (shortcut.size() > 1 && shortcut[0] == 'F') key = static_cast<WORD>(VK_F1 + std::stoi(shortcut.substr(1)) - 1);
  else key = static_cast<WORD>(shortcut[0]);
  return true;
}

TEST_F(QuilletResources, KeysReachMenuCommandsAsTheMenuShowsThem) {
  HACCEL table = LoadAcceleratorsA(Module(), MAKEINTRESOURCEA(IDR_MAINFRAME));
  ASSERT_NE(table, nullptr);
  std::vector<ACCEL> keys(CopyAcceleratorTableA(table, nullptr, 0));
  CopyAcceleratorTableA(table, keys.data(), static_cast<int>(keys.size()));
  DestroyAcceleratorTable(table);
  auto has = [&](UINT command, WORD key, BYTE modifiers) {
    for (const ACCEL& a : keys)
      if (a.cmd == command && a.key == key && (a.fVirt & (FCONTROL | FALT | FSHIFT)) == modifiers) return true;
    return false;
  };
  for (const ACCEL& a : keys) {
    EXPECT_TRUE(OnMenu(a.cmd)) << "key for " << a.cmd;
    EXPECT_EQ(a.fVirt & (FVIRTKEY | FNOINVERT), FVIRTKEY | FNOINVERT) << a.cmd;
  }
  // Undo, Cut, Copy and Delete are the edit control's own keys: the menu only shows them.
  const std::set<UINT> editControlKeys = {ID_EDIT_UNDO, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_DELETE};
  int shown = 0;
  for (const auto& [id, text] : commands_) {
    WORD key = 0;
    BYTE modifiers = 0;
    if (!ShortcutOf(text, key, modifiers)) continue;
    ++shown;
    EXPECT_EQ(has(id, key, modifiers), editControlKeys.count(id) == 0) << text;
  }
  EXPECT_GT(shown, 25);
  for (UINT n = 0; n < 9; ++n) {
    EXPECT_TRUE(has(ID_TOOL_FIRST + n, static_cast<WORD>('1' + n), FCONTROL)) << "tool " << n + 1;
    EXPECT_TRUE(has(ID_MACRO_FIRST + n, static_cast<WORD>('1' + n), FALT)) << "macro " << n + 1;
  }
  // Properties is the one key without a menu label.
  EXPECT_TRUE(has(ID_FILE_PROPERTIES, VK_RETURN, FALT));
}

TEST_F(QuilletResources, DocumentContextMenuHoldsFrameMenuCommands) {
  HMENU context = LoadMenuA(Module(), MAKEINTRESOURCEA(IDR_DOCUMENT_MENU));
  ASSERT_NE(context, nullptr);
  const auto items = Commands(context);
  EXPECT_GT(items.size(), 10u);
  for (const auto& [id, text] : items) {
    EXPECT_TRUE(OnMenu(id)) << id;
    EXPECT_EQ(text, commands_.find(id)->second) << id;
  }
  DestroyMenu(context);
}

TEST(QuilletStrings, TheRangesAndTextsTheCodeFetches) {
  for (UINT n = 0; n < 9; ++n) {
    EXPECT_FALSE(LoadText(IDS_FILTER_DEFAULT_FIRST + n).empty()) << n;
    EXPECT_NE(LoadText(IDS_SYSEDIT_DEFAULT_FIRST + n).find("%s\\"), std::string::npos) << n;
  }
  EXPECT_TRUE(LoadText(IDS_FILTER_DEFAULT_LAST + 1).empty());
  EXPECT_TRUE(LoadText(IDS_SYSEDIT_DEFAULT_LAST + 1).empty());
  for (UINT id = MESSAGE_TABLE_FIRST; id <= MESSAGE_TABLE_LAST; ++id) EXPECT_TRUE(LoadText(id).empty()) << id;
  EXPECT_EQ(LoadText(IDS_PROGRAM_NAME), "Quillet");
  for (UINT id : {IDS_FILTERS_PAGE_STATUS, IDS_FILE_INSERTED, IDS_CLIPBOARD_VIEWER_MISSING,
                  IDS_CLIPBOARD_VIEWER_FAILED, IDS_INVALID_HELP_ITEM, IDS_LINE_SELECTED, IDS_CASE_CONVERTED})
    EXPECT_FALSE(LoadText(id).empty()) << id;
}

TEST(QuilletPictures, BitmapsAtTheSizesTheCodeDrawsThem) {
  const struct {
    UINT id;
    int width, height;
  } bitmaps[] = {{IDB_SPLASH, SPLASH_WIDTH, SPLASH_HEIGHT},
                 {IDB_TOOLBAR, TOOLBAR_IMAGE_SIZE * TOOLBAR_IMAGE_COUNT, TOOLBAR_IMAGE_SIZE},
                 {IDB_OPTIONS_PICTURE, 156, 258}};
  for (const auto& b : bitmaps) {
    HBITMAP loaded = static_cast<HBITMAP>(LoadImageA(Module(), MAKEINTRESOURCEA(b.id), IMAGE_BITMAP, 0, 0, 0));
    ASSERT_NE(loaded, nullptr) << b.id;
    BITMAP bm = {};
    GetObjectA(loaded, sizeof bm, &bm);
    EXPECT_EQ(bm.bmWidth, b.width) << b.id;
    EXPECT_EQ(bm.bmHeight, b.height) << b.id;
    DeleteObject(loaded);
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

TEST(QuilletVersion, TheVersionPagesKeys) {
  EXPECT_EQ(VersionValue("ProductName"), LoadText(IDS_PRODUCT_NAME));
  EXPECT_EQ(VersionValue("FileDescription"), LoadText(IDS_DESCRIPTION));
  EXPECT_EQ(VersionValue("FileVersion"), LoadText(IDS_VERSION));
  EXPECT_FALSE(VersionValue("LegalCopyright").empty());
  EXPECT_FALSE(VersionValue("Release").empty());
}

}  // namespace
