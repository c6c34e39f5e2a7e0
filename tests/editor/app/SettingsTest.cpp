// Loading and saving EditorState on the tests' own settings root.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "editor/app/EditorState.h"
#include "editor/support/EditorSupport.h"
#include "tests/editor/app/AppTestSupport.h"

using namespace editor;
using namespace support;

namespace {

class SettingsTest : public testing::Test {
 protected:
  void SetUp() override {
    RemoveTestSettings();
    SetSettingsRoot(TestSettingsRoot().c_str());
    editorState = EditorState();
  }
  void TearDown() override { RemoveTestSettings(); }

  static void StoreDword(const char* section, const char* name, DWORD value) {
    const std::string key = TestSettingsRoot() + "\\" + section;
    ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, key.c_str(), name, REG_DWORD, &value, sizeof value), ERROR_SUCCESS);
  }
  static void StoreText(const char* section, const char* name, const std::string& text) {
    const std::string key = TestSettingsRoot() + "\\" + section;
    ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, key.c_str(), name, REG_SZ, text.c_str(),
                              static_cast<DWORD>(text.size() + 1)),
              ERROR_SUCCESS);
  }
};

TEST_F(SettingsTest, FirstRunWritesDefaultsAtOnceAndCentresTheFrame) {
  LoadSettings();
  const int screenWidth = ScreenRect.right - ScreenRect.left;
  const int screenHeight = ScreenRect.bottom - ScreenRect.top;
  EXPECT_EQ(editorState.windowPlacement.width, 640);
  EXPECT_EQ(editorState.windowPlacement.height, 400);
  EXPECT_EQ(editorState.windowPlacement.left, (screenWidth - 640) / 2);
  EXPECT_EQ(editorState.windowPlacement.top, (screenHeight - 400) / 2);
  EXPECT_EQ(editorState.optionsPlacement.left, (screenWidth - 500) / 2);
  EXPECT_EQ(editorState.optionsPlacement.top, (screenHeight - 375) / 2);

  // Written at once, under the sections of the table.
  EXPECT_EQ(ReadTestDword("DeskTop\\Window", "Width"), 640);
  EXPECT_EQ(ReadTestDword("DeskTop\\Window", "Height"), 400);
  EXPECT_EQ(ReadTestDword("DeskTop\\Window", "Left"), (screenWidth - 640) / 2);
  EXPECT_EQ(ReadTestDword("DeskTop\\Window", "Top"), (screenHeight - 400) / 2);
  EXPECT_EQ(ReadTestDword("Options", "ToolBar"), 1);
  EXPECT_EQ(ReadTestDword("Options", "TaskTray"), 0);
  EXPECT_EQ(ReadTestDword("Options", "Tabs"), 4);
  EXPECT_EQ(ReadTestDword("Options\\Search", "MatchCase"), 0);
  EXPECT_EQ(ReadTestDword("Options\\TimeStamp", "ShowDate"), 1);
  EXPECT_EQ(ReadTestDword("Options\\Sort", "IgnoreCase"), 1);
  EXPECT_EQ(ReadTestDword("Options\\PageSetup", "LeftMargin"), 500);
  EXPECT_EQ(ReadTestString("Options\\PageSetup", "Footer"), "- Page $P -");
  EXPECT_EQ(ReadTestString("Files\\FileFilter", "Filter1"), "Text Files|*.txt;*.htm*;*.log;*.err;*.lst|");
  EXPECT_EQ(ReadTestString("Files\\Open", "Open9"), "");
  EXPECT_EQ(ReadTestDword("Options\\Macros\\Macro9", "Active"), 0);
  EXPECT_EQ(ReadTestString("Tools\\Tool-09", "Program"), "");
  EXPECT_EQ(ReadTestString("Font\\Display", "FaceName"), "MS Sans Serif");
  EXPECT_NE(ReadTestDword("DeskTop\\GetFile", "Top"), -1);

  // The nine SysEdit files, lower-cased, on the Windows drive and in the Windows folder.
  char windows[MAX_PATH];
  GetWindowsDirectoryA(windows, sizeof windows);
  CharLowerA(windows);
  const std::string drive(windows, 2);
  EXPECT_EQ(ReadTestString("Files\\AutoLoad", "Load1"), drive + "\\config.sys");
  EXPECT_EQ(ReadTestString("Files\\AutoLoad", "Load2"), drive + "\\autoexec.bat");
  EXPECT_EQ(ReadTestString("Files\\AutoLoad", "Load3"), std::string(windows) + "\\schdplus.ini");
  EXPECT_EQ(ReadTestString("Files\\AutoLoad", "Load9"), std::string(windows) + "\\win.ini");
  for (const auto& file : editorState.sysEditFiles) {
    const std::string text = file;
    EXPECT_EQ(text.find_first_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ"), std::string::npos) << text;
  }
}

TEST_F(SettingsTest, LaterStartKeepsTheStoredPlacementAndLists) {
  StoreDword("DeskTop\\Window", "Left", 100);
  StoreDword("DeskTop\\Window", "Top", 80);
  StoreDword("DeskTop\\Window", "Width", 500);
  StoreDword("DeskTop\\Window", "Height", 350);
  LoadSettings();
  EXPECT_EQ(editorState.windowPlacement.left, 100);
  EXPECT_EQ(editorState.windowPlacement.top, 80);
  EXPECT_EQ(editorState.windowPlacement.width, 500);
  EXPECT_EQ(editorState.windowPlacement.height, 350);
  // Not a first run: nothing was filled in or written.
  EXPECT_STREQ(editorState.sysEditFiles[0], "");
  EXPECT_EQ(ReadTestDword("Options", "Tabs"), -1);
}

TEST_F(SettingsTest, TabsAreReadThroughTheirRule) {
  StoreDword("Options", "Tabs", 17);
  LoadSettings();
  EXPECT_EQ(editorState.Tabs, 4);
  StoreDword("Options", "Tabs", 9);
  LoadSettings();
  EXPECT_EQ(editorState.Tabs, 9);
}

TEST_F(SettingsTest, SavedValuesComeBack) {
  StoreDword("Options", "Tabs", 4);  // not a first run
  LoadSettings();
  std::snprintf(editorState.currentFileName, kPathLength, "%s", "c:\\notes\\todo.txt");
  editorState.TopMost = 1;
  editorState.Sounds = 0;
  editorState.Tabs = 8;
  editorState.MatchCase = 1;
  editorState.LongDate = 0;
  editorState.pageSetup.topMargin = 750;
  std::snprintf(editorState.pageSetup.header, kPathLength, "%s", "$F");
  std::snprintf(editorState.findText, kPathLength, "%s", "needle");
  std::snprintf(editorState.recentFiles[2], kPathLength, "%s", "c:\\three.txt");
  std::snprintf(editorState.fileFilters[8], kPathLength, "%s", "Mine|*.m|");
  editorState.macros[4].active = 1;
  std::snprintf(editorState.macros[4].name, kEntryNameLength, "%s", "Sig");
  std::snprintf(editorState.macros[4].text, kMacroTextLength, "%s", "Kind regards\r\nMe");
  editorState.tools[0].active = 1;
  editorState.tools[0].launch = 1;
  std::snprintf(editorState.tools[0].program, kPathLength, "%s", "c:\\bin\\make.exe");
  editorState.errorsPlacement.show = 1;
  editorState.sortPlacement.left = 222;
  SaveSettings();

  editorState = EditorState();
  LoadSettings();
  EXPECT_STREQ(editorState.currentFileName, "c:\\notes\\todo.txt");
  EXPECT_EQ(editorState.TopMost, 1);
  EXPECT_EQ(editorState.Sounds, 0);
  EXPECT_EQ(editorState.Tabs, 8);
  EXPECT_EQ(editorState.MatchCase, 1);
  EXPECT_EQ(editorState.LongDate, 0);
  EXPECT_EQ(editorState.pageSetup.topMargin, 750);
  EXPECT_STREQ(editorState.pageSetup.header, "$F");
  EXPECT_STREQ(editorState.findText, "needle");
  EXPECT_STREQ(editorState.recentFiles[2], "c:\\three.txt");
  EXPECT_STREQ(editorState.fileFilters[8], "Mine|*.m|");
  EXPECT_EQ(editorState.macros[4].active, 1);
  EXPECT_STREQ(editorState.macros[4].name, "Sig");
  EXPECT_STREQ(editorState.macros[4].text, "Kind regards\r\nMe");
  EXPECT_EQ(editorState.tools[0].launch, 1);
  EXPECT_STREQ(editorState.tools[0].program, "c:\\bin\\make.exe");
  EXPECT_EQ(editorState.sortPlacement.left, 222);
  EXPECT_EQ(ReadTestDword("Options", "Sounds"), 0);
  EXPECT_EQ(ReadTestString("Options\\Search", "Find"), "needle");
}

TEST_F(SettingsTest, LongNamesAreCutToTheirField) {
  StoreDword("Options", "Tabs", 4);
  StoreText("Tools\\Tool-01", "Name", std::string(50, 'n'));
  StoreText("Options\\Macros\\Macro1", "Name", std::string(40, 'm'));
  LoadSettings();
  EXPECT_EQ(std::string(editorState.tools[0].name), std::string(35, 'n'));
  EXPECT_EQ(std::string(editorState.macros[0].name), std::string(35, 'm'));
}

TEST_F(SettingsTest, PlacementReferencesPointAtTheLiveSheetPosition) {
  LoadSettings();
  EXPECT_EQ(editorState.pageSetup.position, &editorState.optionsPlacement);
  EXPECT_EQ(editorState.shellItems.position, &editorState.optionsPlacement);
}

}  // namespace
