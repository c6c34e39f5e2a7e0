// The real frame driven with messages: creation, command state and routing, the open request
// from a second instance, window commands, help, clipboard, About, and shutdown (on frames of
// their own, since a frame ends only once).
#include <windows.h>

#include <commctrl.h>
#include <prsht.h>
#include <richedit.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "editor/app/DocumentSlots.h"
#include "editor/app/EditorState.h"
#include "editor/app/Frame.h"
#include "editor/app/FrameGlobals.h"
#include "editor/app/OptionsSheet.h"
#include "editor/app/Splash.h"
#include "editor/app/Startup.h"
#include "editor/app/Toolbar.h"
#include "editor/app/TrayIcon.h"
#include "editor/support/EditorSupport.h"
#include "resources/quillet_ids.h"
#include "tests/editor/app/AppTestSupport.h"
#include "tests/editor/support/BoxRecorder.h"
#include "tests/support/Messages.h"

using namespace editor;
using namespace support;

namespace {

// What the later parts would have been asked to do.
struct ServiceLog {
  std::vector<std::string> opened;
  std::vector<unsigned> frameCommands;
  int newDocuments = 0, recoloured = 0, saved = 0, toolWindowsClosed = 0;
};

DocumentServices LoggingServices(ServiceLog& log) {
  DocumentServices services;
  services.openFile = [&log](const char* path) { log.opened.emplace_back(path); };
  services.frameCommand = [&log](unsigned id) { log.frameCommands.push_back(id); };
  services.newDocument = [&log] { ++log.newDocuments; };
  services.recolourDocuments = [&log] { ++log.recoloured; };
  services.closeToolWindows = [&log] { ++log.toolWindowsClosed; };
  return services;
}

HWND NewDocument(const char* title, bool modified = false) {
  HWND document = CreateDocumentWindow(title);
  EXPECT_NE(document, nullptr);
  if (document && modified) SetDocumentSlot(document, kSlotModified, 1);
  return document;
}

void CloseAllForTest() {
  if (!mdiClient) return;
  for (HWND child = GetWindow(mdiClient, GW_CHILD); child;) {
    HWND next = GetWindow(child, GW_HWNDNEXT);
    if (!GetWindow(child, GW_OWNER)) SendMessageA(mdiClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(child), 0);
    child = next;
  }
}

UINT MenuState(unsigned id) {
  UpdateCommandState();
  return GetMenuState(GetMenu(frameWindow), id, MF_BYCOMMAND);
}
bool MenuEnabled(unsigned id) { return !(MenuState(id) & (MF_GRAYED | MF_DISABLED)); }
bool MenuChecked(unsigned id) { return (MenuState(id) & MF_CHECKED) != 0; }
void Command(unsigned id) { SendMessageA(frameWindow, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

// One frame for the suite (a shown top-level window is slow to go under Wine).
class FrameTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    RemoveTestSettings();
    SetSettingsRoot(TestSettingsRoot().c_str());
    LoadSettings();  // first run: centred 640 x 400
    ASSERT_NE(CreateFrameWindow(SW_SHOWNOACTIVATE), nullptr);
    testsupport::PumpMessages();
  }
  static void TearDownTestSuite() {
    SetDocumentServices(DocumentServices());
    CloseAllForTest();
    if (frameWindow) DestroyWindow(frameWindow);
    testsupport::PumpMessages();
    RemoveTestSettings();
  }
  void SetUp() override {
    ASSERT_NE(frameWindow, nullptr);
    SetDocumentServices(LoggingServices(log_));
  }
  void TearDown() override {
    CloseAllForTest();
    SetDocumentServices(DocumentServices());
    testsupport::PumpMessages();
  }

  ServiceLog log_;
};

TEST_F(FrameTest, CreatedWithItsMinimumTrackingSize) {
  EXPECT_EQ(FindWindowA("QuilletAppClass", nullptr), frameWindow);
  ASSERT_NE(mdiClient, nullptr);
  MINMAXINFO info = {};
  SendMessageA(frameWindow, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.ptMinTrackSize.x, 348);
  EXPECT_EQ(info.ptMinTrackSize.y, 200);
}

// The rules are CommandStateTest's; here only that the frame applies them to menu and toolbar.
TEST_F(FrameTest, CommandStateFollowsTheActiveDocumentsSlots) {
  EXPECT_FALSE(MenuEnabled(ID_FILE_CLOSE));
  HWND document = NewDocument("c:\\doc.txt");
  ASSERT_EQ(activeDocument, document);
  EXPECT_FALSE(MenuEnabled(ID_FILE_SAVE));  // not modified
  SetDocumentSlot(document, kSlotModified, 1);
  SetDocumentSlot(document, kSlotHasFile, 1);
  EXPECT_TRUE(MenuEnabled(ID_FILE_SAVE));
  SetDocumentSlot(document, kSlotReadOnly, 1);
  EXPECT_TRUE(MenuChecked(ID_EDIT_READ_ONLY));
  SetWindowTextA(activeEdit, "some text");
  SendMessageA(activeEdit, EM_SETSEL, 0, 4);
  UpdateCommandState();
  EXPECT_TRUE(SendMessageA(toolbarWindow, TB_ISBUTTONENABLED, ID_EDIT_COPY, 0));

  // Nothing changes during a bulk operation.
  bulkOperation = true;
  SetDocumentSlot(document, kSlotReadOnly, 0);
  EXPECT_FALSE(MenuEnabled(ID_EDIT_PASTE));
  bulkOperation = false;
  EXPECT_TRUE(MenuEnabled(ID_EDIT_PASTE));
}

// Records the commands a document window receives (not its edit control's notifications).
std::vector<std::pair<WPARAM, LPARAM>> spiedCommands;
WNDPROC spiedProc = nullptr;
LRESULT CALLBACK SpyProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && GetParent(reinterpret_cast<HWND>(lParam)) != window) spiedCommands.emplace_back(wParam, lParam);
  return CallWindowProcA(spiedProc, window, message, wParam, lParam);
}

