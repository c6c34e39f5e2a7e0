// Tools and macros on a real frame: a real program started as the tool (it writes what it got
// into a file this test reads), macros inserted into documents, and both pages of the options
// sheet driven inside the sheet.
#include <windows.h>

#include <commctrl.h>
#include <prsht.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "editor/app/OptionsSheet.h"
#include "editor/app/Tools.h"
#include "editor/app/TrayIcon.h"
#include "editor/support/FolderDialog.h"
#include "resources/quillet_ids.h"
#include "tests/editor/app/DocumentFixture.h"

using namespace editor;

namespace {

// What the stand-in tool wrote: its folder, the text after its name, and its arguments.
struct Echo {
  std::string folder, tail;
  std::vector<std::string> arguments;
};

class ToolsMacrosTest : public DocumentTest {
 protected:
  static void SetUpTestSuite() {
    DocumentTest::SetUpTestSuite();
    InstallToolAndMacroServices();
  }
  void SetUp() override {
    DocumentTest::SetUp();
    echoFile_ = Path("echo.txt");
    SetEnvironmentVariableA("QUILLET_TOOL_ECHO", echoFile_.c_str());
    char module[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, module, sizeof module);
    std::strcpy(std::strrchr(module, '\\') + 1, "tool_echo.exe");
    echoProgram_ = module;
  }
  void TearDown() override {
    support::SetFolderBrowserAnswerer(nullptr);
    SetOptionsSheetDriver(nullptr);
    ShowWindow(frameWindow, SW_SHOWNOACTIVATE);
    ShowWindow(frameWindow, SW_RESTORE);
    DocumentTest::TearDown();
  }
  enum ToolFlags { kNone = 0, kLaunch = 1, kSave = 2, kHide = 4 };
  // Tool 1 set up to start the stand-in with `command` and the options in `flags`.
  ToolEntry& SetTool(const char* command, int flags) {
    ToolEntry& tool = editorState.tools[0];
    tool = ToolEntry();
    tool.active = 1;
    std::strcpy(tool.name, "Echo");
    std::strcpy(tool.program, echoProgram_.c_str());
    std::strcpy(tool.command, command);
    tool.launch = (flags & kLaunch) != 0;
    tool.save = (flags & kSave) != 0;
    tool.hide = (flags & kHide) != 0;
    return tool;
  }
  // Waits for the stand-in's whole file (ten seconds at most), reads and removes it.
  Echo TakeEcho() {
    Echo echo;
    std::string raw;
    testsupport::WaitUntil([&] { return (raw = Read(echoFile_)).rfind("folder=", 0) == 0; }, 10000);
    DeleteFileA(echoFile_.c_str());
    std::istringstream lines(raw);
    for (std::string line; std::getline(lines, line);) {
      if (line.rfind("folder=", 0) == 0) echo.folder = line.substr(7);
      if (line.rfind("tail=", 0) == 0) echo.tail = line.substr(5);
      if (line.rfind("arg=", 0) == 0) echo.arguments.push_back(line.substr(4));
    }
    return echo;
  }
  // Nothing was started: no file within two seconds.
  bool NothingStarted() {
    testsupport::PumpFor(2000);
    return GetFileAttributesA(echoFile_.c_str()) == INVALID_FILE_ATTRIBUTES;
  }
  static UINT MenuState(unsigned id) {
    UpdateCommandState();
    return GetMenuState(GetMenu(frameWindow), id, MF_BYCOMMAND);
  }
  static std::string MenuText(unsigned id) {
    UpdateCommandState();
    char text[128] = "";
    GetMenuStringA(GetMenu(frameWindow), id, text, sizeof text, MF_BYCOMMAND);
    return text;
  }

