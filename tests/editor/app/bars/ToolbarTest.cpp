// The toolbar on a real frame: its buttons and pictures, the stored layouts, customisation
// notifications (and the real customisation dialog), tool tips and button states.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "common/win32/Handles.h"
#include "editor/app/EditorState.h"
#include "editor/app/FrameGlobals.h"
#include "editor/app/StatusBar.h"
#include "editor/app/Toolbar.h"
#include "editor/support/SettingsStore.h"
#include "resources/quillet_ids.h"
#include "tests/editor/app/bars/BarsTestFrame.h"
#include "tests/support/Messages.h"
#include "tests/support/Picture.h"

using namespace editor;
using namespace support;

namespace {

// Sends the frame a toolbar notification as the toolbar would.
LRESULT SendToolbarNotify(UINT code) {
  NMHDR header{toolbarWindow, IDC_TOOLBAR, code};
  return SendMessageA(frameWindow, WM_NOTIFY, IDC_TOOLBAR, reinterpret_cast<LPARAM>(&header));
}

BYTE ButtonState(UINT command) {
  return static_cast<BYTE>(SendMessageA(toolbarWindow, TB_GETSTATE, command, 0));
}

std::string TipText(UINT command, HWND from) {
  NMTTDISPINFOA request{};
  request.hdr = {from, command, TTN_GETDISPINFOA};
  std::memcpy(request.szText, "stale", 6);
  SendMessageA(frameWindow, WM_NOTIFY, command, reinterpret_cast<LPARAM>(&request));
  return request.lpszText ? request.lpszText : "<none>";
}

HWND ToolbarTips() { return reinterpret_cast<HWND>(SendMessageA(toolbarWindow, TB_GETTOOLTIPS, 0, 0)); }

using ToolbarTest = BarsTest;

TEST_F(ToolbarTest, StartsWithTheStandardButtonsAndThe31Pictures) {
  EXPECT_EQ(GetParent(toolbarWindow), frameWindow);
  EXPECT_TRUE(GetWindowLongPtrA(toolbarWindow, GWL_STYLE) & CCS_ADJUSTABLE);
  EXPECT_EQ(GetToolbarLayout(), StandardToolbarLayout());
  TBBUTTON open{};
  ASSERT_TRUE(SendMessageA(toolbarWindow, TB_GETBUTTON, 3, reinterpret_cast<LPARAM>(&open)));
  EXPECT_EQ(open.iBitmap, TOOLBAR_IMAGE_OPEN);
  HIMAGELIST images = reinterpret_cast<HIMAGELIST>(SendMessageA(toolbarWindow, TB_GETIMAGELIST, 0, 0));
  EXPECT_EQ(ImageList_GetImageCount(images), TOOLBAR_IMAGE_COUNT);
}

TEST_F(ToolbarTest, StripBackgroundIsMasked) {
  // Drawn transparently onto magenta, the strip's corner pixel (background) stays magenta.
  HIMAGELIST images = reinterpret_cast<HIMAGELIST>(SendMessageA(toolbarWindow, TB_GETIMAGELIST, 0, 0));
  ASSERT_NE(images, nullptr);
  const testsupport::Picture picture = testsupport::Picture::Drawn(16, 16, [images](HDC dc) {
    win32::UniqueBrush magenta(CreateSolidBrush(RGB(255, 0, 255)));
    const RECT all{0, 0, 16, 16};
    FillRect(dc, &all, magenta.get());
    ImageList_Draw(images, TOOLBAR_IMAGE_NEW, dc, 0, 0, ILD_TRANSPARENT);
  });
  EXPECT_EQ(picture.At(0, 0), RGB(255, 0, 255));
}

// The stored layouts' key, as the control's own save and restore keeps them.
std::string LayoutKey() { return GetSettingsRoot() + "\\" + kToolbarLayoutSection; }

// The type of a stored layout value, 0 when there is none.
DWORD StoredType(const char* name) {
  DWORD type = 0;
  if (RegGetValueA(HKEY_CURRENT_USER, LayoutKey().c_str(), name, RRF_RT_ANY, &type, nullptr, nullptr) != ERROR_SUCCESS)
    return 0;
  return type;
}

void StoreBinary(const char* name, const std::vector<DWORD>& data) {
  ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, LayoutKey().c_str(), name, REG_BINARY, data.data(),
                            static_cast<DWORD>(data.size() * sizeof(DWORD))),
            ERROR_SUCCESS);
}

