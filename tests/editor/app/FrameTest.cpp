// The real frame, created once and driven with messages: creation, menus and command state,
// routing, the hand-over from a second instance, window commands, help, clipboard, About,
// shutdown and the end of a session.
#include <windows.h>

#include <commctrl.h>
#include <prsht.h>
#include <richedit.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "AppTestSupport.h"
#include "DocumentSlots.h"
#include "EditorState.h"
#include "Frame.h"
#include "FrameGlobals.h"
#include "OptionsSheet.h"
#include "Splash.h"
#include "Startup.h"
#include "TrayIcon.h"
#include "quillet_ids.h"

namespace {

// What the later parts would have been asked to do.
struct ServiceLog {
  std::vector<std::string> opened;
  std::vector<unsigned> frameCommands;
  int newDocuments = 0;
  int recoloured = 0;
};

// Records the commands a document window receives.
struct DocumentSpy {
  static std::vector<std::pair<WPARAM, LPARAM>>& Commands() {
    static std::vector<std::pair<WPARAM, LPARAM>> commands;
    return commands;
  }
  static WNDPROC& Original() {
    static WNDPROC original = nullptr;
    return original;
  }
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) Commands().emplace_back(wParam, lParam);
    return CallWindowProcA(Original(), window, message, wParam, lParam);
  }
};

class FrameTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    RemoveTestSettings();
    SetSettingsRoot(TestSettingsRoot().c_str());
    LoadSettings();  // first run: centred 640 x 400
    soundsOn = false;
    ASSERT_EQ(CreateFrameWindow(SW_SHOWNOACTIVATE), frameWindow);
    ASSERT_NE(frameWindow, nullptr);
    PumpMessages();
  }
  static void TearDownTestSuite() {
    SetDocumentServices(DocumentServices());
    if (frameWindow) {
      CloseAllForTest();
      DestroyWindow(frameWindow);
    }
    DrainQuit();
    RemoveTestSettings();
  }

  void SetUp() override {
    ASSERT_NE(frameWindow, nullptr);
    log_ = ServiceLog();
    DocumentServices services;
    services.openFile = [this](const char* path) { log_.opened.emplace_back(path); };
    services.frameCommand = [this](unsigned id) { log_.frameCommands.push_back(id); };
    services.newDocument = [this] { ++log_.newDocuments; };
    services.recolourDocuments = [this] { ++log_.recoloured; };
    SetDocumentServices(services);
    DocumentSpy::Commands().clear();
  }
  void TearDown() override {
    CloseAllForTest();
    SetDocumentServices(DocumentServices());
    DrainQuit();
  }

  static void CloseAllForTest() {
    if (!mdiClient) return;
    for (HWND child = GetWindow(mdiClient, GW_CHILD); child;) {
      HWND next = GetWindow(child, GW_HWNDNEXT);
      if (!GetWindow(child, GW_OWNER)) SendMessageA(mdiClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(child), 0);
      child = next;
    }
  }

  static HWND NewDocument(const char* title, bool modified = false) {
    HWND document = CreateDocumentWindow(title);
    EXPECT_NE(document, nullptr);
    if (document && modified) SetDocumentSlot(document, kSlotModified, 1);
    return document;
  }

  static UINT MenuState(unsigned id) {
    UpdateCommandState();
    return GetMenuState(GetMenu(frameWindow), id, MF_BYCOMMAND);
  }
  static bool MenuEnabled(unsigned id) { return !(MenuState(id) & (MF_GRAYED | MF_DISABLED)); }
  static bool MenuChecked(unsigned id) { return (MenuState(id) & MF_CHECKED) != 0; }
  static std::string MenuText(unsigned id) {
    UpdateCommandState();
    char text[300] = "";
    GetMenuStringA(GetMenu(frameWindow), id, text, sizeof text, MF_BYCOMMAND);
    return text;
  }
  static void Command(unsigned id) { SendMessageA(frameWindow, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

  ServiceLog log_;
};

TEST_F(FrameTest, CreatedWithClientBarsCaptionAndPlacement) {
  char caption[64] = "";
  GetWindowTextA(frameWindow, caption, sizeof caption);
  EXPECT_STREQ(caption, "Quillet");
  EXPECT_EQ(FindWindowA("QuilletAppClass", nullptr), frameWindow);
  ASSERT_NE(mdiClient, nullptr);
  EXPECT_EQ(GetDlgCtrlID(mdiClient), IDC_MDI_CLIENT);
  EXPECT_EQ(GetParent(mdiClient), frameWindow);
  EXPECT_TRUE(GetWindowLongA(mdiClient, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  EXPECT_TRUE(GetWindowLongA(mdiClient, GWL_STYLE) & WS_CLIPCHILDREN);
  ASSERT_NE(toolbarWindow, nullptr);
  ASSERT_NE(statusWindow, nullptr);
  EXPECT_EQ(GetDlgCtrlID(statusWindow), IDC_STATUS_BAR);
  EXPECT_TRUE(GetWindowLongA(frameWindow, GWL_STYLE) & WS_CLIPCHILDREN);
  EXPECT_NE(findMessageId, 0u);
  EXPECT_TRUE(GetWindowLongA(frameWindow, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);

  RECT frame;
  GetWindowRect(frameWindow, &frame);
  EXPECT_EQ(frame.left, ((ScreenRect.right - ScreenRect.left) - 640) / 2);
  EXPECT_EQ(frame.top, ((ScreenRect.bottom - ScreenRect.top) - 400) / 2);
  EXPECT_EQ(frame.right - frame.left, 640);
  EXPECT_EQ(frame.bottom - frame.top, 400);
  EXPECT_EQ(editorState.openMaximised, editorState.Maximized);
}

TEST_F(FrameTest, MinimumTrackingSize) {
  MINMAXINFO info = {};
  SendMessageA(frameWindow, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.ptMinTrackSize.x, 348);
  EXPECT_EQ(info.ptMinTrackSize.y, 200);
}

TEST_F(FrameTest, WindowMenuListsDocumentsFrom2000) {
  NewDocument("c:\\first.txt");
  HMENU windows = GetSubMenu(GetMenu(frameWindow), WINDOWS_MENU_INDEX);
  // A maximised child puts its system menu first; the Windows menu is then one further on.
  if (IsZoomed(activeDocument)) windows = GetSubMenu(GetMenu(frameWindow), WINDOWS_MENU_INDEX + 1);
  char text[300] = "";
  ASSERT_GT(GetMenuStringA(windows, FIRST_DOCUMENT_CHILD_ID, text, sizeof text, MF_BYCOMMAND), 0);
  EXPECT_NE(std::string(text).find("c:\\first.txt"), std::string::npos) << text;
}

TEST_F(FrameTest, CommandStateWithoutAndWithADocument) {
  EXPECT_TRUE(MenuEnabled(ID_FILE_NEW));
  EXPECT_TRUE(MenuEnabled(ID_HELP_ABOUT));
  EXPECT_FALSE(MenuEnabled(ID_FILE_CLOSE));
  EXPECT_FALSE(MenuEnabled(ID_EDIT_FIND));
  EXPECT_FALSE(MenuEnabled(ID_WINDOWS_CASCADE));
  EXPECT_TRUE(MenuChecked(ID_VIEW_TOOLBAR));
  EXPECT_TRUE(MenuChecked(ID_VIEW_STATUS_BAR));
  EXPECT_EQ(MenuText(ID_FILE_RECENT_1), "&1  Unused");
  EXPECT_FALSE(MenuEnabled(ID_FILE_RECENT_1));

  HWND document = NewDocument("c:\\doc.txt");
  ASSERT_EQ(activeDocument, document);
  EXPECT_TRUE(MenuEnabled(ID_FILE_CLOSE));
  EXPECT_TRUE(MenuEnabled(ID_EDIT_FIND));
  EXPECT_TRUE(MenuEnabled(ID_EDIT_PASTE));
  EXPECT_FALSE(MenuEnabled(ID_FILE_SAVE));     // not modified
  EXPECT_FALSE(MenuEnabled(ID_EDIT_COPY));     // nothing selected
  EXPECT_FALSE(MenuEnabled(ID_FILE_PROPERTIES));

  SetDocumentSlot(document, kSlotModified, 1);
  SetDocumentSlot(document, kSlotHasFile, 1);
  EXPECT_TRUE(MenuEnabled(ID_FILE_SAVE));
  EXPECT_TRUE(MenuEnabled(ID_FILE_DISCARD));
  EXPECT_TRUE(MenuEnabled(ID_FILE_PROPERTIES));
  EXPECT_FALSE(MenuEnabled(ID_VIEW_REFRESH));  // modified

  SetDocumentSlot(document, kSlotReadOnly, 1);
  EXPECT_FALSE(MenuEnabled(ID_EDIT_PASTE));
  EXPECT_FALSE(MenuEnabled(ID_FILE_SAVE));
  EXPECT_TRUE(MenuChecked(ID_EDIT_READ_ONLY));
  SetDocumentSlot(document, kSlotReadOnly, 0);

  SetWindowTextA(activeEdit, "some text");
  SendMessageA(activeEdit, EM_SETSEL, 0, 4);
  EXPECT_TRUE(MenuEnabled(ID_EDIT_COPY));
  EXPECT_TRUE(MenuEnabled(ID_EDIT_CUT));

  SetDocumentSlot(document, kSlotWordWrap, 1);
  EXPECT_TRUE(MenuChecked(ID_VIEW_WORD_WRAP));

  std::snprintf(editorState.recentFiles[0], kPathLength, "%s", "c:\\recent.txt");
  EXPECT_EQ(MenuText(ID_FILE_RECENT_1), "&1  c:\\recent.txt");
  EXPECT_TRUE(MenuEnabled(ID_FILE_RECENT_1));
  editorState.recentFiles[0][0] = '\0';

  // The toolbar follows the same rules.
  UpdateCommandState();
  EXPECT_TRUE(SendMessageA(toolbarWindow, TB_ISBUTTONENABLED, ID_EDIT_COPY, 0));
  SendMessageA(activeEdit, EM_SETSEL, 0, 0);
  UpdateCommandState();
  EXPECT_FALSE(SendMessageA(toolbarWindow, TB_ISBUTTONENABLED, ID_EDIT_COPY, 0));
}

TEST_F(FrameTest, NothingChangesDuringABulkOperation) {
  EXPECT_FALSE(MenuEnabled(ID_FILE_CLOSE));
  bulkOperation = true;
  HWND document = NewDocument("c:\\bulk.txt");
  UpdateCommandState();
  EXPECT_TRUE(GetMenuState(GetMenu(frameWindow), ID_FILE_CLOSE, MF_BYCOMMAND) & MF_GRAYED);
  bulkOperation = false;
  EXPECT_TRUE(MenuEnabled(ID_FILE_CLOSE));
  (void)document;
}

TEST_F(FrameTest, DocumentCommandsGoUnchangedToTheActiveDocument) {
  Command(ID_EDIT_COPY);  // no document: dropped
  HWND document = NewDocument("c:\\routed.txt");
  DocumentSpy::Original() =
      reinterpret_cast<WNDPROC>(SetWindowLongPtrA(document, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DocumentSpy::Proc)));
  SendMessageA(frameWindow, WM_COMMAND, MAKEWPARAM(ID_VIEW_WORD_WRAP, 1), 0x1234);
  SendMessageA(frameWindow, WM_COMMAND, MAKEWPARAM(ID_MACRO_3, 0), 0);
  Command(ID_FILE_OPEN);  // the frame's: not forwarded
  ASSERT_EQ(DocumentSpy::Commands().size(), 2u);
  EXPECT_EQ(DocumentSpy::Commands()[0].first, MAKEWPARAM(ID_VIEW_WORD_WRAP, 1));
  EXPECT_EQ(DocumentSpy::Commands()[0].second, 0x1234);
  EXPECT_EQ(LOWORD(DocumentSpy::Commands()[1].first), ID_MACRO_3);
  SetWindowLongPtrA(document, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DocumentSpy::Original()));
}

TEST_F(FrameTest, FrameCommandsOfLaterPartsReachTheirOwners) {
  for (unsigned id : {ID_FILE_OPEN, ID_FILE_SAVE_ALL, ID_EDIT_FIND, ID_FILE_RECENT_4, ID_TOOL_2,
                      ID_WINDOWS_ERROR_CODES, ID_VIEW_DISPLAY_FONT}) {
    Command(id);
  }
  EXPECT_EQ(log_.frameCommands, (std::vector<unsigned>{ID_FILE_OPEN, ID_FILE_SAVE_ALL, ID_EDIT_FIND,
                                                       ID_FILE_RECENT_4, ID_TOOL_2, ID_WINDOWS_ERROR_CODES,
                                                       ID_VIEW_DISPLAY_FONT}));
  Command(ID_FILE_NEW);
  EXPECT_EQ(log_.newDocuments, 1);
}

TEST_F(FrameTest, WindowMenuEntriesGoToDefaultProcessing) {
  HWND first = NewDocument("c:\\one.txt");
  HWND second = NewDocument("c:\\two.txt");
  ASSERT_EQ(activeDocument, second);
  Command(FIRST_DOCUMENT_CHILD_ID);  // the first document's entry
  EXPECT_EQ(activeDocument, first);
}

TEST_F(FrameTest, SecondInstanceHandOverIsADroppedFileName) {
  const char* text = "\"c:\\my files\\read me.txt\"";
  SendMessageA(frameWindow, kOpenRequestMessage, 0, reinterpret_cast<LPARAM>(text));
  // The way another process sends it.
  std::string copy = "\"c:\\other.txt\"";
  COPYDATASTRUCT data = {kOpenRequestMessage, static_cast<DWORD>(copy.size() + 1), copy.data()};
  EXPECT_TRUE(SendMessageA(frameWindow, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data)));
  // Other copied data is not an open request.
  COPYDATASTRUCT other = {1, static_cast<DWORD>(copy.size() + 1), copy.data()};
  EXPECT_FALSE(SendMessageA(frameWindow, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&other)));
  EXPECT_EQ(log_.opened, (std::vector<std::string>{"c:\\my files\\read me.txt", "c:\\other.txt"}));

  // A document of that name already open comes to the front instead.
  HWND open = NewDocument("c:\\open.txt");
  NewDocument("c:\\later.txt");
  SendMessageA(frameWindow, kOpenRequestMessage, 0, reinterpret_cast<LPARAM>("\"C:\\OPEN.TXT\""));
  EXPECT_EQ(activeDocument, open);
  EXPECT_EQ(log_.opened.size(), 2u);
}

