// Recent files, indirect lists, the SysEdit files and their page, on a real frame with real files.
#include <windows.h>

#include <prsht.h>

#include <algorithm>
#include <cstring>

#include "editor/app/FileLists.h"
#include "editor/app/OptionsSheet.h"
#include "resources/quillet_ids.h"
#include "tests/editor/app/DocumentFixture.h"

using namespace editor;
using Names = std::vector<std::string>;

namespace {

class FileListsTest : public DocumentTest {
 protected:
  static void SetUpTestSuite() {
    DocumentTest::SetUpTestSuite();
    InstallFileListServices();
  }
  // Existing files named `prefix`1 ... `prefix`count; the recent files start empty.
  Names MakeFiles(const std::string& prefix, int count) {
    for (auto& slot : editorState.recentFiles) slot[0] = '\0';
    Names paths;
    for (int n = 1; n <= count; ++n) Write(paths.emplace_back(Path(prefix + std::to_string(n) + ".txt")), "text");
    return paths;
  }
  static Names Recent() { return Names(std::begin(editorState.recentFiles), std::end(editorState.recentFiles)); }
  static void SetRecent(const Names& names) {
    for (std::size_t n = 0; n < kListSlots; ++n) std::strcpy(editorState.recentFiles[n], n < names.size() ? names[n].c_str() : "");
  }
  static Names OpenNames() {
    Names names;
    for (HWND document : DocumentWindows()) names.push_back(DocumentName(document));
    std::sort(names.begin(), names.end());
    return names;
  }
  // Every file dialog chooses `path`; what each started from (folder, or name for Save) is kept.
  void ChooseInDialogs(const std::string& path, bool chosen = true) {
    support::SetFileDialogAnswerer([=](OPENFILENAMEA& dialog, bool save) {
      starts_.push_back(save ? dialog.lpstrFile : dialog.lpstrInitialDir ? dialog.lpstrInitialDir : "");
      support::CopyText(dialog.lpstrFile, dialog.nMaxFile, path.c_str());
      return chosen;
    });
  }
  Names starts_;
};

TEST_F(FileListsTest, ReadingAFileMovesItToTheTopOfTheRecentFilesAndTheMenu) {
  const Names f = MakeFiles("r", 10);
  SetRecent({f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7], f[8]});
  OpenDocumentWindow(frameWindow, f[3].c_str(), false);  // from slot 4: 1-3 move down, 5-9 stay
  EXPECT_EQ(Recent(), (Names{f[3], f[0], f[1], f[2], f[4], f[5], f[6], f[7], f[8]}));
  EXPECT_EQ(MenuItem(ID_FILE_RECENT_1 + 1), "&2  " + f[0]);
  OpenDocumentWindow(frameWindow, f[9].c_str(), false);  // a tenth file drops slot 9
  EXPECT_EQ(Recent(), (Names{f[9], f[3], f[0], f[1], f[2], f[4], f[5], f[6], f[7]}));
  // Another letter case is the same file: no second entry, and slot 1 takes the new case.
  std::string upper = f[9];
  CharUpperA(&upper[0]);
  SendMessageA(mdiClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(DocumentWindows().front()), 0);
  OpenDocumentWindow(frameWindow, upper.c_str(), false);
  EXPECT_EQ(Recent()[0], upper);
  EXPECT_EQ(Recent()[1], f[3]);
  EXPECT_EQ(MenuItem(ID_FILE_RECENT_1), "&1  " + upper);
}

TEST_F(FileListsTest, ChoosingARecentFileOpensItBringsItUpOrDropsItWhenMissing) {
  const Names f = MakeFiles("c", 2);
  SetRecent({f[0], Path("gone.txt"), f[1]});
  {
    BoxRecorder boxes;
    FrameCommand(ID_FILE_RECENT_1 + 1);
    EXPECT_NE(boxes.only().text.find(Path("gone.txt") + "\r\rThis file cannot be found"), std::string::npos);
  }
  EXPECT_EQ(Recent(), (Names{f[0], f[1], "", "", "", "", "", "", ""}));
  EXPECT_EQ(MenuItem(ID_FILE_RECENT_1 + 1), "&2  " + f[1]);
  FrameCommand(ID_FILE_RECENT_1 + 1);
  FrameCommand(ID_FILE_RECENT_1);  // now open: brought up, not opened twice
  EXPECT_EQ(OpenNames(), (Names{f[1]}));
  EXPECT_EQ(Recent()[0], f[1]);
}

