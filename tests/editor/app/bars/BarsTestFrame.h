// A plain frame of the tests' own with an MDI client, the toolbar and the status bar, made once
// for the whole test program (destroying a shown top-level window is slow under Wine), and the
// helpers the bar tests share.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/app/TrayIcon.h"

// SaveSettings of the test program only counts its calls.
extern int saveSettingsCalls;
extern int chartTopmostRequest;   // the last flag Always on Top gave the character chart, -1 none
extern int errorsTopmostRequest;  // the same for the error-code window

// The frame (frameWindow) with its bars, made on first use.
HWND TestFrame();
// Destroys the toolbar and the status bar and makes them again from editorState and the
// settings, as a restart would; then lays the frame out.
void RecreateBars();
// Gives the frame this client size, laying it out through its WM_SIZE.
void SetFrameClientSize(int width, int height);

// The status bar's text of a part, and whether it is drawn without borders.
std::string StatusPartText(int part, bool* noBorders = nullptr);

// A settings root of the test's own, removed before and after, a fresh editorState and fresh
// bars: each test starts as a first start of the program.
class BarsTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  std::string root_;
};

// Records the notification-area calls instead of the shell; answers with `answer`.
class TrayRecorder {
 public:
  struct Call {
    DWORD message;
    NOTIFYICONDATAA data;
  };
  explicit TrayRecorder(bool answer = true);
  TrayRecorder(const TrayRecorder&) = delete;
  TrayRecorder& operator=(const TrayRecorder&) = delete;
  ~TrayRecorder();

  const std::vector<Call>& calls() const { return calls_; }
  void clear() { calls_.clear(); }
  void set_answer(bool answer) { answer_ = answer; }

 private:
  std::vector<Call> calls_;
  bool answer_;
  editor::TrayNotifier previous_;
};
