// The Filters page in the real options sheet: what it shows, typing and Accept, Defaults, and
// every filter written back into its own slot. Also the Open filter list built from the slots.
#include <windows.h>

#include <commctrl.h>
#include <prsht.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "editor/app/EditorState.h"
#include "editor/app/FileFilters.h"
#include "editor/app/OptionsSheet.h"
#include "editor/support/EditorSupport.h"
#include "resources/quillet_ids.h"
#include "tests/editor/app/AppTestSupport.h"

using namespace editor;
using namespace support;

namespace {

using namespace std::string_literals;

class FiltersPageTest : public testing::Test {
 protected:
  void SetUp() override {
    RemoveTestSettings();
    SetSettingsRoot(TestSettingsRoot().c_str());
    LoadSettings();
    for (auto& slot : editorState.fileFilters) slot[0] = '\0';
  }
  void TearDown() override {
    SetOptionsSheetDriver(nullptr);
    RemoveTestSettings();
  }
  static std::string Entry(HWND page, int control, int index) {
    char text[kPathLength] = "";
    SendDlgItemMessageA(page, control, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
    return text;
  }
  static LRESULT Count(HWND page) { return SendDlgItemMessageA(page, IDC_FILTERS_DESCRIPTIONS, CB_GETCOUNT, 0, 0); }
  static LRESULT Selected(HWND page, int control) { return SendDlgItemMessageA(page, control, CB_GETCURSEL, 0, 0); }
  static bool Enabled(HWND page, int control) { return IsWindowEnabled(GetDlgItem(page, control)) != FALSE; }
  // Chooses an entry of a list as a click in its drop-down does.
  static void Choose(HWND page, int control, int index) {
    SendDlgItemMessageA(page, control, CB_SETCURSEL, index, 0);
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(control, CBN_SELCHANGE), reinterpret_cast<LPARAM>(GetDlgItem(page, control)));
  }
  // Replaces the text in the edit part of a list, key by key.
  static void Type(HWND page, int control, const char* text) {
    HWND edit = FindWindowExA(GetDlgItem(page, control), nullptr, "Edit", nullptr);
    SendMessageA(edit, EM_SETSEL, 0, -1);
    SendMessageA(edit, WM_CHAR, VK_BACK, 0);
    for (const char* c = text; *c; ++c) SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(*c), 0);
  }
  static void Press(HWND page, int button) { SendDlgItemMessageA(page, button, BM_CLICK, 0, 0); }
};

TEST_F(FiltersPageTest, EditedFiltersKeepTheirOwnSlotsAcrossEmptyOnes) {
  std::strcpy(editorState.fileFilters[0], "A|*.a|");
  std::strcpy(editorState.fileFilters[2], "C|*.c,*.cc|");
  std::strcpy(editorState.fileFilters[5], "F|*.f|");
  SetOptionsSheetDriver([](HWND sheet) {
    HWND page = PropSheet_GetCurrentPageHwnd(sheet);
    ASSERT_EQ(Count(page), 3);
    EXPECT_EQ(Entry(page, IDC_FILTERS_DESCRIPTIONS, 1), "C");
    EXPECT_EQ(Entry(page, IDC_FILTERS_EXTENSIONS, 1), "*.c;*.cc");
    EXPECT_EQ(Selected(page, IDC_FILTERS_EXTENSIONS), 0);
    EXPECT_FALSE(Enabled(page, IDC_FILTERS_ACCEPT_DESCRIPTION));

    Choose(page, IDC_FILTERS_DESCRIPTIONS, 1);
    EXPECT_EQ(Selected(page, IDC_FILTERS_EXTENSIONS), 1);
    Type(page, IDC_FILTERS_DESCRIPTIONS, "");
    EXPECT_TRUE(Enabled(page, IDC_FILTERS_ACCEPT_DESCRIPTION));
    EXPECT_FALSE(Enabled(page, IDC_FILTERS_ACCEPT_EXTENSIONS));
    Press(page, IDC_FILTERS_ACCEPT_DESCRIPTION);  // an empty description only beeps
    EXPECT_EQ(Entry(page, IDC_FILTERS_DESCRIPTIONS, 1), "C");
    Type(page, IDC_FILTERS_EXTENSIONS, "*.c,*.h|");
    Type(page, IDC_FILTERS_DESCRIPTIONS, "C|code");
    Press(page, IDC_FILTERS_ACCEPT_DESCRIPTION);  // the patterns typed stay for their own Accept
    EXPECT_FALSE(Enabled(page, IDC_FILTERS_ACCEPT_DESCRIPTION));
    Press(page, IDC_FILTERS_ACCEPT_EXTENSIONS);
    EXPECT_EQ(Selected(page, IDC_FILTERS_DESCRIPTIONS), 1);
    PropSheet_PressButton(sheet, PSBTN_OK);
  });
  RunOptionsSheet(nullptr, kFiltersPage);
  const char* expected[kListSlots] = {"A|*.a|", "", "Ccode|*.c;*.h|", "", "", "F|*.f|", "", "", ""};
  for (int slot = 0; slot < kListSlots; ++slot) EXPECT_STREQ(editorState.fileFilters[slot], expected[slot]) << slot;
  EXPECT_EQ(ReadTestString("Files\\FileFilter", "Filter3"), "Ccode|*.c;*.h|");
  EXPECT_EQ(ReadTestString("Files\\FileFilter", "Filter6"), "F|*.f|");

  // The page opens again at the entry chosen last; Defaults brings the nine back, Cancel drops them.
  SetOptionsSheetDriver([](HWND sheet) {
    HWND page = PropSheet_GetCurrentPageHwnd(sheet);
    EXPECT_EQ(Selected(page, IDC_FILTERS_DESCRIPTIONS), 1);
    Press(page, IDC_FILTERS_DEFAULTS);
    EXPECT_EQ(Count(page), kListSlots);
    EXPECT_EQ(Entry(page, IDC_FILTERS_DESCRIPTIONS, 8), "Pascal Files");
    PropSheet_PressButton(sheet, PSBTN_CANCEL);
  });
  RunOptionsSheet(nullptr, kFiltersPage);
  EXPECT_STREQ(editorState.fileFilters[1], "");
}

TEST_F(FiltersPageTest, OpenFilterFromTheSlotsOrTheFallback) {
  EXPECT_EQ(BuildOpenFilter(IDS_DEFAULT_OPEN_FILTER).substr(0, 21), "Text Files\0*.txt;*.ht"s);
  std::strcpy(editorState.fileFilters[4], "E|*.e|");
  EXPECT_EQ(BuildOpenFilter(IDS_DEFAULT_OPEN_FILTER), "E\0*.e\0All Files\0*.*\0\0"s);
}

}  // namespace