TEST_F(FrameTest, CommandsGoToTheirOwners) {
  Command(ID_EDIT_COPY);  // no document: dropped
  HWND document = NewDocument("c:\\routed.txt");
  spiedCommands.clear();
  spiedProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(document, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SpyProc)));
  SendMessageA(frameWindow, WM_COMMAND, MAKEWPARAM(ID_VIEW_WORD_WRAP, 1), 0x1234);
  SendMessageA(frameWindow, WM_COMMAND, MAKEWPARAM(ID_MACRO_3, 0), 0);
  for (unsigned id : {ID_FILE_OPEN, ID_FILE_SAVE_ALL, ID_EDIT_FIND, ID_FILE_RECENT_4, ID_TOOL_2}) Command(id);
  Command(ID_FILE_NEW);
  SetWindowLongPtrA(document, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(spiedProc));
  ASSERT_EQ(spiedCommands.size(), 2u);  // unchanged, and only the document's
  EXPECT_EQ(spiedCommands[0].first, MAKEWPARAM(ID_VIEW_WORD_WRAP, 1));
  EXPECT_EQ(spiedCommands[0].second, 0x1234);
  EXPECT_EQ(LOWORD(spiedCommands[1].first), ID_MACRO_3);
  EXPECT_EQ(log_.frameCommands,
            (std::vector<unsigned>{ID_FILE_OPEN, ID_FILE_SAVE_ALL, ID_EDIT_FIND, ID_FILE_RECENT_4, ID_TOOL_2}));
  EXPECT_EQ(log_.newDocuments, 1);
}

TEST_F(FrameTest, OpenRequestsFromThisThreadAndFromOtherProcesses) {
  SendOpenRequest(frameWindow, "\"c:\\my files\\read me.txt\"");
  // The way another process sends it.
  std::string copy = "\"c:\\other.txt\"";
  COPYDATASTRUCT data = {kOpenRequestMessage, static_cast<DWORD>(copy.size() + 1), copy.data()};
  EXPECT_TRUE(SendMessageA(frameWindow, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data)));
  COPYDATASTRUCT other = {1, static_cast<DWORD>(copy.size() + 1), copy.data()};  // not an open request
  EXPECT_FALSE(SendMessageA(frameWindow, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&other)));
  EXPECT_EQ(log_.opened, (std::vector<std::string>{"c:\\my files\\read me.txt", "c:\\other.txt"}));

  // A document of that name already open comes to the front instead.
  HWND open = NewDocument("c:\\open.txt");
  NewDocument("c:\\later.txt");
  SendOpenRequest(frameWindow, "C:\\OPEN.TXT");
  EXPECT_EQ(activeDocument, open);
  EXPECT_EQ(log_.opened.size(), 2u);
}

