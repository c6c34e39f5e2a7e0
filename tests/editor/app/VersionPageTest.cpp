// The Version page in the real options sheet: the texts of the program's version resource, the
// string resources standing in for another language, and the web-site button without a browser.
#include <windows.h>

#include <commctrl.h>
#include <prsht.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "editor/app/OptionsSheet.h"
#include "editor/app/VersionPage.h"
#include "editor/support/EditorSupport.h"
#include "resources/quillet_ids.h"
#include "resources/release_version.h"
#include "tests/support/Messages.h"

namespace {

constexpr const char* kResourceRelease =
    "Release " RELEASE_VERSION_TEXT " of Zelvora and Quillet. Quillet is freeware. You may copy it and give it "
    "away, as long as its files are not changed and no fee is charged for it.";

std::string ControlText(HWND page, int id) {
  char text[512] = "";
  GetDlgItemTextA(page, id, text, sizeof text);
  return text;
}

// The five texts of the page, in control order.
std::vector<std::string> Fields(HWND page) {
  std::vector<std::string> texts;
  for (int id = IDC_VERSION_PRODUCT_NAME; id <= IDC_VERSION_RELEASE; ++id) texts.push_back(ControlText(page, id));
  return texts;
}

// Runs the sheet on the Version page; `check` gets the page, then the sheet is cancelled.
void OnVersionPage(const std::function<void(HWND page)>& check) {
  bool ran = false;
  const auto previous = editor::SetOptionsSheetDriver([&](HWND sheet) {
    ran = true;
    check(PropSheet_GetCurrentPageHwnd(sheet));
    PropSheet_PressButton(sheet, PSBTN_CANCEL);
  });
  editor::RunOptionsSheet(nullptr, editor::kVersionPage);
  editor::SetOptionsSheetDriver(previous);
  EXPECT_TRUE(ran);
}

// Takes the http handler away, and puts it back.
class NoBrowser {
 public:
  NoBrowser() {
    LONG size = sizeof saved_;
    had_ = RegQueryValueA(HKEY_CLASSES_ROOT, kKey, saved_, &size) == ERROR_SUCCESS;
    RegDeleteKeyA(HKEY_CLASSES_ROOT, kKey);
  }
  ~NoBrowser() {
    if (had_) RegSetValueA(HKEY_CLASSES_ROOT, kKey, REG_SZ, saved_, 0);
  }

 private:
  static constexpr const char* kKey = "http\\shell\\open\\command";
  char saved_[512] = "";
  bool had_ = false;
};

TEST(VersionPage, ShowsTheVersionResourceOrTheStringsForAnotherLanguage) {
  OnVersionPage([](HWND page) {
    if (GetUserDefaultLangID() == 0x0409) {
      const std::vector<std::string> resource = {"Quillet for Windows 95/NT", support::GetString(IDS_COPYRIGHT),
                                                 "MDI Text Editor for Windows 95/NT", "Version 3.7",
                                                 kResourceRelease};
      EXPECT_EQ(Fields(page), resource);
    }
    if (const char* pause = std::getenv("QUILLET_SHOT_PAUSE")) testsupport::PumpFor(std::atoi(pause));
    // A German user: the resource has no German table, so the string resources stand in.
    ASSERT_TRUE(editor::FillVersionFields(page, 0x0407));
    const std::vector<std::string> strings = {
        support::GetString(IDS_PRODUCT_NAME), support::GetString(IDS_COPYRIGHT), support::GetString(IDS_DESCRIPTION),
        support::GetString(IDS_VERSION), Fields(page).back()};
    EXPECT_EQ(Fields(page), strings);
    EXPECT_NE(Fields(page).back(), kResourceRelease);
    EXPECT_NE(Fields(page).back().find("freeware"), std::string::npos);
    EXPECT_EQ(ControlText(page, IDC_VERSION_WEB_SITE), editor::kMakerWebAddress);
  });
}

TEST(VersionPage, TheWebSiteButtonWithoutABrowserIsSilent) {
  NoBrowser noBrowser;
  // Pressed on the page: no box of ours (an unexpected one fails the test) and none of the shell's
  // (it would hold the test until its time-out); the sheet stays.
  OnVersionPage([](HWND page) {
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_VERSION_WEB_SITE, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(page, IDC_VERSION_WEB_SITE)));
    EXPECT_TRUE(IsWindow(page));
  });
}

}  // namespace
