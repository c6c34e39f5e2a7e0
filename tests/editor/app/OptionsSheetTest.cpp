// The options sheet played through its driver seam: Cancel changes nothing, OK copies the
// working copy back, and the sheet opens again as often as asked.
#include <windows.h>

#include <commctrl.h>
#include <prsht.h>

#include <gtest/gtest.h>

#include <cstring>

#include "AppTestSupport.h"
#include "EditorState.h"
#include "OptionsSheet.h"
#include "Startup.h"
#include "quillet_ids.h"

namespace {

class OptionsSheetTest : public testing::Test {
 protected:
  void SetUp() override {
    RemoveTestSettings();
    SetSettingsRoot(TestSettingsRoot().c_str());
    LoadSettings();
    soundsOn = false;
  }
  void TearDown() override {
    SetOptionsSheetDriver(nullptr);
    RemoveTestSettings();
    editorState = EditorState();
    PointPlacementReferences(editorState);
    soundsOn = false;
  }

  // Flips a check box of the current page the way a click does.
  static void Click(HWND sheet, int control) {
    HWND page = PropSheet_GetCurrentPageHwnd(sheet);
    const bool on = IsDlgButtonChecked(page, control) == BST_CHECKED;
    CheckDlgButton(page, control, on ? BST_UNCHECKED : BST_CHECKED);
  }
  static bool Checked(HWND sheet, int control) {
    return IsDlgButtonChecked(PropSheet_GetCurrentPageHwnd(sheet), control) == BST_CHECKED;
  }
};

TEST_F(OptionsSheetTest, CancelLeavesEveryLiveValueAsItWas) {
  editorState.optionsPlacement.left = 123;
  editorState.optionsPlacement.top = 45;
  const EditorState before = editorState;
  int driven = 0;
  SetOptionsSheetDriver([&](HWND sheet) {
    ++driven;
    Click(sheet, IDC_EDITOR_TIPS);
    Click(sheet, IDC_EDITOR_LT_GRAY);
    Click(sheet, IDC_EDITOR_SOUNDS);
    SetWindowPos(sheet, nullptr, 7, 9, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    // Leaving a page stores the sheet's place in the working copy only.
    SendMessageA(PropSheet_GetCurrentPageHwnd(sheet), WM_NOTIFY, 0,
                 reinterpret_cast<LPARAM>(&(const NMHDR&)NMHDR{sheet, 0, static_cast<UINT>(PSN_KILLACTIVE)}));
    PropSheet_PressButton(sheet, PSBTN_CANCEL);
  });
  EXPECT_FALSE(RunOptionsSheet(nullptr, kEditorPage));
  EXPECT_EQ(driven, 1);
  EXPECT_EQ(std::memcmp(&before, &editorState, sizeof editorState), 0);
  EXPECT_EQ(editorState.optionsPlacement.left, 123);
  EXPECT_EQ(editorState.optionsPlacement.top, 45);
  EXPECT_EQ(editorState.pageSetup.position, &editorState.optionsPlacement);
  EXPECT_EQ(ReadTestDword("Options", "Tips"), 1);
}

TEST_F(OptionsSheetTest, OkCopiesBackSavesAndReportsTheBackgroundChange) {
  SetOptionsSheetDriver([&](HWND sheet) {
    EXPECT_TRUE(Checked(sheet, IDC_EDITOR_TIPS));
    EXPECT_FALSE(Checked(sheet, IDC_EDITOR_LT_GRAY));
    EXPECT_TRUE(Checked(sheet, IDC_EDITOR_NEW_DOC));
    char title[64] = "";
    GetWindowTextA(sheet, title, sizeof title);
    EXPECT_NE(std::string(title).find("Quillet Options"), std::string::npos) << title;
    Click(sheet, IDC_EDITOR_TIPS);
    Click(sheet, IDC_EDITOR_LT_GRAY);
    Click(sheet, IDC_EDITOR_SOUNDS);
    Click(sheet, IDC_EDITOR_AUTO_SAVE);
    SetWindowPos(sheet, nullptr, 40, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    PropSheet_PressButton(sheet, PSBTN_OK);
  });
  EXPECT_TRUE(RunOptionsSheet(nullptr, kEditorPage));
  EXPECT_EQ(editorState.Tips, 0);
  EXPECT_EQ(editorState.LtGray, 1);
  EXPECT_EQ(editorState.Sounds, 0);
  EXPECT_EQ(editorState.AutoSave, 1);
  EXPECT_FALSE(soundsOn);
  EXPECT_EQ(editorState.optionsPlacement.left, 40);
  EXPECT_EQ(editorState.optionsPlacement.top, 30);
  // The references point at the live record again, not at the copy that is gone.
  EXPECT_EQ(editorState.pageSetup.position, &editorState.optionsPlacement);
  EXPECT_EQ(editorState.shellItems.position, &editorState.optionsPlacement);
  EXPECT_EQ(ReadTestDword("Options", "Tips"), 0);
  EXPECT_EQ(ReadTestDword("Options", "LtGray"), 1);
  EXPECT_EQ(ReadTestDword("DeskTop\\Options", "Left"), 40);
}

TEST_F(OptionsSheetTest, OpensAgainAfterOkAndAfterCancel) {
  for (int round = 0; round < 3; ++round) {
    bool sawExpected = false;
    const bool tipsBefore = editorState.Tips != 0;
    SetOptionsSheetDriver([&](HWND sheet) {
      sawExpected = Checked(sheet, IDC_EDITOR_TIPS) == tipsBefore;
      Click(sheet, IDC_EDITOR_TIPS);
      PropSheet_PressButton(sheet, round == 1 ? PSBTN_CANCEL : PSBTN_OK);
    });
    RunOptionsSheet(nullptr, kEditorPage);
    EXPECT_TRUE(sawExpected) << "round " << round;
    EXPECT_EQ(editorState.Tips != 0, round == 1 ? tipsBefore : !tipsBefore) << "round " << round;
    EXPECT_EQ(editorState.pageSetup.position, &editorState.optionsPlacement);
    EXPECT_EQ(editorState.shellItems.position, &editorState.optionsPlacement);
  }
}

TEST_F(OptionsSheetTest, UnknownOrMissingStartPageOpensTheEditorPage) {
  for (int page : {12, -1, static_cast<int>(kExplorerPage)}) {
    bool onEditorPage = false;
    SetOptionsSheetDriver([&](HWND sheet) {
      onEditorPage = GetDlgItem(PropSheet_GetCurrentPageHwnd(sheet), IDC_EDITOR_TIPS) != nullptr;
      PropSheet_PressButton(sheet, PSBTN_CANCEL);
    });
    EXPECT_FALSE(RunOptionsSheet(nullptr, page));
    EXPECT_TRUE(onEditorPage) << page;
  }
}

TEST_F(OptionsSheetTest, TheSheetKnowsAllNinePages) {
  int count = 0;
  const OptionsPageEntry* pages = GetOptionsPageTable(&count);
  ASSERT_EQ(count, 9);
  const char* titles[] = {"Editor", "Filters", "Printing", "Tools", "Macros", "SysEdit", "Time Stamp", "Explorer",
                          "Version"};
  const unsigned topics[] = {100, 500, 0, 300, 1000, 120, 105, 0, 0};
  for (int i = 0; i < count; ++i) {
    EXPECT_EQ(pages[i].page, i);
    EXPECT_STREQ(pages[i].title, titles[i]);
    EXPECT_EQ(pages[i].helpTopic, topics[i]);
  }
  EXPECT_NE(pages[kEditorPage].build, nullptr);
}

TEST_F(OptionsSheetTest, SetupArgumentSetsTheFlagAndOpensTheSheetFirst) {
  int driven = 0;
  SetOptionsSheetDriver([&](HWND sheet) {
    ++driven;
    EXPECT_EQ(GetParent(sheet), nullptr);  // no owner: the frame does not exist yet
    EXPECT_EQ(SetupFlag(editorState), 1);  // set before the sheet opened
    PropSheet_PressButton(sheet, PSBTN_CANCEL);
  });
  const CommandLineRequest request = ProcessCommandLine("/SeTuP");
  EXPECT_EQ(request.kind, CommandLineKind::Setup);
  EXPECT_EQ(driven, 1);
  EXPECT_EQ(SetupFlag(editorState), 1);

  // OK applies the Explorer choices once and clears them.
  SetOptionsSheetDriver([](HWND sheet) { PropSheet_PressButton(sheet, PSBTN_OK); });
  RunOptionsSheet(nullptr, kExplorerPage);
  EXPECT_EQ(SetupFlag(editorState), 0);
  EXPECT_EQ(editorState.shellItems.position, &editorState.optionsPlacement);
}

TEST_F(OptionsSheetTest, OtherArgumentsOpenNoSheet) {
  int driven = 0;
  SetOptionsSheetDriver([&](HWND sheet) {
    ++driven;
    PropSheet_PressButton(sheet, PSBTN_CANCEL);
  });
  ProcessCommandLine("\"c:\\a b.txt\"");
  EXPECT_EQ(driven, 0);
  EXPECT_EQ(editorState.commandLineFile, 1);
  EXPECT_STREQ(editorState.currentFileName, "c:\\a b.txt");
}

}  // namespace