TEST_F(FrameTest, ARawOpenRequestPointerIsNeverRead) {
  static const char text[] = "c:\\valid pointer.txt";
  const LPARAM valid = reinterpret_cast<LPARAM>(text);
  // Sent or posted by hand, from this thread or another: none of them is the hand-over.
  SendMessageA(frameWindow, kOpenRequestMessage, 0, valid);
  PostMessageA(frameWindow, kOpenRequestMessage, 0, valid);
  PostMessageA(frameWindow, kOpenRequestMessage, 0, 0x10);  // another program's address: no crash
  std::atomic<bool> sent{false};
  std::thread other([&sent] {
    SendMessageTimeoutA(frameWindow, kOpenRequestMessage, 0, reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 5000, nullptr);
    sent = true;
  });
  EXPECT_TRUE(testsupport::WaitUntil([&sent] { return sent.load(); }));  // this thread answers it meanwhile
  other.join();
  EXPECT_TRUE(log_.opened.empty());
}

TEST_F(FrameTest, ClipboardViewerAndHelpFileMissing) {
  ASSERT_EQ(GetFileAttributesA(helpPath), INVALID_FILE_ATTRIBUTES);
  BoxRecorder boxes;
  Command(ID_EDIT_SHOW_CLIPBOARD);
  Command(ID_HELP_CONTENTS);
  Command(ID_HELP_SEARCH);
  ShowHelp(905);
  ASSERT_EQ(boxes.boxes().size(), 4u);
  EXPECT_EQ(boxes.boxes()[0].kind, MessageBoxKind::Error);
  EXPECT_NE(boxes.boxes()[0].text.find("Cannot load the MS Windows Clipboard"), std::string::npos);
  EXPECT_NE(boxes.boxes()[0].text.find("CLIPBRD.EXE"), std::string::npos) << boxes.boxes()[0].text;
  // The help file's full path: the program's own, lower-cased, with ".hlp".
  const std::string missing = std::string("File: ") + helpPath + "\r\rFile not found.";
  EXPECT_NE(std::string(helpPath).find("editor_app_tests.hlp"), std::string::npos) << helpPath;
  EXPECT_EQ(boxes.boxes()[1].text, missing);
  EXPECT_EQ(boxes.boxes()[2].text, missing);
  EXPECT_NE(boxes.boxes()[3].text.find("Invalid help item specified (item:905)"), std::string::npos);
}

TEST_F(FrameTest, AboutShowsOneSplashWindowThatAKeyCloses) {
  Command(ID_HELP_ABOUT);
  HWND splash = FindSplashWindow();
  ASSERT_NE(splash, nullptr);
  Command(ID_HELP_ABOUT);
  EXPECT_EQ(FindSplashWindow(), splash);  // only one
  EXPECT_TRUE(GetWindowLongA(splash, GWL_EXSTYLE) & WS_EX_TOPMOST);
  RECT rect;
  GetWindowRect(splash, &rect);
  EXPECT_EQ(rect.left, ((ScreenRect.right - ScreenRect.left) - SPLASH_WIDTH) / 2);
  SendMessageA(splash, WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_FALSE(IsWindow(splash));

  // The start-up splash ignores keys and clicks; a message box closes it.
  splash = ShowSplashWindow(SplashMode::StartUp);
  ASSERT_NE(splash, nullptr);
  SendMessageA(splash, WM_KEYDOWN, VK_SPACE, 0);
  SendMessageA(splash, WM_LBUTTONDOWN, 0, 0);
  EXPECT_TRUE(IsWindow(splash));
  BoxRecorder boxes;
  ErrorBox(MSG_FILE_NOT_FOUND, "x");
  EXPECT_FALSE(IsWindow(splash));
}

TEST_F(FrameTest, DroppedFilesOpenUnlessAlreadyOpen) {
  NewDocument("c:\\dropped\\open.txt");
  const char names[] = "c:\\dropped\\new.txt\0c:\\dropped\\open.txt\0c:\\other file.txt\0";
  HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + sizeof names);
  ASSERT_NE(memory, nullptr);
  auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), names, sizeof names);
  GlobalUnlock(memory);
  SendMessageA(frameWindow, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);  // released by the frame
  EXPECT_EQ(log_.opened, (std::vector<std::string>{"c:\\dropped\\new.txt", "c:\\other file.txt"}));
}

