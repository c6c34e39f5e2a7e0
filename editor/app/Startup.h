// Quillet's start-up and message loop, callable from tests; WinMain only calls RunQuillet.
#pragma once

#include <windows.h>

#include <string>

#include "editor/app/core/CommandLine.h"

namespace editor {

// The whole run: hand-over to a running instance, set-up, frame, message loop, clean-up.
// Returns the exit code.
int RunQuillet(HINSTANCE instance, const char* commandLine, int show);

// Start-up step 1: when a frame of "QuilletAppClass" exists, shows it, brings it to the front
// and sends it the command line (WM_COPYDATA tagged with the open-request number). True when a
// running instance took over.
bool HandOverToRunningInstance(const char* commandLine);

// Start-up step 2: common controls, instanceHandle, the program's paths, brushes, ScreenRect.
void InitializeProgram(HINSTANCE instance);

// The settings root, message-box hooks: what every later step relies on.
void ConnectSupportLibrary();

// Registers the classes in their order (splash class only when `withSplash`), each failure
// showing error 60003 with the class's diagnostic name. False on the first failure.
bool RegisterWindowClasses(HINSTANCE instance, bool withSplash);
bool RegisterSplashClassChecked(HINSTANCE instance);

// Parses the command line into editorState; "/setup" opens the options sheet on its Explorer
// page at once, without an owner.
CommandLineRequest ProcessCommandLine(const char* commandLine);

// Runs the message loop until WM_QUIT; returns its code.
int RunMessageLoop();

// The settings root of the editor.
constexpr const char* kSettingsRoot = "Software\\Orvane\\Quillet for Windows 95/NT";

}  // namespace editor
