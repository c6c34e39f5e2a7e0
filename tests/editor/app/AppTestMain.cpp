// Runs the application's Windows tests in one process: the test program carries Quillet's
// resources, so everything loads from its own module. A box no test expected fails the test, and
// every test starts from the editorState the previous one started from.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "editor/app/Startup.h"
#include "editor/support/SettingsStore.h"
#include "tests/editor/app/AppTestSupport.h"
#include "tests/editor/app/EditorStateGuard.h"
#include "tests/editor/support/BoxRecorder.h"

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

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], "--quillet=", 10) == 0) quilletProgramPath = argv[i] + 10;
  }
  FailOnUnexpectedBoxes();
  GuardEditorStateAroundEachTest();
  // The same start-up as the program, on a settings root of the tests' own.
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  editor::InitializeProgram(instance);
  editor::ConnectSupportLibrary();
  support::SetSettingsRoot(TestSettingsRoot().c_str());
  if (!editor::RegisterWindowClasses(instance, true) || !LoadLibraryA("RichEd32.dll")) {
    std::fprintf(stderr, "start-up failed\n");
    return 1;
  }
  const int result = RUN_ALL_TESTS();
  RemoveTestSettings();
  return result;
}