TEST_F(FileListsTest, OpenAListOpensTheNamedFilesThatExistAndSkipsTheRest) {
  const Names f = MakeFiles("l", 4);
  OpenNew("open.txt", "x");  // named again in another letter case: brought up, not opened twice
  const std::string list = Path("set.lst");
  Write(list, f[0] + "\r\n\r\n#" + f[1] + "\n;" + f[1] + "\n " + f[1] + "\n\t" + f[1] + "\n" + Path("missing.txt") +
                  "\r\n" + f[2] + "\r\n" + f[3] + "\n" + Path("OPEN.TXT"));
  ChooseInDialogs(list);
  FrameCommand(ID_WINDOWS_OPEN_LIST);
  EXPECT_EQ(OpenNames(), (Names{f[0], f[2], f[3], Path("open.txt")}));
  EXPECT_STREQ(editorState.currentFileName, f[3].c_str());
  EXPECT_EQ(Recent()[0], f[3]);
  EXPECT_EQ(editorState.listFlag + bulkOperation, 0);
  EXPECT_TRUE(IsWindowVisible(mdiClient));  // drawn again after the list
  EXPECT_EQ(GetFocus(), activeEdit);
  FrameCommand(ID_WINDOWS_OPEN_LIST);  // the dialog starts where the last list was chosen
  EXPECT_EQ(starts_.at(1) + "\\", folder_);
  EXPECT_EQ(OpenNames().size(), 4u);
}

// With documents opening maximised, a list leaves the frame as the same files opened one by one:
// the last one active and maximised, the others with the same sizes to restore to, the same menu.
TEST_F(FileListsTest, AListOfMaximisedDocumentsEndsAsTheSameFilesOpenedOneByOne) {
  const Names f = MakeFiles("m", 3);
  Write(Path("max.lst"), f[0] + "\r\n" + f[1] + "\r\n" + f[2]);
  // Per document: restored width and height, maximised; then the menu bar's items and the setting.
  auto open = [&](bool earlier, bool byList) {
    editorState.openMaximised = 1;
    if (earlier) OpenNew("before.txt", "x");
    if (byList) OpenListFile(Path("max.lst").c_str());
    else for (const std::string& name : f) OpenDocumentWindow(frameWindow, name.c_str(), false);
    std::vector<LONG> state;
    for (HWND document = GetWindow(mdiClient, GW_CHILD); document; document = GetWindow(document, GW_HWNDNEXT)) {
      WINDOWPLACEMENT place = {sizeof place};
      GetWindowPlacement(document, &place);  // the client staggers positions by all it ever made
      state.insert(state.end(), {place.rcNormalPosition.right - place.rcNormalPosition.left,
                                 place.rcNormalPosition.bottom - place.rcNormalPosition.top, IsZoomed(document)});
    }
    state.insert(state.end(), {GetMenuItemCount(GetMenu(frameWindow)), editorState.openMaximised});
    EXPECT_EQ(DocumentName(reinterpret_cast<HWND>(SendMessageA(mdiClient, WM_MDIGETACTIVE, 0, 0))), f[2]);
    for (HWND document : DocumentWindows()) SendMessageA(mdiClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(document), 0);
    return state;
  };
  for (bool earlier : {false, true}) {
    const std::vector<LONG> expected = open(earlier, false);
    EXPECT_EQ(open(earlier, true), expected) << (earlier ? "after a maximised document" : "into an empty frame");
    EXPECT_EQ(expected.back(), 1);
  }
}

