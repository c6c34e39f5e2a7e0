// The test program's frame, the editor state with a SaveSettings that counts, and main.
#include "tests/editor/app/bars/BarsTestFrame.h"

#include <utility>

#include "editor/app/EditorState.h"
#include "editor/app/FrameGlobals.h"
#include "editor/app/StatusBar.h"
#include "editor/app/Toolbar.h"
#include "editor/support/EditorSupport.h"
#include "resources/quillet_ids.h"
#include "tests/editor/app/EditorStateGuard.h"
#include "tests/editor/support/BoxRecorder.h"
#include "tests/support/Messages.h"

int saveSettingsCalls = 0;
int chartTopmostRequest = -1;
int errorsTopmostRequest = -1;

namespace editor {
EditorState editorState;
void SaveSettings() { ++saveSettingsCalls; }
// The tool windows are not part of this program (their own tests cover their topmost state):
// these record what Always on Top asked of them.
void SetChartTopmost(bool on) { chartTopmostRequest = on ? 1 : 0; }
void SetErrorsTopmost(bool on) { errorsTopmostRequest = on ? 1 : 0; }
}  // namespace editor

using namespace editor;
using namespace support;

namespace {

constexpr const char* kTestFrameClass = "BarsTestFrameClass";

LRESULT FrameCreate(HWND frame) {
  frameWindow = frame;
  if (!CreateToolbarWindow(frame)) return -1;
  CLIENTCREATESTRUCT client{nullptr, FIRST_DOCUMENT_CHILD_ID};
  mdiClient = CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0,
                              0, 0, 0, frame, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_MDI_CLIENT)),
                              instanceHandle, &client);
  if (!mdiClient || !CreateStatusBar(frame)) return -1;
  return 0;
}

LRESULT CALLBACK TestFrameProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      return FrameCreate(frame);
    case WM_SIZE:
      if (wParam == SIZE_MINIMIZED) {
        MinimizeToTray();
      } else {
        LayoutFrame();
      }
      return 0;
    case WM_NOTIFY: {
      LRESULT result = 0;
      if (HandleToolbarNotify(reinterpret_cast<NMHDR*>(lParam), result)) return result;
      break;
    }
    case WM_MENUSELECT:
      ShowMenuHint(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case kTrayCallbackMessage:
      return HandleTrayCallback(wParam, lParam);
    default:
      break;
  }
  return DefFrameProcA(frame, mdiClient, message, wParam, lParam);
}

}  // namespace

HWND TestFrame() {
  if (frameWindow) return frameWindow;
  WNDCLASSA frameClass{};
  frameClass.lpfnWndProc = TestFrameProc;
  frameClass.hInstance = instanceHandle;
  frameClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  frameClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  frameClass.lpszClassName = kTestFrameClass;
  RegisterClassA(&frameClass);
  HWND frame = CreateWindowExA(0, kTestFrameClass, "Quillet", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 40, 40, 640,
                               400, nullptr, nullptr, instanceHandle, nullptr);
  if (!frame) return nullptr;
  ShowWindow(frame, SW_SHOWNORMAL);
  UpdateWindow(frame);
  return frame;
}

void RecreateBars() {
  ASSERT_NE(TestFrame(), nullptr);
  if (toolbarWindow) DestroyWindow(toolbarWindow);
  if (statusWindow) DestroyWindow(statusWindow);
  ASSERT_EQ(toolbarWindow, nullptr) << "the toolbar's handle must go with its window";
  ASSERT_EQ(statusWindow, nullptr) << "the status bar's handle must go with its window";
  ASSERT_TRUE(CreateToolbarWindow(frameWindow));
  ASSERT_TRUE(CreateStatusBar(frameWindow));
  LayoutFrame();
}

void SetFrameClientSize(int width, int height) {
  RECT rect{0, 0, width, height};
  AdjustWindowRectEx(&rect, static_cast<DWORD>(GetWindowLongPtrA(frameWindow, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrA(frameWindow, GWL_EXSTYLE)));
  SetWindowPos(frameWindow, nullptr, 0, 0, rect.right - rect.left, rect.bottom - rect.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::string StatusPartText(int part, bool* noBorders) {
  char text[512] = "";
  const LRESULT answer = SendMessageA(statusWindow, SB_GETTEXTLENGTHA, part, 0);
  if (LOWORD(answer) >= sizeof text) return "<too long>";
  const LRESULT got = SendMessageA(statusWindow, SB_GETTEXTA, part, reinterpret_cast<LPARAM>(text));
  if (noBorders) *noBorders = (HIWORD(got) & SBT_NOBORDERS) != 0;
  return text;
}

void BarsTest::SetUp() {
  root_ = "Software\\Orvane\\BarsTests-" + std::to_string(GetCurrentProcessId());
  RegDeleteTreeA(HKEY_CURRENT_USER, root_.c_str());
  SetSettingsRoot(root_.c_str());
  editorState = EditorState();
  saveSettingsCalls = 0;
  activeEdit = nullptr;
  activeDocument = nullptr;
  ASSERT_NE(TestFrame(), nullptr);
  if (IsIconic(frameWindow) || !IsWindowVisible(frameWindow)) ShowWindow(frameWindow, SW_RESTORE);
  SetFrameClientSize(600, 360);
  RecreateBars();
  testsupport::PumpMessages();
}

void BarsTest::TearDown() {
  testsupport::PumpMessages();
  SetSettingsRoot("");
  RegDeleteTreeA(HKEY_CURRENT_USER, root_.c_str());
  RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Orvane");  // only when nothing else lives there
}

TrayRecorder::TrayRecorder(bool answer) : answer_(answer) {
  previous_ = SetTrayNotifier([this](DWORD message, const NOTIFYICONDATAA& data) {
    calls_.push_back({message, data});
    return answer_;
  });
}

TrayRecorder::~TrayRecorder() { SetTrayNotifier(std::move(previous_)); }

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  instanceHandle = GetModuleHandleA(nullptr);
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  FailOnUnexpectedBoxes();
  GuardEditorStateAroundEachTest();
  // No test may reach the real notification area.
  SetTrayNotifier([](DWORD, const NOTIFYICONDATAA&) {
    ADD_FAILURE() << "notification-area call outside a TrayRecorder";
    return false;
  });
  const int result = RUN_ALL_TESTS();
  if (frameWindow) DestroyWindow(frameWindow);
  return result;
}
