// Runs the application's Windows tests in one process: the test program carries Quillet's
// resources, so everything loads from its own module. A box no test expected fails the test.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

#include "AppTestSupport.h"
#include "EditorState.h"
#include "Frame.h"
#include "FrameGlobals.h"
#include "Startup.h"

std::string quilletProgramPath;

std::string TestSettingsRoot() {
  return "Software\\Orvane\\QuilletAppTests-" + std::to_string(GetCurrentProcessId());
}

void RemoveTestSettings() {
  RegDeleteTreeA(HKEY_CURRENT_USER, TestSettingsRoot().c_str());
  RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Orvane");
}

long long ReadTestDword(const char* section, const char* name) {
  DWORD value = 0, size = sizeof value, type = 0;
  const std::string key = TestSettingsRoot() + "\\" + section;
  if (RegGetValueA(HKEY_CURRENT_USER, key.c_str(), name, RRF_RT_ANY, &type, &value, &size) != ERROR_SUCCESS ||
      type != REG_DWORD)
    return -1;
  return value;
}

std::string ReadTestString(const char* section, const char* name) {
  char text[1024] = "";
  DWORD size = sizeof text, type = 0;
  const std::string key = TestSettingsRoot() + "\\" + section;
  if (RegGetValueA(HKEY_CURRENT_USER, key.c_str(), name, RRF_RT_ANY, &type, text, &size) != ERROR_SUCCESS ||
      type != REG_SZ)
    return "<missing>";
  return text;
}

BoxRecorder::BoxRecorder(int defaultAnswer) : defaultAnswer_(defaultAnswer) {
  previous_ = SetMessageBoxAnswerer([this](const MessageBoxRequest& request) {
    boxes_.push_back(request);
    if (answers_.empty()) return defaultAnswer_;
    const int answer = answers_.front();
    answers_.erase(answers_.begin());
    return answer;
  });
}

BoxRecorder::~BoxRecorder() { SetMessageBoxAnswerer(previous_); }

bool DrainQuit() {
  bool quit = false;
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) quit = true;
    else DispatchMessageA(&message);
  }
  return quit;
}

void PumpMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message != WM_QUIT) DispatchMessageA(&message);
  }
}

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], "--quillet=", 10) == 0) quilletProgramPath = argv[i] + 10;
  }
  soundsOn = false;
  SetMessageBoxAnswerer([](const MessageBoxRequest& request) {
    ADD_FAILURE() << "unexpected message box \"" << request.title << "\": " << request.text;
    return kButtonCancel;
  });
  // The same start-up as the program, on a settings root of the tests' own.
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  InitializeProgram(instance);
  ConnectSupportLibrary();
  SetSettingsRoot(TestSettingsRoot().c_str());
  if (!RegisterWindowClasses(instance, true) || !LoadLibraryA("RichEd32.dll")) {
    std::fprintf(stderr, "start-up failed\n");
    return 1;
  }
  const int result = RUN_ALL_TESTS();
  RemoveTestSettings();
  return result;
}