TEST_F(FrameTest, OptionsTurnTheTrayIconOnAndRecolourDocuments) {
  std::vector<DWORD> trayCalls;
  TrayNotifier previous = SetTrayNotifier([&](DWORD message, const NOTIFYICONDATAA&) {
    trayCalls.push_back(message);
    return true;
  });
  SetOptionsSheetDriver([](HWND sheet) {
    HWND page = PropSheet_GetCurrentPageHwnd(sheet);
    CheckDlgButton(page, IDC_EDITOR_TASK_TRAY, BST_CHECKED);
    CheckDlgButton(page, IDC_EDITOR_LT_GRAY, BST_CHECKED);
    PropSheet_PressButton(sheet, PSBTN_OK);
  });
  Command(ID_FILE_OPTIONS);
  EXPECT_EQ(editorState.TaskTray, 1);
  EXPECT_EQ(log_.recoloured, 1);
  EXPECT_EQ(trayCalls, (std::vector<DWORD>{NIM_DELETE, NIM_ADD}));

  trayCalls.clear();
  SetOptionsSheetDriver([](HWND sheet) {
    PropSheet_SetCurSel(sheet, nullptr, kEditorPage);  // the entry point opens the Explorer page
    CheckDlgButton(PropSheet_GetCurrentPageHwnd(sheet), IDC_EDITOR_TASK_TRAY, BST_UNCHECKED);
    PropSheet_PressButton(sheet, PSBTN_OK);
  });
  Command(ID_HELP_SETUP);  // another entry point: no recolouring
  EXPECT_EQ(editorState.TaskTray, 0);
  EXPECT_EQ(log_.recoloured, 1);
  EXPECT_EQ(trayCalls, (std::vector<DWORD>{NIM_DELETE}));
  SetOptionsSheetDriver(nullptr);
  SetTrayNotifier(previous);
}

// A frame of the test's own, hidden (hidden windows go at once under Wine), with the tray seam
// counting the calls; each way of ending it is counted.
class ShutDownTest : public testing::Test {
 protected:
  void SetUp() override {
    RemoveTestSettings();
    SetSettingsRoot(TestSettingsRoot().c_str());
    LoadSettings();
    editorState.TaskTray = 1;
    previousTray_ = SetTrayNotifier([this](DWORD message, const NOTIFYICONDATAA&) {
      trayCalls_.push_back(message);
      return true;
    });
    SetDocumentServices(LoggingServices(log_));
    ASSERT_NE(CreateFrameWindow(SW_HIDE), nullptr);
    testsupport::PumpMessages();
    trayCalls_.clear();
  }
  void TearDown() override {
    if (frameWindow) {
      CloseAllForTest();
      DestroyWindow(frameWindow);
    }
    testsupport::PumpMessages();
    SetDocumentServices(DocumentServices());
    SetTrayNotifier(previousTray_);
    RemoveTestSettings();
  }
  int IconsRemoved() const { return static_cast<int>(std::count(trayCalls_.begin(), trayCalls_.end(), NIM_DELETE)); }

  ServiceLog log_;
  std::vector<DWORD> trayCalls_;
  TrayNotifier previousTray_;
};

