// The notification-area icon through the test seam, minimising to it and back, and Always on
// Top with the placement records of the error-code window and the character chart.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

#include "common/win32/Handles.h"
#include "editor/app/EditorState.h"
#include "editor/app/FrameGlobals.h"
#include "editor/app/TrayIcon.h"
#include "editor/support/MessageBoxes.h"
#include "resources/quillet_ids.h"
#include "tests/editor/app/bars/BarsTestFrame.h"
#include "tests/support/Messages.h"

using namespace editor;
using namespace support;

namespace {

bool IsTopmost(HWND window) { return (GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

class TrayIconTest : public BarsTest {
 protected:
  void TearDown() override {
    SetTopmost(frameWindow, false);
    if (!IsWindowVisible(frameWindow) || IsIconic(frameWindow)) ShowWindow(frameWindow, SW_RESTORE);
    BarsTest::TearDown();
  }
};

TEST_F(TrayIconTest, AddPutsTheIconWithItsCallbackAndTip) {
  TrayRecorder tray;
  AddTrayIcon();
  ASSERT_EQ(tray.calls().size(), 1u);
  const auto& call = tray.calls()[0];
  EXPECT_EQ(call.message, static_cast<DWORD>(NIM_ADD));
  EXPECT_EQ(call.data.hWnd, frameWindow);
  EXPECT_EQ(call.data.uFlags & (NIF_MESSAGE | NIF_ICON | NIF_TIP), static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
  EXPECT_NE(call.data.hIcon, nullptr);
  EXPECT_STREQ(call.data.szTip, "Quillet");

  tray.clear();
  AddTrayIcon(nullptr);
  ASSERT_EQ(tray.calls().size(), 1u);
  EXPECT_STREQ(tray.calls()[0].data.szTip, "");
}

TEST_F(TrayIconTest, MinimisingWithTaskTrayHidesTheFrameAndAClickBringsItBack) {
  TrayRecorder tray;
  editorState.TaskTray = 1;
  AddTrayIcon();
  tray.clear();
  ShowWindow(frameWindow, SW_MINIMIZE);
  EXPECT_FALSE(IsWindowVisible(frameWindow));
  ASSERT_EQ(tray.calls().size(), 1u);  // only the check that the icon is there
  EXPECT_EQ(tray.calls()[0].message, static_cast<DWORD>(NIM_MODIFY));

  // Moving over the icon and other events do nothing.
  SendMessageA(frameWindow, kTrayCallbackMessage, kTrayIconId, WM_MOUSEMOVE);
  SendMessageA(frameWindow, kTrayCallbackMessage, kTrayIconId, WM_LBUTTONUP);
  SendMessageA(frameWindow, kTrayCallbackMessage, kTrayIconId + 1, WM_LBUTTONDOWN);  // not our icon
  EXPECT_FALSE(IsWindowVisible(frameWindow));

  SendMessageA(frameWindow, kTrayCallbackMessage, kTrayIconId, WM_LBUTTONDOWN);
  EXPECT_TRUE(IsWindowVisible(frameWindow));
  EXPECT_FALSE(IsIconic(frameWindow));
  testsupport::PumpMessages();
  // The frame is laid out again on its way back.
  RECT client{};
  GetClientRect(frameWindow, &client);
  EXPECT_EQ(client.right, 600);

  // The right button does the same.
  ShowWindow(frameWindow, SW_MINIMIZE);
  EXPECT_FALSE(IsWindowVisible(frameWindow));
  SendMessageA(frameWindow, kTrayCallbackMessage, kTrayIconId, WM_RBUTTONDOWN);
  EXPECT_TRUE(IsWindowVisible(frameWindow));
  EXPECT_FALSE(IsIconic(frameWindow));
}

TEST_F(TrayIconTest, MinimisingPutsALostIconBackOrKeepsTheFrameReachable) {
  TrayRecorder tray(false);  // the shell holds no icon and takes none
  editorState.TaskTray = 1;
  ShowWindow(frameWindow, SW_MINIMIZE);
  EXPECT_TRUE(IsWindowVisible(frameWindow)) << "without an icon the frame must keep its taskbar button";
  EXPECT_TRUE(IsIconic(frameWindow));
  ASSERT_EQ(tray.calls().size(), 2u);
  EXPECT_EQ(tray.calls()[0].message, static_cast<DWORD>(NIM_MODIFY));
  EXPECT_EQ(tray.calls()[1].message, static_cast<DWORD>(NIM_ADD));
  ShowWindow(frameWindow, SW_RESTORE);

  // The shell lost the icon (Explorer restarted) but takes it again: the frame goes to the tray.
  tray.clear();
  int answers = 0;
  SetTrayNotifier([&answers](DWORD message, const NOTIFYICONDATAA&) {
    ++answers;
    return message == NIM_ADD;
  });
  EXPECT_TRUE(MinimizeToTray());
  EXPECT_FALSE(IsWindowVisible(frameWindow));
  EXPECT_EQ(answers, 2);
  SendMessageA(frameWindow, kTrayCallbackMessage, kTrayIconId, WM_LBUTTONDOWN);
  EXPECT_TRUE(IsWindowVisible(frameWindow));
}

TEST_F(TrayIconTest, ShownFromTheIconTheFrameTakesTheTopMostOption) {
  TrayRecorder tray;
  editorState.TaskTray = 1;
  ShowWindow(frameWindow, SW_MINIMIZE);
  editorState.TopMost = 1;
  SendMessageA(frameWindow, kTrayCallbackMessage, kTrayIconId, WM_LBUTTONDOWN);
  EXPECT_TRUE(IsTopmost(frameWindow));
}

TEST_F(TrayIconTest, AlwaysOnTopReachesTheFrameAndTheToolWindows) {
  ToggleAlwaysOnTop();
  EXPECT_EQ(editorState.TopMost, 1);
  EXPECT_TRUE(IsTopmost(frameWindow));
  EXPECT_EQ(chartTopmostRequest, 1);
  EXPECT_EQ(errorsTopmostRequest, 1);

  ToggleAlwaysOnTop();
  EXPECT_EQ(editorState.TopMost, 0);
  EXPECT_FALSE(IsTopmost(frameWindow));
  EXPECT_EQ(chartTopmostRequest, 0);
  EXPECT_EQ(errorsTopmostRequest, 0);
}

}  // namespace