  std::string echoFile_, echoProgram_;
};

TEST_F(ToolsMacrosTest, ToolGetsCommandTextAndTheDocumentPathInItsFolder) {
  HWND spaced = OpenNew("my notes.txt", "text");
  std::string folder = folder_.substr(0, folder_.size() - 1);
  std::strcpy(SetTool("-x", kLaunch).folder, folder.c_str());
  EXPECT_EQ(MenuText(ID_TOOL_1), "&1  Echo...");
  Command(spaced, ID_TOOL_1);
  Echo echo = TakeEcho();
  EXPECT_EQ(lstrcmpiA(echo.folder.c_str(), folder.c_str()), 0) << echo.folder;
  // A path with a blank arrives as one argument.
  EXPECT_EQ(echo.arguments, (std::vector<std::string>{"-x", Path("my notes.txt")}));

  // A path without blanks is passed exactly as it stands, after one blank.
  HWND plain = OpenNew("plain.txt", "text");
  Command(plain, ID_TOOL_1);
  echo = TakeEcho();
  EXPECT_EQ(echo.tail, " -x " + Path("plain.txt"));

  // Launch off: the command text and one blank, nothing of the document.
  SetTool("-y", kNone);
  Command(plain, ID_TOOL_1);
  echo = TakeEcho();
  EXPECT_EQ(echo.tail, " -y ");
  EXPECT_EQ(echo.arguments, std::vector<std::string>{"-y"});
}

TEST_F(ToolsMacrosTest, ToolThatCannotRunStartsNothingAndIsGreyed) {
  HWND document = OpenNew("a.txt", "text");
  ToolEntry& tool = SetTool("", kNone);
  tool.active = 0;
  EXPECT_EQ(MenuText(ID_TOOL_1), "&1  Echo...");  // an inactive tool keeps its name, greyed
  EXPECT_TRUE(MenuState(ID_TOOL_1) & MF_GRAYED);
  Command(document, ID_TOOL_1);
  tool.active = 1;
  std::strcpy(tool.program, Path("missing.exe").c_str());
  EXPECT_FALSE(MenuState(ID_TOOL_1) & MF_GRAYED);
  Command(document, ID_TOOL_1);
  EXPECT_TRUE(NothingStarted());
}

TEST_F(ToolsMacrosTest, SaveFirstAsksForANameAndCancelStartsNothing) {
  HWND untitled = OpenDocumentWindow(frameWindow, nullptr, false);
  Type(untitled, "draft");
  SetTool("", kLaunch | kSave);
  support::SetFileDialogAnswerer([](OPENFILENAMEA&, bool) { return false; });
  Command(untitled, ID_TOOL_1);
  EXPECT_TRUE(NothingStarted());
  EXPECT_EQ(Slot(untitled, kSlotModified), 1);

  AnswerFileDialogs({Path("named.txt")});
  Command(untitled, ID_TOOL_1);
  const Echo echo = TakeEcho();
  EXPECT_EQ(Read(Path("named.txt")), "draft");
  EXPECT_EQ(echo.arguments, std::vector<std::string>{Path("named.txt")});  // the new name is the tail
  EXPECT_EQ(fileDialogs_, 1);
}

TEST_F(ToolsMacrosTest, HideMinimisesTheFrameAfterTheStart) {
  SetTool("", kHide);
  SendMessageA(frameWindow, WM_COMMAND, ID_TOOL_1, 0);
  EXPECT_FALSE(TakeEcho().folder.empty());
  EXPECT_TRUE(IsIconic(frameWindow));

  // With the notification-area icon in use the frame is hidden instead.
  ShowWindow(frameWindow, SW_RESTORE);
  editorState.TaskTray = 1;
  SetTrayNotifier([](DWORD, const NOTIFYICONDATAA&) { return true; });
  SendMessageA(frameWindow, WM_COMMAND, ID_TOOL_1, 0);
  EXPECT_FALSE(TakeEcho().folder.empty());
  EXPECT_FALSE(IsWindowVisible(frameWindow));
  SetTrayNotifier(nullptr);
}

TEST_F(ToolsMacrosTest, MacroInsertsItsLinesUndoablyButNotIntoReadOnlyDocuments) {
  MacroEntry& macro = editorState.macros[2];
  macro.active = 1;
  std::strcpy(macro.name, "Sign");
  std::strcpy(macro.text, "one\r\ntwo\nthree");
  HWND document = OpenNew("m.txt", "A-B");
  Select(GetDocumentEdit(document), 1, 2);
  EXPECT_EQ(MenuText(ID_MACRO_3), "&3  Sign...");
  Command(document, ID_MACRO_3);
  EXPECT_EQ(Text(document), "Aone\r\ntwo\r\nthreeB");
  EXPECT_EQ(Slot(document, kSlotModified), 1);
  Command(document, ID_EDIT_UNDO);
  EXPECT_EQ(Text(document), "A-B");

  HWND viewed = OpenNew("r.txt", "kept", true);
  Command(viewed, ID_MACRO_3);
  EXPECT_EQ(Text(viewed), "kept");
  EXPECT_EQ(Slot(viewed, kSlotModified), 0);
}

// ---- the pages ----

std::string ItemText(HWND page, int control) {
  char text[kMacroTextLength] = "";
  GetDlgItemTextA(page, control, text, sizeof text);
  return text;
}
std::string ListEntry(HWND page, int control, int index) {
  char text[kEntryNameLength + 16] = "";
  SendDlgItemMessageA(page, control, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
  return text;
}
void Choose(HWND page, int control, int index) {
  SendDlgItemMessageA(page, control, CB_SETCURSEL, index, 0);
  const LPARAM list = reinterpret_cast<LPARAM>(GetDlgItem(page, control));
  SendMessageA(page, WM_COMMAND, MAKEWPARAM(control, CBN_SELCHANGE), list);
}
void Press(HWND page, int button) { SendDlgItemMessageA(page, button, BM_CLICK, 0, 0); }
LRESULT Current(HWND page, int control) { return SendDlgItemMessageA(page, control, CB_GETCURSEL, 0, 0); }

TEST_F(ToolsMacrosTest, ToolsPageRefusesAnActiveToolWithoutNameOrProgramAndEditsTheRest) {
  SetTool("-x", kLaunch);
  editorState.tools[4].active = 0;
  std::strcpy(editorState.tools[4].name, "Fifth");
  HICON defaultIcon = LoadIconA(instanceHandle, MAKEINTRESOURCEA(IDI_TOOL));
  BoxRecorder boxes({support::kButtonOk, support::kButtonOk, support::kButtonNo, support::kButtonYes});
  char self[MAX_PATH] = "";  // this program carries the editor's icons
  GetModuleFileNameA(nullptr, self, sizeof self);
  const std::string program = self, folder = folder_;
  AnswerFileDialogs({program});
  support::SetFolderBrowserAnswerer([folder](const char*, char* path) {
    std::strcpy(path, folder.c_str());
    return true;
  });
  SetOptionsSheetDriver([&](HWND sheet) {
    HWND page = PropSheet_GetCurrentPageHwnd(sheet);
    EXPECT_EQ(Current(page, IDC_TOOLS_LIST), 0);
    EXPECT_EQ(ListEntry(page, IDC_TOOLS_LIST, 1), "Undefined");
    EXPECT_EQ(ItemText(page, IDC_TOOLS_COMMAND), "-x");
    EXPECT_TRUE(IsDlgButtonChecked(page, IDC_TOOLS_LAUNCH));
    // The stand-in has no icon of its own: the page's own shows.
    EXPECT_EQ(reinterpret_cast<HICON>(SendDlgItemMessageA(page, IDC_TOOLS_PICTURE, STM_GETICON, 0, 0)), defaultIcon);

    // An active tool without a name: refused, the stored name back, the focus on it, no switch.
    SetDlgItemTextA(page, IDC_TOOLS_NAME, "");
    Choose(page, IDC_TOOLS_LIST, 4);
    EXPECT_EQ(Current(page, IDC_TOOLS_LIST), 0);
    EXPECT_EQ(ItemText(page, IDC_TOOLS_NAME), "Echo");
    EXPECT_EQ(GetFocus(), GetDlgItem(page, IDC_TOOLS_NAME));
    SetDlgItemTextA(page, IDC_TOOLS_PROGRAM, "");
    PropSheet_PressButton(sheet, PSBTN_OK);
    testsupport::PumpMessages();
    ASSERT_TRUE(IsWindow(sheet));
    EXPECT_EQ(ItemText(page, IDC_TOOLS_PROGRAM), echoProgram_);
    EXPECT_EQ(GetFocus(), GetDlgItem(page, IDC_TOOLS_PROGRAM));

    // Tool 5: "..." fills the program and the folder; Delete asks, No keeps, Yes empties.
    Choose(page, IDC_TOOLS_LIST, 4);
    EXPECT_EQ(ItemText(page, IDC_TOOLS_NAME), "Fifth");
    Press(page, IDC_TOOLS_BROWSE_PROGRAM);
    Press(page, IDC_TOOLS_BROWSE_FOLDER);
    EXPECT_EQ(ItemText(page, IDC_TOOLS_PROGRAM), program);
    EXPECT_EQ(ItemText(page, IDC_TOOLS_FOLDER), folder);
    EXPECT_NE(reinterpret_cast<HICON>(SendDlgItemMessageA(page, IDC_TOOLS_PICTURE, STM_GETICON, 0, 0)), defaultIcon);
    Press(page, IDC_TOOLS_DELETE);
    EXPECT_EQ(ItemText(page, IDC_TOOLS_NAME), "Fifth");
    Press(page, IDC_TOOLS_DELETE);
    EXPECT_EQ(ItemText(page, IDC_TOOLS_NAME), "");
    EXPECT_EQ(ListEntry(page, IDC_TOOLS_LIST, 4), "Undefined");
    Choose(page, IDC_TOOLS_LIST, 1);
    SetDlgItemTextA(page, IDC_TOOLS_NAME, "Second");
    PropSheet_PressButton(sheet, PSBTN_OK);
  });
  RunOptionsSheet(frameWindow, kToolsPage);
  ASSERT_EQ(boxes.boxes().size(), 4u);
  EXPECT_EQ(boxes.boxes()[0].text, support::GetString(IDS_TOOL_NAME_MISSING));
  EXPECT_EQ(boxes.boxes()[1].text, support::GetString(IDS_TOOL_PROGRAM_MISSING));
  EXPECT_NE(boxes.boxes()[2].text.find("Tool: Fifth"), std::string::npos);
  EXPECT_STREQ(editorState.tools[0].program, echoProgram_.c_str());  // the refused edit never reached it
  EXPECT_STREQ(editorState.tools[1].name, "Second");
  EXPECT_STREQ(editorState.tools[4].program, "");
  EXPECT_EQ(ReadTestString("Tools\\Tool-02", "Name"), "Second");
  EXPECT_EQ(ReadTestString("Tools\\Tool-01", "Command"), "-x");
  EXPECT_EQ(MenuText(ID_TOOL_5), "&5  Undefined...");
  EXPECT_TRUE(MenuState(ID_TOOL_5) & MF_GRAYED);
}

TEST_F(ToolsMacrosTest, MacrosPageRefusesAnActiveMacroWithoutTextAndDeletes) {
  MacroEntry& first = editorState.macros[0];
  first.active = 1;
  std::strcpy(first.name, "Hello");
  std::strcpy(first.text, "Hello,\r\nworld");
  BoxRecorder boxes({support::kButtonOk, support::kButtonYes});
  SetOptionsSheetDriver([&](HWND sheet) {
    HWND page = PropSheet_GetCurrentPageHwnd(sheet);
    EXPECT_EQ(ItemText(page, IDC_MACROS_TEXT), "Hello,\r\nworld");
    SetDlgItemTextA(page, IDC_MACROS_TEXT, "");
    Choose(page, IDC_MACROS_LIST, 3);
    EXPECT_EQ(Current(page, IDC_MACROS_LIST), 0);
    EXPECT_EQ(ItemText(page, IDC_MACROS_TEXT), "Hello,\r\nworld");
    EXPECT_EQ(GetFocus(), GetDlgItem(page, IDC_MACROS_TEXT));
    SetDlgItemTextA(page, IDC_MACROS_TEXT, "Bye\r\n");
    Choose(page, IDC_MACROS_LIST, 3);
    SetDlgItemTextA(page, IDC_MACROS_NAME, "Four");
    SetDlgItemTextA(page, IDC_MACROS_TEXT, "4");
    Choose(page, IDC_MACROS_LIST, 0);
    Press(page, IDC_MACROS_DELETE);
    EXPECT_EQ(ListEntry(page, IDC_MACROS_LIST, 0), "Undefined");
    PropSheet_PressButton(sheet, PSBTN_OK);
  });
  RunOptionsSheet(frameWindow, kMacrosPage);
  ASSERT_EQ(boxes.boxes().size(), 2u);
  EXPECT_EQ(boxes.boxes()[0].text, support::GetString(IDS_MACRO_TEXT_MISSING));
  EXPECT_NE(boxes.boxes()[1].text.find("Macro: Hello"), std::string::npos);
  EXPECT_STREQ(editorState.macros[0].name, "");
  EXPECT_STREQ(editorState.macros[3].text, "4");
  EXPECT_EQ(ReadTestString("Options\\Macros\\Macro4", "Name"), "Four");
}

}  // namespace
