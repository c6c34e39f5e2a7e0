// Start-up of Quillet, in order, and its message loop.
#include "editor/app/Startup.h"

#include <commctrl.h>

#include "common/win32/Handles.h"
#include "editor/app/DocumentSlots.h"
#include "editor/app/Documents.h"
#include "editor/app/EditorState.h"
#include "editor/app/FileLists.h"
#include "editor/app/Frame.h"
#include "editor/app/FrameGlobals.h"
#include "editor/app/Printing.h"
#include "editor/app/Splash.h"
#include "editor/app/StatusBar.h"
#include "editor/app/TextCommands.h"
#include "editor/app/ToolWindows.h"
#include "editor/app/Tools.h"
#include "editor/app/core/SettingsRules.h"
#include "editor/support/EditorSupport.h"
#include "resources/quillet_ids.h"

namespace editor {

using namespace support;  // the support library serves the whole application

namespace {

constexpr const char* kRichEditLibrary = "RichEd32.dll";

HWND CurrentFrame() { return frameWindow; }
// The boxes beep by the option itself: there is no second copy of it to keep in step.
bool SoundsOption() { return editorState.Sounds != 0; }

bool RegisterChecked(bool registered, const char* diagnosticName) {
  if (registered) return true;
  ErrorBox(MSG_CLASS_FAILED, diagnosticName, static_cast<int>(GetLastError()));
  return false;
}

// The two tool-window classes: the error-code window and the character chart.
bool RegisterToolWindowClass(HINSTANCE instance, const char* name, UINT style, int icon, WNDPROC procedure) {
  WNDCLASSA windowClass = {};
  windowClass.style = style;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(icon));
  windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  windowClass.lpszClassName = name;
  return RegisterClassA(&windowClass) != 0;
}

void CleanUp() {
  DeleteFrameBrushes();
  displayFont.reset();
  FreePrintDialogRecord();
}

}  // namespace

bool HandOverToRunningInstance(const char* commandLine) {
  HWND running = FindWindowA(kFrameClassName, nullptr);
  if (!running) return false;
  // Shown as the user left it: a minimised (or tray-hidden) frame is restored, a maximised one
  // stays maximised.
  ShowWindow(running, IsIconic(running) ? SW_RESTORE : SW_SHOW);
  SetForegroundWindow(running);
  const std::string text = commandLine ? std::string(commandLine).substr(0, kMaxCommandLineText) : std::string();
  if (!text.empty()) {
    COPYDATASTRUCT data = {};
    data.dwData = kOpenRequestMessage;
    data.cbData = static_cast<DWORD>(text.size() + 1);
    data.lpData = const_cast<char*>(text.c_str());
    SendMessageA(running, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
  }
  return true;
}

void InitializeProgram(HINSTANCE instance) {
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  instanceHandle = instance;
  char module[MAX_PATH] = "";
  const DWORD length = GetModuleFileNameA(instance, module, sizeof module);
  if (length == 0 || length >= sizeof module) module[0] = '\0';
  const ProgramPaths paths = ComputeProgramPaths(module);
  lstrcpynA(iniPath, paths.ini.c_str(), sizeof iniPath);
  lstrcpynA(helpPath, paths.help.c_str(), sizeof helpPath);
  lstrcpynA(logPath, paths.log.c_str(), sizeof logPath);
  CreateFrameBrushes();
  ReadScreenRect();
}

void ConnectSupportLibrary() {
  SetSettingsRoot(kSettingsRoot);
  MessageBoxHooks hooks;
  hooks.beforeModal = CloseSplashWindow;
  hooks.frameWindow = CurrentFrame;
  hooks.statusHint = ShowStatusHint;
  hooks.soundsOn = SoundsOption;
  SetMessageBoxHooks(hooks);
}

bool RegisterSplashClassChecked(HINSTANCE instance) {
  return RegisterChecked(RegisterSplashClass(instance), "SplashBox");
}

bool RegisterWindowClasses(HINSTANCE instance, bool withSplash) {
  if (withSplash && !RegisterSplashClassChecked(instance)) return false;
  return RegisterChecked(RegisterToolWindowClass(instance, kErrorCodesClass, CS_HREDRAW | CS_VREDRAW, IDI_ERROR_CODES,
                                                 ErrorCodesProc),
                         kErrorCodesClass) &&
         RegisterChecked(RegisterToolWindowClass(instance, kCharacterChartClass, 0, IDI_CHARACTER_CHART, CharacterChartProc),
                         kCharacterChartClass) &&
         RegisterChecked(RegisterFrameClass(instance), kFrameClassName) &&
         RegisterChecked(RegisterDocumentClass(instance), "MDI Child");
}

CommandLineRequest ProcessCommandLine(const char* commandLine) {
  const CommandLineRequest request = ParseCommandLine(commandLine ? commandLine : "");
  ApplyCommandLine(request, editorState);
  if (request.kind == CommandLineKind::Setup) RunOptionsSheet(nullptr, kExplorerPage);
  return request;
}

int RunMessageLoop() {
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (findDialog && IsDialogMessageA(findDialog, &message)) continue;
    if (mdiClient && TranslateMDISysAccel(mdiClient, &message)) continue;
    if (acceleratorTable && frameWindow && TranslateAcceleratorA(frameWindow, acceleratorTable, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return message.message == WM_QUIT ? static_cast<int>(message.wParam) : 0;
}

int RunQuillet(HINSTANCE instance, const char* commandLine, int show) {
  if (HandOverToRunningInstance(commandLine)) return 0;
  InitializeProgram(instance);
  ConnectSupportLibrary();
  acceleratorTable = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_MAINFRAME));
  if (!acceleratorTable) {
    ErrorBox(MSG_ACCELERATORS_FAILED, static_cast<int>(GetLastError()));
    CleanUp();
    return 0;
  }
  // The splash option is read on its own: the other settings come after the classes.
  const bool splash = ReadSettingBool("Options", "Splash", 1) != 0;
  // The splash class is registered in any case: About shows the same window.
  if (!RegisterSplashClassChecked(instance)) {
    CleanUp();
    return 0;
  }
  if (splash) ShowSplashWindow(SplashMode::StartUp);
  if (!RegisterWindowClasses(instance, false)) {
    CleanUp();
    return 0;
  }
  win32::UniqueLibrary richEdit(LoadLibraryA(kRichEditLibrary));
  if (!richEdit) {
    ErrorBox(MSG_LIBRARY_FAILED, kRichEditLibrary, static_cast<int>(GetLastError()));
    CleanUp();
    return 0;
  }
  LoadSettings();
  InstallDocumentServices();
  InstallFileListServices();
  InstallToolWindowServices();
  InstallTextServices();
  InstallToolAndMacroServices();
  InstallPrintingServices();
  ProcessCommandLine(commandLine);
  if (!CreateFrameWindow(show)) {
    CloseSplashWindow();
    CleanUp();
    return 0;
  }
  CloseSplashWindow();
  const int exitCode = RunMessageLoop();
  SaveSettings();
  CleanUp();
  return exitCode;
}

}  // namespace editor
