// The options sheet played through its driver seam: Cancel changes nothing, OK copies the
// working copy back, the sheet opens again as often as asked, and "/setup" opens it first.
#include <windows.h>

#include <commctrl.h>
#include <prsht.h>

#include <gtest/gtest.h>

#include <cstring>

#include "editor/app/EditorState.h"
#include "editor/app/OptionsSheet.h"
#include "editor/app/Startup.h"
#include "editor/support/EditorSupport.h"
#include "resources/quillet_ids.h"
#include "tests/editor/app/AppTestSupport.h"

using namespace editor;
using namespace support;

namespace {

class OptionsSheetTest : public testing::Test {
 protected:
  void SetUp() override {
    RemoveTestSettings();
    SetSettingsRoot(TestSettingsRoot().c_str());
    LoadSettings();
  }
  void TearDown() override {
    SetOptionsSheetDriver(nullptr);
    RemoveTestSettings();
  }

  // Flips a check box of the current page the way a click does.
  static void Click(HWND sheet, int control) {
    HWND page = PropSheet_GetCurrentPageHwnd(sheet);
    CheckDlgButton(page, control, IsDlgButtonChecked(page, control) == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
  }
  static bool Checked(HWND sheet, int control) {
    return IsDlgButtonChecked(PropSheet_GetCurrentPageHwnd(sheet), control) == BST_CHECKED;
  }
};

TEST_F(OptionsSheetTest, CancelLeavesEveryLiveValueAsItWas) {
  editorState.optionsPlacement.left = 123;
  const EditorState before = editorState;
  int driven = 0;
  SetOptionsSheetDriver([&](HWND sheet) {
    ++driven;
    Click(sheet, IDC_EDITOR_TIPS);
    Click(sheet, IDC_EDITOR_SOUNDS);
    SetWindowPos(sheet, nullptr, 7, 9, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    // Leaving a page stores the sheet's place in the working copy only.
    NMHDR leave{sheet, 0, static_cast<UINT>(PSN_KILLACTIVE)};
    SendMessageA(PropSheet_GetCurrentPageHwnd(sheet), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&leave));
    PropSheet_PressButton(sheet, PSBTN_CANCEL);
  });
  EXPECT_FALSE(RunOptionsSheet(nullptr, kEditorPage));
  EXPECT_EQ(driven, 1);
  EXPECT_EQ(std::memcmp(&before, &editorState, sizeof editorState), 0);
  EXPECT_EQ(ReadTestDword("Options", "Tips"), 1);
}

TEST_F(OptionsSheetTest, OkCopiesBackSavesAndReportsTheBackgroundChange) {
  // Every check box of the Editor page shows its option and writes it back.
  const std::pair<int, std::int32_t EditorState::*> boxes[] = {
      {IDC_EDITOR_TIPS, &EditorState::Tips},         {IDC_EDITOR_TASK_TRAY, &EditorState::TaskTray},
      {IDC_EDITOR_LT_GRAY, &EditorState::LtGray},    {IDC_EDITOR_WORD_WRAP, &EditorState::WordWrap},
      {IDC_EDITOR_MAXIMIZED, &EditorState::Maximized}, {IDC_EDITOR_NEW_DOC, &EditorState::NewDoc},
      {IDC_EDITOR_LOAD_LAST, &EditorState::LoadLast}, {IDC_EDITOR_READ_ONLY, &EditorState::ReadOnly},
      {IDC_EDITOR_BACKUP, &EditorState::Backup},     {IDC_EDITOR_AUTO_SAVE, &EditorState::AutoSave},
      {IDC_EDITOR_SOUNDS, &EditorState::Sounds}};
  const EditorState before = editorState;
  SetOptionsSheetDriver([&](HWND sheet) {
    for (const auto& [control, field] : boxes) {
      EXPECT_EQ(Checked(sheet, control), before.*field != 0) << control;
      Click(sheet, control);
    }
    SetWindowPos(sheet, nullptr, 40, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    PropSheet_PressButton(sheet, PSBTN_OK);
  });
  EXPECT_TRUE(RunOptionsSheet(nullptr, kEditorPage));
  for (const auto& [control, field] : boxes) EXPECT_EQ(editorState.*field, before.*field ? 0 : 1) << control;
  EXPECT_EQ(editorState.optionsPlacement.left, 40);
  EXPECT_EQ(editorState.optionsPlacement.top, 30);
  // The references point at the live record again, not at the copy that is gone.
  EXPECT_EQ(editorState.pageSetup.position, &editorState.optionsPlacement);
  EXPECT_EQ(editorState.shellItems.position, &editorState.optionsPlacement);
  EXPECT_EQ(ReadTestDword("Options", "Tips"), 0);
  EXPECT_EQ(ReadTestDword("DeskTop\\Options", "Left"), 40);
}

TEST_F(OptionsSheetTest, OpensAgainAfterOkAndCancelAtTheEditorPageForUnknownPages) {
  int round = 0;
  for (int page : {12, -1, static_cast<int>(kOptionsPageCount)}) {
    bool onEditorPage = false;
    const bool tipsBefore = editorState.Tips != 0;
    SetOptionsSheetDriver([&](HWND sheet) {
      onEditorPage = GetDlgItem(PropSheet_GetCurrentPageHwnd(sheet), IDC_EDITOR_TIPS) != nullptr;
      Click(sheet, IDC_EDITOR_TIPS);
      PropSheet_PressButton(sheet, round == 1 ? PSBTN_CANCEL : PSBTN_OK);
    });
    RunOptionsSheet(nullptr, page);
    EXPECT_TRUE(onEditorPage) << page;
    EXPECT_EQ(editorState.Tips != 0, round == 1 ? tipsBefore : !tipsBefore) << page;
    ++round;
  }
}

TEST_F(OptionsSheetTest, SetupArgumentSetsTheFlagAndOpensTheSheetFirst) {
  int driven = 0;
  SetOptionsSheetDriver([&](HWND sheet) {
    ++driven;
    EXPECT_EQ(GetParent(sheet), nullptr);  // no owner: the frame does not exist yet
    EXPECT_EQ(SetupFlag(editorState), 1);  // set before the sheet opened
    PropSheet_PressButton(sheet, PSBTN_CANCEL);
  });
  EXPECT_EQ(ProcessCommandLine("/SeTuP").kind, CommandLineKind::Setup);
  ProcessCommandLine("\"c:\\a b.txt\"");  // other arguments open no sheet
  EXPECT_EQ(driven, 1);
  EXPECT_EQ(SetupFlag(editorState), 1);

  // OK applies the Explorer choices once and clears them (the box unticked: no real shortcut).
  SetOptionsSheetDriver([](HWND sheet) {
    CheckDlgButton(PropSheet_GetCurrentPageHwnd(sheet), IDC_EXPLORER_CREATE_START_MENU, BST_UNCHECKED);
    PropSheet_PressButton(sheet, PSBTN_OK);
  });
  RunOptionsSheet(nullptr, kExplorerPage);
  EXPECT_EQ(SetupFlag(editorState), 0);
}

}  // namespace