TEST_F(FrameTest, TileAndCascade) {
  NewDocument("c:\\a.txt");
  NewDocument("c:\\b.txt");
  if (IsZoomed(activeDocument)) SendMessageA(mdiClient, WM_MDIRESTORE, reinterpret_cast<WPARAM>(activeDocument), 0);
  auto rects = [] {
    std::vector<RECT> result;
    for (HWND child = GetWindow(mdiClient, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      RECT rect;
      GetWindowRect(child, &rect);
      result.push_back(rect);
    }
    return result;
  };
  Command(ID_WINDOWS_TILE_VERTICALLY);
  std::vector<RECT> tiled = rects();
  ASSERT_EQ(tiled.size(), 2u);
  EXPECT_EQ(tiled[0].top, tiled[1].top);
  EXPECT_NE(tiled[0].left, tiled[1].left);
  Command(ID_WINDOWS_TILE_HORIZONTALLY);
  tiled = rects();
  EXPECT_EQ(tiled[0].left, tiled[1].left);
  EXPECT_NE(tiled[0].top, tiled[1].top);
  Command(ID_WINDOWS_CASCADE);
  tiled = rects();
  EXPECT_NE(tiled[0].left, tiled[1].left);
  EXPECT_NE(tiled[0].top, tiled[1].top);
}

TEST_F(FrameTest, ShowClipboardWithoutTheViewer) {
  BoxRecorder boxes;
  Command(ID_EDIT_SHOW_CLIPBOARD);
  ASSERT_EQ(boxes.boxes().size(), 1u);
  EXPECT_EQ(boxes.boxes()[0].kind, MessageBoxKind::Error);
  EXPECT_NE(boxes.boxes()[0].text.find("Cannot load the MS Windows Clipboard"), std::string::npos);
  EXPECT_NE(boxes.boxes()[0].text.find("CLIPBRD.EXE"), std::string::npos) << boxes.boxes()[0].text;
}

TEST_F(FrameTest, HelpWithTheHelpFileMissing) {
  ASSERT_NE(helpPath[0], '\0');
  ASSERT_EQ(GetFileAttributesA(helpPath), INVALID_FILE_ATTRIBUTES);
  BoxRecorder boxes;
  Command(ID_HELP_CONTENTS);
  Command(ID_HELP_SEARCH);
  ShowHelp(905);
  ASSERT_EQ(boxes.boxes().size(), 3u);
  const std::string missing = std::string("File: ") + helpPath + "\r\rFile not found.";
  EXPECT_EQ(boxes.boxes()[0].text, missing);
  EXPECT_EQ(boxes.boxes()[1].text, missing);
  EXPECT_NE(boxes.boxes()[2].text.find("Invalid help item specified (item:905)"), std::string::npos);
  // The full path: the program's own, lower-cased, with ".hlp".
  EXPECT_NE(std::string(helpPath).find("editor_app_tests.hlp"), std::string::npos) << helpPath;
}

TEST_F(FrameTest, AboutShowsOneSplashWindowThatAKeyCloses) {
  Command(ID_HELP_ABOUT);
  HWND splash = FindSplashWindow();
  ASSERT_NE(splash, nullptr);
  Command(ID_HELP_ABOUT);
  EXPECT_EQ(FindSplashWindow(), splash);  // only one
  char title[32] = "";
  GetWindowTextA(splash, title, sizeof title);
  EXPECT_STREQ(title, "Splash");
  EXPECT_EQ(GetClassWord(splash, GCW_ATOM), kSplashClassAtom);
  EXPECT_TRUE(GetWindowLongA(splash, GWL_EXSTYLE) & WS_EX_TOPMOST);
  RECT rect;
  GetWindowRect(splash, &rect);
  EXPECT_EQ(rect.right - rect.left, SPLASH_WIDTH);
  EXPECT_EQ(rect.bottom - rect.top, SPLASH_HEIGHT);
  EXPECT_EQ(rect.left, ((ScreenRect.right - ScreenRect.left) - SPLASH_WIDTH) / 2);
  SendMessageA(splash, WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_FALSE(IsWindow(splash));
}

TEST_F(FrameTest, StartUpSplashIgnoresKeysAndClicksAndModalBoxesCloseIt) {
  HWND splash = ShowSplashWindow(SplashMode::StartUp);
  ASSERT_NE(splash, nullptr);
  SendMessageA(splash, WM_KEYDOWN, VK_SPACE, 0);
  SendMessageA(splash, WM_LBUTTONDOWN, 0, 0);
  EXPECT_TRUE(IsWindow(splash));
  BoxRecorder boxes;
  ErrorBox(60021, "x");
  EXPECT_FALSE(IsWindow(splash));
}

TEST_F(FrameTest, BarsAndAlwaysOnTopCommands) {
  Command(ID_VIEW_STATUS_BAR);
  PumpMessages();
  EXPECT_EQ(editorState.Status, 0);
  EXPECT_FALSE(IsWindowVisible(statusWindow));
  EXPECT_FALSE(MenuChecked(ID_VIEW_STATUS_BAR));
  Command(ID_VIEW_STATUS_BAR);
  PumpMessages();
  EXPECT_EQ(editorState.Status, 1);
  EXPECT_TRUE(MenuChecked(ID_VIEW_STATUS_BAR));

  Command(ID_VIEW_ALWAYS_ON_TOP);
  EXPECT_EQ(editorState.TopMost, 1);
  EXPECT_TRUE(GetWindowLongA(frameWindow, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_TRUE(MenuChecked(ID_VIEW_ALWAYS_ON_TOP));
  EXPECT_EQ(editorState.errorsPlacement.show, 1);
  Command(ID_VIEW_ALWAYS_ON_TOP);
  EXPECT_EQ(editorState.TopMost, 0);
  EXPECT_FALSE(GetWindowLongA(frameWindow, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_FALSE(MenuChecked(ID_VIEW_ALWAYS_ON_TOP));
}

TEST_F(FrameTest, ShutDownAsksForEachModifiedDocumentAndStopsAtCancel) {
  HWND first = NewDocument("c:\\first.txt", true);
  HWND second = NewDocument("c:\\second.txt", true);
  BoxRecorder boxes;
  boxes.Answer({kButtonNo, kButtonCancel});
  SendMessageA(frameWindow, WM_CLOSE, 0, 0);
  ASSERT_EQ(boxes.boxes().size(), 2u);
  EXPECT_EQ(boxes.boxes()[0].kind, MessageBoxKind::SaveQuestion);
  EXPECT_TRUE(IsWindow(frameWindow));
  EXPECT_EQ(IsWindow(first) + IsWindow(second), 1);  // one closed, the other kept
  EXPECT_FALSE(bulkOperation);
  EXPECT_FALSE(DrainQuit());

  // With no answer left to cancel, everything closes and the frame's place is kept.
  editorState.windowPlacement = PlacementRecord();
  boxes.Answer({kButtonNo});
  EXPECT_TRUE(ShutDown());
  EXPECT_EQ(IsWindow(first) + IsWindow(second), 0);
  EXPECT_TRUE(DrainQuit());
  RECT frame;
  GetWindowRect(frameWindow, &frame);
  EXPECT_EQ(editorState.windowPlacement.width, frame.right - frame.left);
  EXPECT_EQ(editorState.windowPlacement.left, frame.left);
}

TEST_F(FrameTest, YesWithoutAWayToSaveKeepsTheDocument) {
  HWND document = NewDocument("c:\\unsaved.txt", true);
  BoxRecorder boxes(kButtonYes);
  EXPECT_FALSE(ShutDown());
  EXPECT_TRUE(IsWindow(document));
  EXPECT_FALSE(DrainQuit());
}

TEST_F(FrameTest, QueryEndSessionOnlyAsksAndEndSessionClosesAndSaves) {
  HWND document = NewDocument("c:\\session.txt", true);
  RemoveTestSettings();
  editorState.Tabs = 7;
  {
    BoxRecorder boxes;
    boxes.Answer({kButtonCancel});
    EXPECT_EQ(SendMessageA(frameWindow, WM_QUERYENDSESSION, 0, 0), FALSE);
    EXPECT_EQ(boxes.boxes().size(), 1u);
  }
  {
    BoxRecorder boxes;
    boxes.Answer({kButtonNo});
    EXPECT_EQ(SendMessageA(frameWindow, WM_QUERYENDSESSION, 0, 0), TRUE);
    EXPECT_EQ(boxes.boxes().size(), 1u);
  }
  // Only questions so far: the document is open, nothing quit, nothing written.
  EXPECT_TRUE(IsWindow(document));
  EXPECT_FALSE(DrainQuit());
  EXPECT_EQ(ReadTestDword("Options", "Tabs"), -1);

  // A cancelled log-off leaves everything running.
  SendMessageA(frameWindow, WM_ENDSESSION, FALSE, 0);
  EXPECT_TRUE(IsWindow(document));
  EXPECT_FALSE(DrainQuit());
  EXPECT_EQ(ReadTestDword("Options", "Tabs"), -1);

  // A real one closes without asking again and keeps every setting.
  {
    BoxRecorder boxes;
    SendMessageA(frameWindow, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_TRUE(boxes.boxes().empty());
  }
  EXPECT_FALSE(IsWindow(document));
  EXPECT_EQ(ReadTestDword("Options", "Tabs"), 7);
  EXPECT_EQ(ReadTestDword("DeskTop\\Window", "Width"), editorState.windowPlacement.width);
  EXPECT_TRUE(DrainQuit());
  editorState.Tabs = 4;
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
    HWND page = PropSheet_GetCurrentPageHwnd(sheet);
    CheckDlgButton(page, IDC_EDITOR_TASK_TRAY, BST_UNCHECKED);
    PropSheet_PressButton(sheet, PSBTN_OK);
  });
  Command(ID_HELP_SETUP);  // another entry point: no recolouring
  EXPECT_EQ(editorState.TaskTray, 0);
  EXPECT_EQ(log_.recoloured, 1);
  EXPECT_EQ(trayCalls, (std::vector<DWORD>{NIM_DELETE}));

  SetOptionsSheetDriver(nullptr);
  SetTrayNotifier(previous);
  editorState.LtGray = 0;
}

TEST_F(FrameTest, MessageLoopEndsWithTheQuitCode) {
  PostQuitMessage(5);
  EXPECT_EQ(RunMessageLoop(), 5);
}

}  // namespace
