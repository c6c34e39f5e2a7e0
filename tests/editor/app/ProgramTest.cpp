// The real Quillet.exe, started the way a user starts it, on the real settings root of this
// (test) Wine prefix: the root is removed before and after, so the run leaves nothing behind.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "editor/app/Frame.h"
#include "editor/app/Startup.h"
#include "tests/editor/app/AppTestSupport.h"

using namespace editor;

namespace {

// A running Quillet.exe; ended when the wrapper goes if it is still running.
class QuilletProcess {
 public:
  explicit QuilletProcess(const std::string& arguments) {
    std::string commandLine = "\"" + ProgramPath() + "\"";
    if (!arguments.empty()) commandLine += " " + arguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    started_ = CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                              &info_) != FALSE;
  }
  ~QuilletProcess() {
    if (!started_) return;
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(info_.hProcess, 1);
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
  }
  QuilletProcess(const QuilletProcess&) = delete;
  QuilletProcess& operator=(const QuilletProcess&) = delete;

  bool started() const { return started_; }
  // The process's frame, once it has one (bounded wait; no timing is asserted).
  HWND WaitForFrame() const {
    for (int i = 0; i < 600; ++i) {
      for (HWND frame = FindWindowExA(nullptr, nullptr, kFrameClassName, nullptr); frame;
           frame = FindWindowExA(nullptr, frame, kFrameClassName, nullptr)) {
        DWORD process = 0;
        GetWindowThreadProcessId(frame, &process);
        if (process == info_.dwProcessId && IsWindowVisible(frame)) return frame;
      }
      if (WaitForSingleObject(info_.hProcess, 100) == WAIT_OBJECT_0) return nullptr;
    }
    return nullptr;
  }
  // The exit code once the process has ended, or -1 when it does not end.
  long WaitForExit() const {
    if (WaitForSingleObject(info_.hProcess, 60000) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return static_cast<long>(code);
  }

  // The build's path of the program as Wine sees it.
  static std::string ProgramPath() {
    std::string path = quilletProgramPath;
    if (!path.empty() && path[0] == '/') {
      for (char& c : path) c = c == '/' ? '\\' : c;
      path = "Z:" + path;
    }
    return path;
  }

 private:
  bool started_ = false;
  PROCESS_INFORMATION info_ = {};
};

DWORD ReadRootDword(const char* section, const char* name) {
  DWORD value = 0xFFFFFFFF, size = sizeof value;
  const std::string key = std::string(kSettingsRoot) + "\\" + section;
  RegGetValueA(HKEY_CURRENT_USER, key.c_str(), name, RRF_RT_REG_DWORD, nullptr, &value, &size);
  return value;
}

void WriteRootDword(const char* section, const char* name, DWORD value) {
  const std::string key = std::string(kSettingsRoot) + "\\" + section;
  RegSetKeyValueA(HKEY_CURRENT_USER, key.c_str(), name, REG_DWORD, &value, sizeof value);
}

class ProgramTest : public testing::Test {
 protected:
  void SetUp() override {
    if (quilletProgramPath.empty()) GTEST_SKIP() << "no --quillet=<path of Quillet.exe>";
    // The program takes the frame of this process for a running instance.
    ASSERT_EQ(FindWindowA(kFrameClassName, nullptr), nullptr);
    RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsRoot);
  }
  void TearDown() override {
    RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsRoot);
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Orvane");
  }
};

TEST_F(ProgramTest, FirstStartSecondInstanceCloseAndRestart) {
  RECT screen;
  GetClientRect(GetDesktopWindow(), &screen);
  {
    QuilletProcess first("");
    ASSERT_TRUE(first.started()) << QuilletProcess::ProgramPath();
    HWND frame = first.WaitForFrame();
    ASSERT_NE(frame, nullptr);

    // First start: settings written at once, frame 640 x 400 in the middle of the screen.
    EXPECT_EQ(ReadRootDword("DeskTop\\Window", "Width"), 640u);
    EXPECT_EQ(ReadRootDword("DeskTop\\Window", "Height"), 400u);
    RECT rect;
    GetWindowRect(frame, &rect);
    EXPECT_EQ(rect.left, (screen.right - 640) / 2);
    EXPECT_EQ(rect.top, (screen.bottom - 400) / 2);
    EXPECT_EQ(rect.right - rect.left, 640);
    EXPECT_EQ(rect.bottom - rect.top, 400);

    // A second instance hands its command line over, the first opens the file in a document,
    // and the second ends with code 0.
    char temp[MAX_PATH] = "";
    GetTempPathA(sizeof temp, temp);
    const std::string handed = std::string(temp) + "quillet handed over.txt";
    std::ofstream(handed) << "text";
    QuilletProcess second("\"" + handed + "\"");
    ASSERT_TRUE(second.started());
    EXPECT_EQ(second.WaitForExit(), 0);
    EXPECT_TRUE(IsWindow(frame));
    EXPECT_NE(FindWindowExA(FindWindowExA(frame, nullptr, "MDIClient", nullptr), nullptr, nullptr, handed.c_str()),
              nullptr);

    // Closing writes the settings again.
    const std::string options = std::string(kSettingsRoot) + "\\Options";
    RegDeleteKeyValueA(HKEY_CURRENT_USER, options.c_str(), "Tabs");
    ASSERT_EQ(ReadRootDword("Options", "Tabs"), 0xFFFFFFFFu);
    PostMessageA(frame, WM_CLOSE, 0, 0);
    EXPECT_EQ(first.WaitForExit(), 0);
    EXPECT_EQ(ReadRootDword("Options", "Tabs"), 4u);
    DeleteFileA(handed.c_str());
  }
  {
    // A later start finds the stored placement.
    WriteRootDword("DeskTop\\Window", "Left", 100);
    WriteRootDword("DeskTop\\Window", "Top", 80);
    WriteRootDword("DeskTop\\Window", "Width", 500);
    WriteRootDword("DeskTop\\Window", "Height", 350);
    QuilletProcess again("");
    HWND frame = again.WaitForFrame();
    ASSERT_NE(frame, nullptr);
    RECT rect;
    GetWindowRect(frame, &rect);
    EXPECT_EQ(rect.left, 100);
    EXPECT_EQ(rect.top, 80);
    EXPECT_EQ(rect.right - rect.left, 500);
    EXPECT_EQ(rect.bottom - rect.top, 350);
    PostMessageA(frame, WM_CLOSE, 0, 0);
    EXPECT_EQ(again.WaitForExit(), 0);
  }
}

}  // namespace