TEST_F(FileListsTest, AListThatCannotBeReadIsReportedWithItsCause) {
  editorState.listFlag = 1;
  BoxRecorder boxes;
  GetDocumentServices().openFileList(Path("none.lst").c_str());
  EXPECT_EQ(editorState.listFlag, 0);
  Write(Path("held.lst"), Path("a.txt"));
  HANDLE held = CreateFileA(Path("held.lst").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  EXPECT_FALSE(OpenListFile(Path("held.lst").c_str()));
  CloseHandle(held);
  ASSERT_EQ(boxes.boxes().size(), 2u);
  EXPECT_NE(boxes.boxes()[0].text.find("File not found."), std::string::npos);
  EXPECT_NE(boxes.boxes()[1].text.find("Cannot open this indirect load file\rError Code: 13"), std::string::npos);
}

// Forty-five names of over 200 characters make more than ten kilobytes of list.
TEST_F(FileListsTest, BuildAListNamesEveryDocumentOrRefusesAnUntitledOne) {
  for (int n = 0; n < 45; ++n) OpenNew(std::to_string(n) + std::string(250 - folder_.size(), 'n'), "x");
  std::string expected;
  for (HWND document : DocumentWindows()) expected += DocumentName(document) + "\r\n";
  ASSERT_GT(expected.size(), 10240u);
  ChooseInDialogs(Path("all.lst"), false);
  FrameCommand(ID_WINDOWS_BUILD_LIST);  // cancelled: the list stays, untitled and modified
  EXPECT_EQ(starts_.at(0), "List" + std::to_string(listCounter));
  HWND list = DocumentWindows().front();
  EXPECT_EQ(Text(list), expected);
  EXPECT_EQ(Slot(list, kSlotHasFile) * 2 + Slot(list, kSlotModified), 1);
  {
    BoxRecorder boxes;  // refused while the untitled list is open: nothing made
    FrameCommand(ID_WINDOWS_BUILD_LIST);
    EXPECT_NE(boxes.only().text.find("File: " + DocumentName(list) + "\r\rThis file has not been saved"), std::string::npos);
  }
  EXPECT_EQ(starts_.size(), 1u);
  SendMessageA(mdiClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(list), 0);
  ChooseInDialogs(Path("all.lst"));
  FrameCommand(ID_WINDOWS_BUILD_LIST);
  EXPECT_EQ(starts_.at(1), "List" + std::to_string(listCounter));
  EXPECT_EQ(Read(Path("all.lst")), expected);
  EXPECT_EQ(Title(DocumentWindows().front()), Path("all.lst"));
  EXPECT_EQ(Recent()[0], Path("all.lst"));
}

TEST_F(FileListsTest, SysEditFilesOpenWithoutTouchingTheRecentFilesOrTheCurrentName) {
  const Names f = MakeFiles("s", 2);
  OpenNew("open.txt", "x");
  SetRecent({"c:\\kept.txt"});
  std::strcpy(editorState.currentFileName, "c:\\current.txt");
  const Names slots = {f[0], Path("missing.ini"), "", Path("open.txt"), f[1], "", "", "", ""};
  for (int n = 0; n < kListSlots; ++n) std::strcpy(editorState.sysEditFiles[n], slots[n].c_str());
  editorState.sysEditSwitch = 1;
  GetDocumentServices().openSysEditFiles();
  EXPECT_EQ(OpenNames(), (Names{Path("open.txt"), f[0], f[1]}));
  EXPECT_EQ(Recent(), (Names{"c:\\kept.txt", "", "", "", "", "", "", "", ""}));
  EXPECT_STREQ(editorState.currentFileName, "c:\\current.txt");
  EXPECT_EQ(editorState.sysEditSwitch + autoloadRunning + bulkOperation, 0);
}

TEST_F(FileListsTest, SysEditPageShowsTheSlotsPicksFilesAndKeepsWhatWasTyped) {
  for (auto& slot : editorState.sysEditFiles) std::strcpy(slot, "c:\\config.sys");
  ChooseInDialogs("c:\\chosen.bat");
  SetOptionsSheetDriver([](HWND sheet) {
    HWND page = PropSheet_GetCurrentPageHwnd(sheet);
    char text[300] = "";
    GetDlgItemTextA(page, IDC_SYSEDIT_FILE_9, text, sizeof text);
    EXPECT_STREQ(text, "c:\\config.sys");
    EXPECT_EQ(SendDlgItemMessageA(page, IDC_SYSEDIT_FILE_1 + 4, EM_GETLIMITTEXT, 0, 0), 255);
    SetDlgItemTextA(page, IDC_SYSEDIT_FILE_1 + 2, "c:\\typed\\here.ini");
    SetDlgItemTextA(page, IDC_SYSEDIT_FILE_1 + 4, "c:\\five.cfg");
    SendDlgItemMessageA(page, IDC_SYSEDIT_BROWSE_1 + 2, BM_CLICK, 0, 0);
    GetDlgItemTextA(page, IDC_SYSEDIT_FILE_1 + 2, text, sizeof text);
    EXPECT_STREQ(text, "c:\\chosen.bat");
    PropSheet_PressButton(sheet, PSBTN_OK);
  });
  RunOptionsSheet(frameWindow, kSysEditPage);
  SetOptionsSheetDriver(nullptr);
  EXPECT_EQ(starts_, (Names{"c:\\typed"}));  // the chooser starts from what was typed
  EXPECT_STREQ(editorState.sysEditFiles[2], "c:\\chosen.bat");
  EXPECT_STREQ(editorState.sysEditFiles[4], "c:\\five.cfg");
}

// Stored recent-file texts that are not terminated, or longer than a slot, are not used.
TEST_F(FileListsTest, BrokenStoredRecentFilesReadAsFreeSlots) {
  HKEY open = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, (TestSettingsRoot() + "\\Files\\Open").c_str(), 0, nullptr, 0, KEY_WRITE,
                            nullptr, &open, nullptr), ERROR_SUCCESS);
  auto store = [open](const wchar_t* name, const std::wstring& text, std::size_t units) {
    RegSetValueExW(open, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), static_cast<DWORD>(units * 2));
  };
  store(L"Open1", L"c:\\cut.txtX", 10);  // a zero right after the data would count as its end
  store(L"Open2", L"c:\\" + std::wstring(300, L'x'), 304);
  store(L"Open3", L"c:\\good.txt", 12);
  RegCloseKey(open);
  LoadSettings();
  EXPECT_EQ(Recent(), (Names{"", "", "c:\\good.txt", "", "", "", "", "", ""}));
}

}  // namespace