TEST_F(ShutDownTest, CloseAsksForEachModifiedDocumentStopsAtCancelAndEndsOnce) {
  HWND first = NewDocument("c:\\first.txt", true);
  HWND second = NewDocument("c:\\second.txt", true);
  {
    BoxRecorder boxes({kButtonNo, kButtonCancel});
    SendMessageA(frameWindow, WM_CLOSE, 0, 0);
    ASSERT_EQ(boxes.boxes().size(), 2u);
    EXPECT_EQ(boxes.boxes()[0].kind, MessageBoxKind::SaveQuestion);
  }
  ASSERT_TRUE(IsWindow(frameWindow));
  EXPECT_EQ(IsWindow(first) + IsWindow(second), 1);  // one closed, the other kept
  EXPECT_FALSE(bulkOperation);
  EXPECT_FALSE(testsupport::PumpMessages());  // no quit
  EXPECT_EQ(log_.toolWindowsClosed, 0);

  HWND frame = frameWindow;
  editorState.windowPlacement = PlacementRecord();
  {
    BoxRecorder boxes({kButtonNo});
    SendMessageA(frame, WM_CLOSE, 0, 0);
    EXPECT_EQ(boxes.boxes().size(), 1u);
  }
  EXPECT_FALSE(IsWindow(frame));
  EXPECT_TRUE(testsupport::PumpMessages());  // the quit
  // The closing steps ran once: tool windows, tray icon, placement and toolbar layout.
  EXPECT_EQ(log_.toolWindowsClosed, 1);
  EXPECT_EQ(IconsRemoved(), 1);
  EXPECT_EQ(editorState.windowPlacement.width, 640);
  DWORD type = 0, size = 0;
  const std::string key = TestSettingsRoot() + "\\" + kToolbarLayoutSection;
  EXPECT_EQ(RegGetValueA(HKEY_CURRENT_USER, key.c_str(), "Custom", RRF_RT_ANY, &type, nullptr, &size), ERROR_SUCCESS);
}

TEST_F(ShutDownTest, YesWithoutAWayToSaveKeepsTheDocumentAndTheFrame) {
  HWND document = NewDocument("c:\\unsaved.txt", true);
  BoxRecorder boxes({kButtonYes});
  EXPECT_FALSE(ShutDown());
  EXPECT_TRUE(IsWindow(document));
  EXPECT_FALSE(testsupport::PumpMessages());
  EXPECT_EQ(log_.toolWindowsClosed, 0);
}

TEST_F(ShutDownTest, AFrameDestroyedFromOutsideStillAsksFirst) {
  NewDocument("c:\\kept.txt", true);
  NewDocument("c:\\plain.txt");
  DocumentServices services = LoggingServices(log_);
  services.saveDocument = [this](HWND) { return ++log_.saved, true; };
  SetDocumentServices(services);
  BoxRecorder boxes({kButtonYes});
  DestroyWindow(frameWindow);
  ASSERT_EQ(boxes.boxes().size(), 1u);  // only the modified one
  EXPECT_EQ(boxes.boxes()[0].text, "File: c:\\kept.txt\r\rThis document has been edited.\rDo you want to save the changes?");
  EXPECT_EQ(log_.saved, 1);
  EXPECT_EQ(log_.toolWindowsClosed, 1);
  EXPECT_EQ(IconsRemoved(), 1);
  EXPECT_TRUE(testsupport::PumpMessages());
}

TEST_F(ShutDownTest, QueryEndSessionOnlyAsksAndEndSessionClosesSavesAndEndsOnce) {
  HWND document = NewDocument("c:\\session.txt", true);
  RemoveTestSettings();
  editorState.Tabs = 7;
  {
    BoxRecorder boxes({kButtonCancel, kButtonNo});
    EXPECT_EQ(SendMessageA(frameWindow, WM_QUERYENDSESSION, 0, 0), FALSE);
    EXPECT_EQ(SendMessageA(frameWindow, WM_QUERYENDSESSION, 0, 0), TRUE);
    EXPECT_EQ(boxes.boxes().size(), 2u);
  }
  // Only questions so far, and a cancelled log-off leaves everything running.
  SendMessageA(frameWindow, WM_ENDSESSION, FALSE, 0);
  EXPECT_TRUE(IsWindow(document));
  EXPECT_FALSE(testsupport::PumpMessages());
  EXPECT_EQ(ReadTestDword("Options", "Tabs"), -1);

  // A real one closes without asking again and keeps every setting.
  BoxRecorder none;
  SendMessageA(frameWindow, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
  EXPECT_TRUE(none.boxes().empty());
  EXPECT_FALSE(IsWindow(document));
  EXPECT_EQ(ReadTestDword("Options", "Tabs"), 7);
  EXPECT_EQ(ReadTestDword("DeskTop\\Window", "Width"), editorState.windowPlacement.width);
  EXPECT_TRUE(testsupport::PumpMessages());
  DestroyWindow(frameWindow);  // the system ends the process; destroying the frame adds nothing
  EXPECT_EQ(log_.toolWindowsClosed, 1);
  EXPECT_EQ(IconsRemoved(), 1);
}

}  // namespace
