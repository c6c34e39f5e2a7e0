// Recent files, indirect lists, the SysEdit autoload and its page, and the start-up openings, on
// a real frame with real files.
#include <windows.h>

#include <prsht.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "editor/app/FileLists.h"
#include "editor/app/OptionsSheet.h"
#include "resources/quillet_ids.h"
#include "tests/editor/app/DocumentFixture.h"

using namespace editor;
using support::kButtonOk;

namespace {

class FileListsTest : public DocumentTest {
 protected:
  static void SetUpTestSuite() {
    DocumentTest::SetUpTestSuite();
    InstallFileListServices();
  }
  void SetUp() override {
    DocumentTest::SetUp();
    for (auto& slot : editorState.recentFiles) slot[0] = '\0';
  }
  // Existing files named `prefix`1 ... `prefix`count.
  std::vector<std::string> MakeFiles(const std::string& prefix, int count) {
    std::vector<std::string> paths;
    for (int n = 1; n <= count; ++n) {
      paths.push_back(Path(prefix + std::to_string(n) + ".txt"));
      Write(paths.back(), "text " + std::to_string(n));
    }
    return paths;
  }
  static std::vector<std::string> Recent() {
    std::vector<std::string> slots;
    for (const auto& slot : editorState.recentFiles) slots.push_back(slot);
    return slots;
  }
  static void SetRecent(const std::vector<std::string>& names) {
    for (int n = 0; n < kListSlots; ++n) support::CopyText(editorState.recentFiles[n], kPathLength, n < (int)names.size() ? names[n].c_str() : "");
  }
  static std::vector<std::string> OpenNames() {
    std::vector<std::string> names;
    for (HWND document : DocumentWindows()) names.push_back(DocumentName(document));
    std::sort(names.begin(), names.end());
    return names;
  }
  static std::string MenuText(unsigned id) {
    char text[512] = "";
    GetMenuStringA(GetMenu(frameWindow), id, text, sizeof text, MF_BYCOMMAND);
    return text;
  }
  static void FrameCommand(unsigned id) { SendMessageA(frameWindow, WM_COMMAND, MAKEWPARAM(id, 0), 0); }
};

TEST_F(FileListsTest, ReadingAFileMovesItToTheTopOfTheRecentFiles) {
  const std::vector<std::string> files = MakeFiles("r", 10);
  SetRecent({files[0], files[1], files[2], files[3], files[4], files[5], files[6], files[7], files[8]});
  // Slot 4 to the top: slots 1-3 move down one, 5-9 stay.
  OpenDocumentWindow(frameWindow, files[3].c_str(), false);
  EXPECT_EQ(Recent(), (std::vector<std::string>{files[3], files[0], files[1], files[2], files[4], files[5], files[6],
                                                files[7], files[8]}));
  EXPECT_EQ(MenuText(ID_FILE_RECENT_1), "&1  " + files[3]);
  EXPECT_EQ(MenuText(ID_FILE_RECENT_2), "&2  " + files[0]);

  // A tenth file drops the one in slot 9.
  OpenDocumentWindow(frameWindow, files[9].c_str(), false);
  EXPECT_EQ(Recent().front(), files[9]);
  EXPECT_EQ(Recent().back(), files[7]);

  // Another letter case is the same file: no second entry, and slot 1 shows the new case.
  std::string upper = files[9];
  for (char& c : upper) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
  SendMessageA(editor::mdiClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(DocumentWindows().front()), 0);
  OpenDocumentWindow(frameWindow, upper.c_str(), false);
  EXPECT_EQ(Recent()[0], upper);
  EXPECT_EQ(Recent()[1], files[3]);
  EXPECT_EQ(MenuText(ID_FILE_RECENT_1), "&1  " + upper);
}

TEST_F(FileListsTest, ChoosingARecentFileOpensItBringsItUpOrDropsItWhenMissing) {
  const std::vector<std::string> files = MakeFiles("c", 3);
  const std::string gone = Path("gone.txt");
  SetRecent({files[0], gone, files[1], files[2]});
  {
    BoxRecorder boxes;
    FrameCommand(ID_FILE_RECENT_1 + 1);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_NE(boxes.only().text.find(gone), std::string::npos);
    EXPECT_NE(boxes.only().text.find("cannot be found on the disk"), std::string::npos);
  }
  EXPECT_TRUE(DocumentWindows().empty());
  EXPECT_EQ(Recent(), (std::vector<std::string>{files[0], files[1], files[2], "", "", "", "", "", ""}));
  EXPECT_EQ(MenuText(ID_FILE_RECENT_2), "&2  " + files[1]);

  FrameCommand(ID_FILE_RECENT_1 + 2);  // an existing file opens and comes to the top
  ASSERT_EQ(DocumentWindows().size(), 1u);
  EXPECT_EQ(DocumentName(DocumentWindows().front()), files[2]);
  EXPECT_EQ(Recent()[0], files[2]);
  FrameCommand(ID_FILE_RECENT_1);  // already open: brought up, not opened twice
  EXPECT_EQ(DocumentWindows().size(), 1u);
}

TEST_F(FileListsTest, OpenAListOpensTheNamedFilesThatExistAndSkipsCommentsAndBlanks) {
  const std::vector<std::string> files = MakeFiles("l", 4);
  const std::string list = Path("set.lst");
  Write(list, files[0] + "\r\n\r\n# " + files[1] + "\n;" + files[1] + "\n " + files[1] + "\n\t" + files[1] + "\n" +
                  Path("missing.txt") + "\r\n" + files[2] + "\r\n" + files[3]);
  OpenNew("open.txt", "x");  // named again in another letter case: brought up, not opened again
  Write(list, Read(list) + "\n" + Path("OPEN.TXT") + "\n");
  std::vector<std::string> starts;
  support::SetFileDialogAnswerer([&](OPENFILENAMEA& dialog, bool save) {
    EXPECT_FALSE(save);
    starts.push_back(dialog.lpstrInitialDir ? dialog.lpstrInitialDir : "");
    support::CopyText(dialog.lpstrFile, dialog.nMaxFile, list.c_str());
    return true;
  });
  FrameCommand(ID_WINDOWS_OPEN_LIST);
  EXPECT_EQ(OpenNames(), (std::vector<std::string>{files[0], files[2], files[3], Path("open.txt")}));
  EXPECT_STREQ(editorState.currentFileName, files[3].c_str());
  EXPECT_EQ(Recent()[0], files[3]);
  EXPECT_EQ(Recent()[2], files[0]);
  EXPECT_EQ(editorState.listFlag, 0);
  EXPECT_FALSE(bulkOperation);
  EXPECT_TRUE(IsWindowVisible(mdiClient));  // drawn again after the list
  EXPECT_EQ(GetFocus(), activeEdit);

  FrameCommand(ID_WINDOWS_OPEN_LIST);  // the dialog starts from the list chosen last
  ASSERT_EQ(starts.size(), 2u);
  EXPECT_EQ(starts[1] + "\\", folder_);
  EXPECT_EQ(OpenNames().size(), 4u);
}

TEST_F(FileListsTest, AListThatCannotBeReadIsReportedWithItsCause) {
  editorState.listFlag = 1;
  {
    BoxRecorder boxes;
    GetDocumentServices().openFileList(Path("none.lst").c_str());
    EXPECT_NE(boxes.only().text.find("File not found."), std::string::npos);
  }
  EXPECT_EQ(editorState.listFlag, 0);
  const std::string list = Path("held.lst");
  Write(list, Path("a.txt"));
  HANDLE held = CreateFileA(list.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  {
    BoxRecorder boxes;
    EXPECT_FALSE(OpenListFile(list.c_str()));
    EXPECT_NE(boxes.only().text.find("Cannot open this indirect load file\rError Code: 13"), std::string::npos);
  }
  CloseHandle(held);
  EXPECT_TRUE(DocumentWindows().empty());
}

TEST_F(FileListsTest, BuildAListRefusesAnUntitledDocumentAndCreatesNothing) {
  OpenNew("saved.txt", "x");
  GetDocumentServices().newDocument();
  const std::string untitled = DocumentName(DocumentWindows().front());
  AnswerFileDialogs({Path("never.lst")});
  {
    BoxRecorder boxes;
    FrameCommand(ID_WINDOWS_BUILD_LIST);
    EXPECT_NE(boxes.only().text.find("File: " + untitled + "\r\rThis file has not been saved"), std::string::npos);
  }
  EXPECT_EQ(fileDialogs_, 0);
  EXPECT_EQ(DocumentWindows().size(), 2u);
  EXPECT_EQ(Read(Path("never.lst")), "<missing>");
}

// Forty-five names of over 200 characters are more than ten kilobytes of list.
TEST_F(FileListsTest, BuildAListNamesEveryDocumentAndSavesTheListUnderTheChosenName) {
  const std::string longPart(std::max<int>(0, 250 - static_cast<int>(folder_.size())), 'n');
  for (int n = 0; n < 45; ++n) OpenNew(std::to_string(n) + longPart + ".txt", "x");
  std::string expected;
  for (HWND document : DocumentWindows()) expected += DocumentName(document) + "\r\n";
  ASSERT_GT(expected.size(), 10240u);

  std::string suggested;
  support::SetFileDialogAnswerer([&](OPENFILENAMEA& dialog, bool save) {
    EXPECT_TRUE(save);
    suggested = dialog.lpstrFile;
    return false;
  });
  FrameCommand(ID_WINDOWS_BUILD_LIST);  // cancelled: the list stays, untitled and modified
  EXPECT_EQ(suggested, "List" + std::to_string(listCounter));
  HWND list = DocumentWindows().front();
  EXPECT_EQ(Text(list), expected);
  EXPECT_EQ(Slot(list, kSlotHasFile), 0);
  EXPECT_EQ(Slot(list, kSlotModified), 1);
  EXPECT_EQ(Selection(GetDocumentEdit(list)).cpMax, 0);
  SendMessageA(editor::mdiClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(list), 0);

  const int counter = listCounter;
  AnswerFileDialogs({Path("all.lst")});
  FrameCommand(ID_WINDOWS_BUILD_LIST);
  EXPECT_EQ(listCounter, counter + 1);
  EXPECT_EQ(Read(Path("all.lst")), expected);
  list = DocumentWindows().front();
  EXPECT_EQ(Title(list), Path("all.lst"));
  EXPECT_EQ(Slot(list, kSlotModified), 0);
  EXPECT_EQ(Recent()[0], Path("all.lst"));
}

TEST_F(FileListsTest, SysEditFilesOpenWithoutTouchingTheRecentFilesOrTheCurrentName) {
  const std::vector<std::string> files = MakeFiles("s", 3);
  OpenNew("open.txt", "x");
  SetRecent({"c:\\kept.txt"});
  std::strcpy(editorState.currentFileName, "c:\\current.txt");
  for (auto& slot : editorState.sysEditFiles) slot[0] = '\0';
  const std::vector<std::string> slots = {files[0], Path("missing.ini"), "", Path("open.txt"), files[1], files[2]};
  for (std::size_t n = 0; n < slots.size(); ++n) std::strcpy(editorState.sysEditFiles[n], slots[n].c_str());
  editorState.sysEditSwitch = 1;
  GetDocumentServices().openSysEditFiles();
  EXPECT_EQ(OpenNames(), (std::vector<std::string>{Path("open.txt"), files[0], files[1], files[2]}));
  EXPECT_EQ(Recent()[0], "c:\\kept.txt");
  EXPECT_EQ(Recent()[1], "");
  EXPECT_STREQ(editorState.currentFileName, "c:\\current.txt");
  EXPECT_EQ(editorState.sysEditSwitch, 0);
  EXPECT_FALSE(autoloadRunning);
  EXPECT_FALSE(bulkOperation);
}

TEST_F(FileListsTest, SysEditPageShowsTheSlotsPicksFilesAndKeepsWhatWasTyped) {
  for (auto& slot : editorState.sysEditFiles) slot[0] = '\0';
  std::strcpy(editorState.sysEditFiles[0], "c:\\config.sys");
  std::strcpy(editorState.sysEditFiles[8], "c:\\win.ini");
  std::string start, title;
  support::SetFileDialogAnswerer([&](OPENFILENAMEA& dialog, bool save) {
    EXPECT_FALSE(save);
    start = dialog.lpstrInitialDir ? dialog.lpstrInitialDir : "";
    title = dialog.lpstrTitle ? dialog.lpstrTitle : "";
    support::CopyText(dialog.lpstrFile, dialog.nMaxFile, "c:\\chosen.bat");
    return true;
  });
  SetOptionsSheetDriver([](HWND sheet) {
    HWND page = PropSheet_GetCurrentPageHwnd(sheet);
    char text[300] = "";
    GetDlgItemTextA(page, IDC_SYSEDIT_FILE_1, text, sizeof text);
    EXPECT_STREQ(text, "c:\\config.sys");
    GetDlgItemTextA(page, IDC_SYSEDIT_FILE_9, text, sizeof text);
    EXPECT_STREQ(text, "c:\\win.ini");
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
  EXPECT_EQ(start, "c:\\typed");
  EXPECT_EQ(title, "Select Files to be used in the SysEdit Mode");
  EXPECT_STREQ(editorState.sysEditFiles[2], "c:\\chosen.bat");
  EXPECT_STREQ(editorState.sysEditFiles[4], "c:\\five.cfg");
  EXPECT_STREQ(editorState.sysEditFiles[8], "c:\\win.ini");
}

// Stored recent-file texts that are not terminated, or longer than a slot, are not used.
TEST_F(FileListsTest, BrokenStoredRecentFilesReadAsFreeSlots) {
  const std::string key = TestSettingsRoot() + "\\Files\\Open";
  HKEY open = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &open, nullptr), ERROR_SUCCESS);
  const std::wstring good = L"c:\\good.txt", unterminated = L"c:\\cut.txtX", tooLong = L"c:\\" + std::wstring(300, L'x');
  auto store = [open](const wchar_t* name, const std::wstring& text, std::size_t units) {
    RegSetValueExW(open, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), static_cast<DWORD>(units * 2));
  };
  store(L"Open1", unterminated, unterminated.size() - 1);  // a zero after the data would count
  store(L"Open2", tooLong, tooLong.size() + 1);
  store(L"Open3", good, good.size() + 1);
  RegCloseKey(open);
  LoadSettings();
  EXPECT_EQ(Recent(), (std::vector<std::string>{"", "", "c:\\good.txt", "", "", "", "", "", ""}));
}

// What the frame opens as it is created: SysEdit files, a list, the last file, a new document.
class StartUpOpeningTest : public FileListsTest {
 protected:
  // The suite's frame is made again for each start-up.
  void Start() {
    if (frameWindow) DestroyWindow(frameWindow);
    testsupport::PumpMessages();
    ASSERT_NE(CreateFrameWindow(SW_SHOWNOACTIVATE), nullptr);
    testsupport::PumpMessages();
  }
};

TEST_F(StartUpOpeningTest, SysEditSwitchOpensTheSysEditFiles) {
  const std::vector<std::string> files = MakeFiles("a", 2);
  for (auto& slot : editorState.sysEditFiles) slot[0] = '\0';
  std::strcpy(editorState.sysEditFiles[3], files[1].c_str());
  editorState.sysEditSwitch = 1;
  Start();
  EXPECT_EQ(OpenNames(), (std::vector<std::string>{files[1]}));
  EXPECT_EQ(Recent()[0], "");
}

TEST_F(StartUpOpeningTest, ListOnTheCommandLineOpensItsFiles) {
  const std::vector<std::string> files = MakeFiles("b", 2);
  Write(Path("start.lst"), files[0] + "\n" + files[1] + "\n");
  std::strcpy(editorState.currentFileName, Path("start.lst").c_str());
  editorState.listFlag = 1;
  Start();
  EXPECT_EQ(OpenNames(), files);
  EXPECT_EQ(editorState.listFlag, 0);
}

TEST_F(StartUpOpeningTest, LoadLastOpensTheCurrentFileAndNewDocOpensAnUntitledOne) {
  const std::vector<std::string> files = MakeFiles("c", 1);
  std::strcpy(editorState.currentFileName, files[0].c_str());
  editorState.LoadLast = 1;
  editorState.NewDoc = 1;
  Start();
  EXPECT_EQ(OpenNames(), files);

  editorState.LoadLast = 0;
  Start();
  ASSERT_EQ(DocumentWindows().size(), 1u);
  EXPECT_EQ(Slot(DocumentWindows().front(), kSlotHasFile), 0);
}

}  // namespace