TEST_F(ToolbarTest, LayoutsAreKeptByTheControlsOwnSaveAndRestore) {
  EXPECT_EQ(StoredType(kStandardLayoutName), static_cast<DWORD>(REG_BINARY));
  EXPECT_EQ(StoredType(kCustomLayoutName), 0u);  // a missing "Custom" leaves the standard layout
  ApplyToolbarLayout({ID_VIEW_ALWAYS_ON_TOP, 0, ID_FILE_NEW, ID_EDIT_INSERT_DATE});
  SaveToolbarLayout(kCustomLayoutName);  // as at shutdown
  EXPECT_EQ(StoredType(kCustomLayoutName), static_cast<DWORD>(REG_BINARY));
  EXPECT_EQ(saveSettingsCalls, 0);
  RecreateBars();  // a restart
  EXPECT_EQ(GetToolbarLayout(), (ToolbarLayout{ID_VIEW_ALWAYS_ON_TOP, 0, ID_FILE_NEW, ID_EDIT_INSERT_DATE}));
  EXPECT_EQ(saveSettingsCalls, 0);  // restoring is no customisation
  EXPECT_EQ(StatusPartText(0), "Ready ...");
}

TEST_F(ToolbarTest, ALayoutStoredByAnyToolbarInTheControlsFormatIsRestored) {
  // A plain toolbar, none of the program's code, stores its buttons under "Custom".
  HWND plain = CreateWindowExA(0, TOOLBARCLASSNAMEA, nullptr, WS_CHILD | CCS_NORESIZE, 0, 0, 10, 10, frameWindow,
                               nullptr, instanceHandle, nullptr);
  ASSERT_NE(plain, nullptr);
  SendMessageA(plain, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  TBBUTTON buttons[] = {{0, ID_FILE_SAVE_ALL, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, -1},
                        {0, 0, 0, BTNS_SEP, {}, 0, -1},
                        {0, ID_EDIT_SORT, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, -1}};
  SendMessageA(plain, TB_ADDBUTTONSA, 3, reinterpret_cast<LPARAM>(buttons));
  const std::string key = LayoutKey();
  TBSAVEPARAMSA params{HKEY_CURRENT_USER, key.c_str(), kCustomLayoutName};
  ASSERT_TRUE(SendMessageA(plain, TB_SAVERESTOREA, TRUE, reinterpret_cast<LPARAM>(&params)));
  DestroyWindow(plain);

  RecreateBars();
  EXPECT_EQ(GetToolbarLayout(), (ToolbarLayout{ID_FILE_SAVE_ALL, 0, ID_EDIT_SORT}));
  // Its buttons carry the table's pictures.
  TBBUTTON sort{};
  ASSERT_TRUE(SendMessageA(toolbarWindow, TB_GETBUTTON, 2, reinterpret_cast<LPARAM>(&sort)));
  EXPECT_EQ(sort.iBitmap, TOOLBAR_IMAGE_SORT);
}

TEST_F(ToolbarTest, AStoredValueThatIsNoLayoutOfThisToolbarLeavesItAsItWas) {
  StoreBinary(kCustomLayoutName, {ID_FILE_NEW, 12345, ID_FILE_NEW});
  RecreateBars();
  EXPECT_EQ(GetToolbarLayout(), StandardToolbarLayout());
  // Reset stands in the built-in layout even when the stored standard one is damaged.
  SendMessageA(toolbarWindow, TB_DELETEBUTTON, 1, 0);
  StoreBinary(kStandardLayoutName, {54321});
  SendToolbarNotify(TBN_RESET);
  EXPECT_EQ(GetToolbarLayout(), StandardToolbarLayout());
}

TEST_F(ToolbarTest, CustomisedLayoutSurvivesRestartAndResetBringsBackTheStandard) {
  EXPECT_EQ(SendToolbarNotify(TBN_QUERYDELETE), TRUE);
  EXPECT_EQ(SendToolbarNotify(TBN_QUERYINSERT), TRUE);
  // The user drops the first two entries and adds Always on Top at the front.
  SendMessageA(toolbarWindow, TB_DELETEBUTTON, 0, 0);
  SendMessageA(toolbarWindow, TB_DELETEBUTTON, 0, 0);
  TBBUTTON topmost{TOOLBAR_IMAGE_TOPMOST, ID_VIEW_ALWAYS_ON_TOP, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, -1};
  SendMessageA(toolbarWindow, TB_INSERTBUTTONA, 0, reinterpret_cast<LPARAM>(&topmost));
  const ToolbarLayout customised = GetToolbarLayout();
  ASSERT_EQ(customised.front(), ID_VIEW_ALWAYS_ON_TOP);

  SendToolbarNotify(TBN_ENDADJUST);
  EXPECT_EQ(saveSettingsCalls, 1);
  RecreateBars();  // a restart
  EXPECT_EQ(GetToolbarLayout(), customised);

  SendToolbarNotify(TBN_RESET);
  EXPECT_EQ(GetToolbarLayout(), StandardToolbarLayout());
  SendToolbarNotify(TBN_ENDADJUST);
  RecreateBars();
  EXPECT_EQ(GetToolbarLayout(), StandardToolbarLayout());
  EXPECT_EQ(saveSettingsCalls, 2);
}

TEST_F(ToolbarTest, OffersEveryTableEntryWithItsTextToTheCustomisationDialog) {
  auto ask = [](int index, char* text, int capacity) {
    NMTOOLBARA info{};
    info.hdr = {toolbarWindow, IDC_TOOLBAR, static_cast<UINT>(TBN_GETBUTTONINFOA)};
    info.iItem = index;
    info.pszText = text;
    info.cchText = capacity;
    const LRESULT more = SendMessageA(frameWindow, WM_NOTIFY, IDC_TOOLBAR, reinterpret_cast<LPARAM>(&info));
    return more ? info.tbButton.idCommand : -1;
  };
  char text[64];
  EXPECT_EQ(ask(0, text, sizeof text), 0);  // a separator, without a text
  EXPECT_STREQ(text, "");
  EXPECT_EQ(ask(42, text, sizeof text), ID_EDIT_INSERT_DATE);
  EXPECT_STREQ(text, "Timestamp");
  EXPECT_EQ(ask(static_cast<int>(kToolbarEntryCount), text, sizeof text), -1);  // no more buttons
  // A short buffer gets what fits and its terminator, nothing past it.
  std::memset(text, 'x', sizeof text);
  ask(35, text, 4);
  EXPECT_STREQ(text, "Top");

  // The wide request of a Unicode toolbar gets the same.
  wchar_t wide[32] = L"";
  NMTOOLBARW wideInfo{};
  wideInfo.hdr = {toolbarWindow, IDC_TOOLBAR, static_cast<UINT>(TBN_GETBUTTONINFOW)};
  wideInfo.iItem = 1;
  wideInfo.pszText = wide;
  wideInfo.cchText = 32;
  EXPECT_EQ(SendMessageA(frameWindow, WM_NOTIFY, IDC_TOOLBAR, reinterpret_cast<LPARAM>(&wideInfo)), TRUE);
  EXPECT_EQ(std::wstring(wide), L"New");
}

TEST_F(ToolbarTest, TipsFollowTheTipsOption) {
  HWND tips = ToolbarTips();
  ASSERT_NE(tips, nullptr);
  editorState.Tips = 1;
  EXPECT_EQ(TipText(ID_EDIT_FIND, tips), "Find");
  EXPECT_EQ(TipText(ID_VIEW_ALWAYS_ON_TOP, tips), "Topmost");
  editorState.Tips = 0;
  EXPECT_EQ(TipText(ID_EDIT_FIND, tips), "");
  editorState.Tips = 1;
  // Another window's tool tip request is not the toolbar's to answer.
  EXPECT_EQ(TipText(ID_EDIT_FIND, frameWindow), "<none>");

  NMTTDISPINFOW wide{};
  wide.hdr = {tips, ID_FILE_SAVE, TTN_GETDISPINFOW};
  SendMessageA(frameWindow, WM_NOTIFY, ID_FILE_SAVE, reinterpret_cast<LPARAM>(&wide));
  ASSERT_NE(wide.lpszText, nullptr);
  EXPECT_EQ(std::wstring(wide.lpszText), L"Save");
}

TEST_F(ToolbarTest, ButtonStatesFollowEnableAndCheckCalls) {
  SetToolButtonState(ID_FILE_SAVE, false);
  EXPECT_FALSE(SendMessageA(toolbarWindow, TB_ISBUTTONENABLED, ID_FILE_SAVE, 0));
  EXPECT_TRUE(ButtonState(ID_FILE_SAVE) & TBSTATE_INDETERMINATE);
  SetToolButtonState(ID_FILE_SAVE, true);
  EXPECT_FALSE(ButtonState(ID_FILE_SAVE) & TBSTATE_INDETERMINATE);
  SendMessageA(toolbarWindow, TB_HIDEBUTTON, ID_EDIT_CUT, TRUE);  // either call shows it again
  SetToolButtonState(ID_EDIT_CUT, true);
  EXPECT_FALSE(SendMessageA(toolbarWindow, TB_ISBUTTONHIDDEN, ID_EDIT_CUT, 0));

  // Always on Top is not on the standard toolbar: the calls leave the toolbar alone.
  CheckToolButton(ID_VIEW_ALWAYS_ON_TOP, true);
  SetToolButtonState(0, false);
  EXPECT_EQ(GetToolbarLayout(), StandardToolbarLayout());
  ApplyToolbarLayout({ID_VIEW_ALWAYS_ON_TOP, 0, ID_FILE_NEW});
  CheckToolButton(ID_VIEW_ALWAYS_ON_TOP, true);
  SetToolButtonState(ID_VIEW_ALWAYS_ON_TOP, false);  // disabling and enabling keep the check
  SetToolButtonState(ID_VIEW_ALWAYS_ON_TOP, true);
  EXPECT_TRUE(SendMessageA(toolbarWindow, TB_ISBUTTONCHECKED, ID_VIEW_ALWAYS_ON_TOP, 0));
  CheckToolButton(ID_VIEW_ALWAYS_ON_TOP, false);
  EXPECT_FALSE(SendMessageA(toolbarWindow, TB_ISBUTTONCHECKED, ID_VIEW_ALWAYS_ON_TOP, 0));
}

TEST_F(ToolbarTest, ButtonsKeepTheirStatesAcrossALayoutChange) {
  SetToolButtonState(ID_FILE_SAVE, false);
  SendToolbarNotify(TBN_RESET);
  EXPECT_FALSE(SendMessageA(toolbarWindow, TB_ISBUTTONENABLED, ID_FILE_SAVE, 0));
  EXPECT_TRUE(SendMessageA(toolbarWindow, TB_ISBUTTONENABLED, ID_FILE_OPEN, 0));
}

// The client window's top: below the toolbar while it is shown.
int ClientTop() {
  RECT client{};
  GetWindowRect(mdiClient, &client);
  MapWindowPoints(nullptr, frameWindow, reinterpret_cast<POINT*>(&client), 2);
  return client.top;
}

TEST_F(ToolbarTest, ToolbarCommandHidesAndShowsItAndTheClientFollows) {
  RECT bar{};
  GetWindowRect(toolbarWindow, &bar);
  EXPECT_EQ(ClientTop(), bar.bottom - bar.top);
  ToggleToolbar();
  testsupport::PumpMessages();
  EXPECT_EQ(editorState.ToolBar, 0);
  EXPECT_FALSE(IsWindowVisible(toolbarWindow));
  EXPECT_EQ(ClientTop(), 0);
  ToggleToolbar();
  testsupport::PumpMessages();
  EXPECT_TRUE(IsWindowVisible(toolbarWindow));
  EXPECT_EQ(ClientTop(), bar.bottom - bar.top);

  // Hidden by the option at creation, it stays hidden when its buttons change, and offers no
  // customisation.
  editorState.ToolBar = 0;
  RecreateBars();
  ApplyToolbarLayout({ID_FILE_NEW});
  EXPECT_FALSE(GetWindowLongPtrA(toolbarWindow, GWL_STYLE) & WS_VISIBLE);
  EXPECT_EQ(ClientTop(), 0);
  CustomizeToolbar();
  EXPECT_EQ(saveSettingsCalls, 0);
}

// Closes the customisation dialog as soon as it is about to be activated.
HHOOK closeHook = nullptr;
LRESULT CALLBACK CloseCustomizeDialog(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE) {
    HWND window = reinterpret_cast<HWND>(wParam);
    char className[16] = "";
    GetClassNameA(window, className, sizeof className);
    if (std::strcmp(className, "#32770") == 0) PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
  }
  return CallNextHookEx(closeHook, code, wParam, lParam);
}

TEST_F(ToolbarTest, RealCustomisationDialogReportsBeginAndEnd) {
  closeHook = SetWindowsHookExA(WH_CBT, CloseCustomizeDialog, nullptr, GetCurrentThreadId());
  ASSERT_NE(closeHook, nullptr);
  ApplyToolbarLayout({ID_FILE_NEW, 0, ID_FILE_OPEN});
  CustomizeToolbar();
  UnhookWindowsHookEx(closeHook);
  closeHook = nullptr;
  // The dialog asked for the entries, and its end stored the layout and the settings.
  EXPECT_EQ(StatusPartText(0), "Add, remove and arrange the toolbar buttons");
  EXPECT_EQ(saveSettingsCalls, 1);
  RecreateBars();
  EXPECT_EQ(GetToolbarLayout(), (ToolbarLayout{ID_FILE_NEW, 0, ID_FILE_OPEN}));
}

}  // namespace
