// Shared by the application's Windows tests: a private settings root, the box recorder, the
// frame the frame tests share, and draining the quit messages ShutDown posts.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EditorSupport.h"

// Path of Quillet.exe for the end-to-end test (given as --quillet=...).
extern std::string quilletProgramPath;

// The private settings root of this test process under HKEY_CURRENT_USER.
std::string TestSettingsRoot();
// Removes the private root (and "Software\Orvane" when nothing else lives there).
void RemoveTestSettings();
// A raw 32-bit value or text from the private root; -1 or "<missing>" when absent.
long long ReadTestDword(const char* section, const char* name);
std::string ReadTestString(const char* section, const char* name);

// Records every message box and answers it from a queue of answers (the default for an empty
// queue is given). Restores the previous answerer when it goes.
class BoxRecorder {
 public:
  explicit BoxRecorder(int defaultAnswer = kButtonOk);
  ~BoxRecorder();
  BoxRecorder(const BoxRecorder&) = delete;
  BoxRecorder& operator=(const BoxRecorder&) = delete;
  void Answer(std::vector<int> answers) { answers_ = std::move(answers); }
  const std::vector<MessageBoxRequest>& boxes() const { return boxes_; }

 private:
  std::vector<MessageBoxRequest> boxes_;
  std::vector<int> answers_;
  int defaultAnswer_;
  MessageBoxAnswerer previous_;
};

// Removes WM_QUIT (and anything else) waiting in this thread's queue; true when a quit was there.
bool DrainQuit();
// Dispatches what is waiting in this thread's queue (posted size messages and the like).
void PumpMessages();
