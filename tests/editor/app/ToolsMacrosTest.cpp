// Tools and macros on a real frame: a real program started as the tool (tool_echo writes what it
// got into a file read here), macros inserted into documents, and both pages inside the sheet.
#include <windows.h>

#include <commctrl.h>
#include <prsht.h>

#include <cstring>
#include <string>

#include "editor/app/OptionsSheet.h"
#include "editor/app/Tools.h"
#include "editor/app/TrayIcon.h"
#include "editor/support/FolderDialog.h"
#include "resources/quillet_ids.h"
#include "tests/editor/app/DocumentFixture.h"

using namespace editor;

namespace {

class ToolsMacrosTest : public DocumentTest {
 protected:
  static void SetUpTestSuite() {
    DocumentTest::SetUpTestSuite();
    InstallToolAndMacroServices();
  }
  void SetUp() override {
    DocumentTest::SetUp();
    SetEnvironmentVariableA("QUILLET_TOOL_ECHO", Path("echo.txt").c_str());
    char module[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, module, sizeof module);
    self_ = module;
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
  enum ToolFlags { kNone = 0, kLaunch = 1, kSave = 2, kHide = 4 };  // any non-zero value sets an option
  // Tool 1 set up to start the stand-in with `command` and the options in `flags`.
  ToolEntry& SetTool(const char* command, int flags) {
    ToolEntry& tool = editorState.tools[0] = {1, "Echo", "", "", "", flags & kLaunch, flags & kHide, flags & kSave};
    std::strcpy(tool.program, echoProgram_.c_str());
    std::strcpy(tool.command, command);
    return tool;
  }
  // The stand-in's lines ("folder=", "tail=" and one "arg=" per argument) once all are there
  // (ten seconds at most); the file is removed for the next start.
  std::string TakeEcho() {
    std::string echo;
    testsupport::WaitUntil([&] { return (echo = Read(Path("echo.txt"))).rfind("folder=", 0) == 0; }, 10000);
    DeleteFileA(Path("echo.txt").c_str());
    return echo;
  }

  std::string self_, echoProgram_;
};

TEST_F(ToolsMacrosTest, ToolGetsCommandTextAndTheDocumentPathInItsFolder) {
  HWND spaced = OpenNew("my notes.txt", "text");
  const std::string folder = folder_.substr(0, folder_.size() - 1);
  std::strcpy(SetTool("-x", kLaunch).folder, folder.c_str());
  EXPECT_EQ(MenuItem(ID_TOOL_1), "&1  Echo...");
  Command(spaced, ID_TOOL_1);  // a path with a blank arrives as one argument
  const std::string spacedPath = Path("my notes.txt");
  EXPECT_EQ(TakeEcho(), "folder=" + folder + "\ntail= -x \"" + spacedPath + "\"\narg=-x\narg=" + spacedPath + '\n');

  HWND plain = OpenNew("plain.txt", "text");  // a path without blanks passes as it stands
  Command(plain, ID_TOOL_1);
  const std::string plainPath = Path("plain.txt");
  EXPECT_EQ(TakeEcho(), "folder=" + folder + "\ntail= -x " + plainPath + "\narg=-x\narg=" + plainPath + '\n');

  SetTool("-y", kNone);  // launch off: the command text and one blank
  Command(plain, ID_TOOL_1);
  EXPECT_NE(TakeEcho().find("\ntail= -y \narg=-y\n"), std::string::npos);
}

TEST_F(ToolsMacrosTest, ToolThatCannotRunOrWhoseSaveIsCancelledStartsNothing) {
  HWND untitled = OpenDocumentWindow(frameWindow, nullptr, false);
  Type(untitled, "draft");
  ToolEntry& tool = SetTool("", kLaunch | kSave);
  tool.active = 0;
  EXPECT_EQ(MenuItem(ID_TOOL_1), "&1  Echo... (grey)");  // an inactive tool keeps its name
  Command(untitled, ID_TOOL_1);
  tool.active = 1;
  std::strcpy(tool.program, Path("missing.exe").c_str());
  Command(untitled, ID_TOOL_1);
  std::strcpy(tool.program, echoProgram_.c_str());
  support::SetFileDialogAnswerer([this](OPENFILENAMEA&, bool) { return ++fileDialogs_ < 0; });
  Command(untitled, ID_TOOL_1);  // the name asked for before saving is cancelled
  testsupport::PumpFor(2000);  // nothing started: no file within two seconds
  EXPECT_EQ(Read(Path("echo.txt")), "<missing>");
  EXPECT_EQ(fileDialogs_, 1);  // only the tool that can run saves first
  EXPECT_EQ(Slot(untitled, kSlotModified), 1);

  AnswerFileDialogs({Path("named.txt")});
  Command(untitled, ID_TOOL_1);
  EXPECT_NE(TakeEcho().find("\narg=" + Path("named.txt") + "\n"), std::string::npos);  // its new name
  EXPECT_EQ(Read(Path("named.txt")), "draft");
}

TEST_F(ToolsMacrosTest, HideMinimisesTheFrameAfterTheStart) {
  SetTool("", kHide);
  FrameCommand(ID_TOOL_1);
  EXPECT_FALSE(TakeEcho().empty());
  EXPECT_TRUE(IsIconic(frameWindow));

  // With the notification-area icon in use the frame is hidden instead.
  ShowWindow(frameWindow, SW_RESTORE);
  editorState.TaskTray = 1;
  SetTrayNotifier([](DWORD, const NOTIFYICONDATAA&) { return true; });
  FrameCommand(ID_TOOL_1);
  EXPECT_FALSE(TakeEcho().empty());
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
  EXPECT_EQ(MenuItem(ID_MACRO_3), "&3  Sign...");
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
// The list's entry `index` and the one shown, after choosing `index` as a click does.
std::string Choose(HWND page, int control, int index) {
  char entry[kEntryNameLength + 16] = "";
  SendDlgItemMessageA(page, control, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(entry));
  SendDlgItemMessageA(page, control, CB_SETCURSEL, index, 0);
  SendMessageA(page, WM_COMMAND, MAKEWPARAM(control, CBN_SELCHANGE), (LPARAM)GetDlgItem(page, control));
  return std::string(entry) + " -> " + std::to_string(SendDlgItemMessageA(page, control, CB_GETCURSEL, 0, 0));
}
void Press(HWND page, int button) { SendDlgItemMessageA(page, button, BM_CLICK, 0, 0); }
HICON Picture(HWND page) { return (HICON)SendDlgItemMessageA(page, IDC_TOOLS_PICTURE, STM_GETICON, 0, 0); }

TEST_F(ToolsMacrosTest, ToolsPageRefusesAnActiveToolWithoutNameOrProgramAndEditsTheRest) {
  SetTool("-x", kLaunch);
  std::strcpy(editorState.tools[4].name, "Fifth");
  HICON defaultIcon = LoadIconA(instanceHandle, MAKEINTRESOURCEA(IDI_TOOL));
  BoxRecorder boxes({support::kButtonOk, support::kButtonOk, support::kButtonNo, support::kButtonYes});
  AnswerFileDialogs({self_});  // this program carries the editor's icons
  const std::string folder = folder_;
  support::SetFolderBrowserAnswerer([folder](const char*, char* path) { return std::strcpy(path, folder.c_str()); });
  SetOptionsSheetDriver([&](HWND sheet) {
    HWND page = PropSheet_GetCurrentPageHwnd(sheet);
    EXPECT_TRUE(ItemText(page, IDC_TOOLS_COMMAND) == "-x" && IsDlgButtonChecked(page, IDC_TOOLS_LAUNCH));
    EXPECT_EQ(Picture(page), defaultIcon);  // the stand-in has no icon of its own

    // No name: refused, the stored name back, the focus on it, no switch. Then no program.
    SetDlgItemTextA(page, IDC_TOOLS_NAME, "");
    EXPECT_EQ(Choose(page, IDC_TOOLS_LIST, 4), "Fifth -> 0");
    EXPECT_EQ(ItemText(page, IDC_TOOLS_NAME), "Echo");
    EXPECT_EQ(GetFocus(), GetDlgItem(page, IDC_TOOLS_NAME));
    SetDlgItemTextA(page, IDC_TOOLS_PROGRAM, "");
    PropSheet_PressButton(sheet, PSBTN_OK);
    testsupport::PumpMessages();
    ASSERT_TRUE(IsWindow(sheet));
    EXPECT_EQ(ItemText(page, IDC_TOOLS_PROGRAM), echoProgram_);
    EXPECT_EQ(GetFocus(), GetDlgItem(page, IDC_TOOLS_PROGRAM));

    // Tool 5: "..." fills the program (its icon shows) and the folder. Delete: No keeps, Yes empties.
    EXPECT_EQ(Choose(page, IDC_TOOLS_LIST, 4), "Fifth -> 4");
    Press(page, IDC_TOOLS_BROWSE_PROGRAM);
    Press(page, IDC_TOOLS_BROWSE_FOLDER);
    EXPECT_EQ(ItemText(page, IDC_TOOLS_PROGRAM) + "|" + ItemText(page, IDC_TOOLS_FOLDER), self_ + "|" + folder);
    EXPECT_NE(Picture(page), defaultIcon);
    Press(page, IDC_TOOLS_DELETE);
    EXPECT_EQ(ItemText(page, IDC_TOOLS_NAME), "Fifth");
    Press(page, IDC_TOOLS_DELETE);
    EXPECT_EQ(ItemText(page, IDC_TOOLS_NAME) + ItemText(page, IDC_TOOLS_PROGRAM), "");
    EXPECT_EQ(Choose(page, IDC_TOOLS_LIST, 1), "Undefined -> 1");
    SetDlgItemTextA(page, IDC_TOOLS_NAME, "Second");
    PropSheet_PressButton(sheet, PSBTN_OK);
  });
  RunOptionsSheet(frameWindow, kToolsPage);
  ASSERT_EQ(boxes.boxes().size(), 4u);
  EXPECT_EQ(boxes.boxes()[0].text, support::GetString(IDS_TOOL_NAME_MISSING));
  EXPECT_EQ(boxes.boxes()[1].text, support::GetString(IDS_TOOL_PROGRAM_MISSING));
  EXPECT_NE(boxes.boxes()[2].text.find("Tool: Fifth"), std::string::npos);
  EXPECT_STREQ(editorState.tools[0].program, echoProgram_.c_str());  // the refused edit never reached it
  EXPECT_EQ(ReadTestString("Tools\\Tool-02", "Name"), "Second");
  EXPECT_EQ(ReadTestString("Tools\\Tool-05", "Program"), "");
  EXPECT_EQ(MenuItem(ID_TOOL_5), "&5  Undefined... (grey)");
}

TEST_F(ToolsMacrosTest, MacrosPageRefusesAnActiveMacroWithoutTextAndDeletes) {
  MacroEntry& first = editorState.macros[0];
  first.active = 1;
  std::strcpy(first.name, "Hello");
  std::strcpy(first.text, "Hello,\r\nworld");
  BoxRecorder boxes({support::kButtonOk, support::kButtonYes});
  SetOptionsSheetDriver([&](HWND sheet) {
    HWND page = PropSheet_GetCurrentPageHwnd(sheet);
    SetDlgItemTextA(page, IDC_MACROS_TEXT, "");
    EXPECT_EQ(Choose(page, IDC_MACROS_LIST, 3), "Undefined -> 0");
    EXPECT_EQ(ItemText(page, IDC_MACROS_TEXT), "Hello,\r\nworld");
    EXPECT_EQ(GetFocus(), GetDlgItem(page, IDC_MACROS_TEXT));
    EXPECT_EQ(Choose(page, IDC_MACROS_LIST, 3), "Undefined -> 3");
    SetDlgItemTextA(page, IDC_MACROS_NAME, "Four");
    SetDlgItemTextA(page, IDC_MACROS_TEXT, "4");
    EXPECT_EQ(Choose(page, IDC_MACROS_LIST, 0), "Hello -> 0");
    Press(page, IDC_MACROS_DELETE);
    EXPECT_EQ(Choose(page, IDC_MACROS_LIST, 0), "Undefined -> 0");
    PropSheet_PressButton(sheet, PSBTN_OK);
  });
  RunOptionsSheet(frameWindow, kMacrosPage);
  ASSERT_EQ(boxes.boxes().size(), 2u);
  EXPECT_EQ(boxes.boxes()[0].text, support::GetString(IDS_MACRO_TEXT_MISSING));
  EXPECT_NE(boxes.boxes()[1].text.find("Macro: Hello"), std::string::npos);
  EXPECT_STREQ(editorState.macros[0].name, "");
  EXPECT_EQ(ReadTestString("Options\\Macros\\Macro4", "Text"), "4");
}

}  // namespace
