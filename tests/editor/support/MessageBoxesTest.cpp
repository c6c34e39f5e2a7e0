// The message boxes: what each kind shows and in what order the hooks run, through the answering
// seam, and three for real, answered by keys or a command posted to the dialog from a timer.
// How a pressed button becomes an answer is tested once, in MessageBoxRulesTest.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "editor/support/MessageBoxes.h"
#include "editor/support/WindowPlacement.h"
#include "resources/quillet_ids.h"
#include "tests/editor/support/BoxRecorder.h"

using namespace support;

namespace {

// What the hooks saw, in order: "modal", "sounds", "hint N", and "box" from answerers that note it.
std::vector<std::string> events;
HWND testFrame = nullptr;

class MessageBoxesTest : public testing::Test {
 protected:
  void SetUp() override {
    events.clear();
    testFrame = CreateWindowExA(0, "STATIC", "frame", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                                nullptr, nullptr, nullptr);
    MessageBoxHooks hooks;
    hooks.beforeModal = [] { events.push_back("modal"); };
    hooks.frameWindow = [] { return testFrame; };
    hooks.statusHint = [](unsigned id) { events.push_back("hint " + std::to_string(id)); };
    hooks.soundsOn = [] {
      events.push_back("sounds");
      return false;
    };
    SetMessageBoxHooks(hooks);
  }
  void TearDown() override {
    SetMessageBoxHooks({});
    DestroyWindow(testFrame);
  }
};

}  // namespace

TEST_F(MessageBoxesTest, ErrorBoxesBreakAfterTheRoutineNoticesDoNot) {
  BoxRecorder boxes;
  EXPECT_EQ(ErrorBox(60009, "MakeFontStyle", 6), 0);
  EXPECT_EQ(InfoBox(testFrame, 1000, 60009, "MakeFontStyle", 6), 0);
  ASSERT_EQ(boxes.boxes().size(), 2u);
  const MessageBoxRequest& error = boxes.boxes()[0];
  EXPECT_EQ(error.kind, MessageBoxKind::Error);
  EXPECT_EQ(error.title, "Error");
  EXPECT_EQ(error.owner, testFrame);  // owned by the main frame
  EXPECT_EQ(error.text, "MakeFontStyle(GetDC)\r\rError detected reading screen device context\r\rCode 6");
  const MessageBoxRequest& notice = boxes.boxes()[1];
  EXPECT_EQ(notice.kind, MessageBoxKind::Notice);
  EXPECT_EQ(notice.title, "Quillet");
  EXPECT_EQ(notice.text, "MakeFontStyle(GetDC): Error detected reading screen device context\r\rCode 6");
}

TEST_F(MessageBoxesTest, PercentInAFileNameIsShownNotInterpreted) {
  BoxRecorder boxes;
  const char* name = "c:\\work\\100%s %d %n %%done.txt";
  InfoBox(nullptr, MSG_FILE_IO_TITLE, MSG_FILE_NOT_FOUND, name);
  AskSaveChanges(nullptr, name);
  AskDiscardChanges(nullptr, name);
  ASSERT_EQ(boxes.boxes().size(), 3u);
  const std::string shown = std::string("File: ") + name + "\r\r";
  EXPECT_EQ(boxes.boxes()[0].text, shown + "File not found.");
  EXPECT_EQ(boxes.boxes()[1].text, shown + "This document has been edited.\rDo you want to save the changes?");
  EXPECT_EQ(boxes.boxes()[2].text, shown + "This document has been edited.\rDo you want to discard these changes?");
}

TEST_F(MessageBoxesTest, QuestionsHaveTheirTitlesAndDefaultButtons) {
  BoxRecorder boxes({kButtonYes, kButtonNo, kButtonYes, kButtonYes});
  EXPECT_EQ(YesNoBoxText(testFrame, true, "Replace", "All?"), 1);
  EXPECT_EQ(YesNoBox(testFrame, false, MSG_FILE_IO_TITLE, 60024, "r.txt"), 0);
  EXPECT_EQ(AskSaveChanges(testFrame, "a.txt"), kSaveAnswerYes);
  EXPECT_EQ(AskDiscardChanges(testFrame, "a.txt"), 1);
  const std::vector<MessageBoxRequest>& b = boxes.boxes();
  ASSERT_EQ(b.size(), 4u);
  EXPECT_EQ(b[0].kind, MessageBoxKind::Question);
  EXPECT_EQ(b[0].defaultButton, kButtonYes);
  EXPECT_EQ(b[1].defaultButton, kButtonNo);
  EXPECT_EQ(b[1].title, "File I/O Error");
  EXPECT_EQ(b[2].kind, MessageBoxKind::SaveQuestion);
  EXPECT_EQ(b[2].title, "File Modified");
  EXPECT_EQ(b[2].defaultButton, kButtonYes);
  EXPECT_EQ(b[3].kind, MessageBoxKind::Question);
  EXPECT_EQ(b[3].title, "Discard Changes");
  EXPECT_EQ(b[3].defaultButton, kButtonNo);
}

TEST_F(MessageBoxesTest, EveryBoxClosesTheSplashAndAsksTheSoundsOptionFirst) {
  BoxRecorder boxes;
  SetMessageBoxAnswerer([](const MessageBoxRequest&) {
    events.push_back("box");
    return kButtonCancel;
  });
  ErrorBoxText("e");
  YesNoBoxText(nullptr, true, "t", "q");
  AskDiscardChanges(nullptr, "f");
  ShowSystemStopBox("s", "Error");
  EXPECT_EQ(events, (std::vector<std::string>{"modal", "sounds", "box", "modal", "sounds", "box", "hint 113",
                                              "modal", "sounds", "box", "modal", "box"}));
}

TEST_F(MessageBoxesTest, AMissingTextShowsOnlyGetStringsBox) {
  BoxRecorder boxes;
  EXPECT_EQ(ErrorBox(2990, "x"), 0);
  EXPECT_EQ(InfoBox(nullptr, 2991, MSG_FILE_NOT_FOUND, "x"), 0);  // missing title
  EXPECT_EQ(YesNoBox(nullptr, true, 1000, 2993), 0);               // missing text
  ASSERT_EQ(boxes.boxes().size(), 3u);
  for (const MessageBoxRequest& box : boxes.boxes())
    EXPECT_EQ(box.text.rfind("GetString(LoadString)\r\rCannot load string resource (ID:299", 0), 0u) << box.text;
}

TEST_F(MessageBoxesTest, ABoxThatCannotBeBuiltIsNeverTakenAsDoNotSave) {
  BoxRecorder boxes;
  const MessageBoxRequest save{MessageBoxKind::SaveQuestion, nullptr, "File Modified", "x", kButtonYes};
  EXPECT_EQ(RunMessageBoxTemplate(save, TemplateBlock()), kSaveAnswerCancel);
  EXPECT_TRUE(boxes.boxes().empty());  // nothing was shown to answer
}

// ---- Real dialogs ---------------------------------------------------------------------------

namespace {

struct SeenBox {
  std::string caption, text;
  bool topmost = false, centred = false;
  int defaultId = 0;
  HWND owner = nullptr;
};

// Notes the thread's visible dialog from a timer, then answers it with a key to the focus.
SeenBox seen;
UINT answerKey = 0;
int ticks = 0;

BOOL CALLBACK FindBox(HWND window, LPARAM found) {
  char name[16] = "";
  GetClassNameA(window, name, sizeof name);
  if (std::string(name) != "#32770" || !IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
  HWND box = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindBox, reinterpret_cast<LPARAM>(&box));
  if (!box) return;
  if (++ticks > 500) EndDialog(box, 0);  // never answered: fail instead of hanging
  // Other programs' windows may hold the activation; the box takes keys once it is active.
  if (!answerKey || (!GetFocus() && ticks < 100 && SetForegroundWindow(box) >= 0)) return;
  char text[600] = "";
  GetWindowTextA(box, text, sizeof text);
  seen.caption = text;
  GetDlgItemTextA(box, kMessageTextControl, text, sizeof text);
  seen.text = text;
  seen.topmost = (GetWindowLongPtrA(box, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
  RECT r{};
  GetWindowRect(box, &r);
  const ScreenPoint at = CenteredOrigin(ToScreenBounds(ScreenRect), r.right - r.left, r.bottom - r.top);
  seen.centred = r.left == at.x && r.top == at.y;
  seen.defaultId = LOWORD(SendMessageA(box, DM_GETDEFID, 0, 0));
  seen.owner = GetWindow(box, GW_OWNER);
  const UINT key = answerKey;
  answerKey = 0;
  PostMessageA(GetFocus(), key == VK_RETURN ? WM_KEYDOWN : WM_CHAR, key, 0);
}

// Answers the next real box with a key, on a thread timer.
class BoxDriver {
 public:
  explicit BoxDriver(UINT key) : previous_(SetMessageBoxAnswerer(nullptr)), timer_(SetTimer(nullptr, 0, 20, Tick)) {
    seen = SeenBox();
    answerKey = key;
    ticks = 0;
  }
  ~BoxDriver() {
    KillTimer(nullptr, timer_);
    SetMessageBoxAnswerer(std::move(previous_));
  }

 private:
  MessageBoxAnswerer previous_;
  UINT_PTR timer_;
};

}  // namespace

TEST_F(MessageBoxesTest, RealQuestionWithDefaultNoAnsweredByTheYesMnemonic) {
  ScreenRect = {0, 0, 0, 0};  // the box reads it when it is empty
  BoxDriver driver('y');
  EXPECT_EQ(YesNoBoxText(testFrame, false, "Replace", "Replace all\rof them?"), 1);
  EXPECT_EQ(seen.caption, "Replace");
  EXPECT_EQ(seen.text, "Replace all\rof them?");
  EXPECT_TRUE(seen.topmost);
  EXPECT_TRUE(seen.centred);
  EXPECT_EQ(seen.defaultId, kButtonNo);
  EXPECT_EQ(seen.owner, testFrame);
  EXPECT_FALSE(IsRectEmpty(&ScreenRect));
}

TEST_F(MessageBoxesTest, RealBoxForAnOwnerThatHasGone) {
  // A dead owner would make the dialog fail and the question read as No: it is shown unowned.
  HWND gone = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  DestroyWindow(gone);
  BoxDriver driver(VK_RETURN);
  EXPECT_EQ(YesNoBoxText(gone, true, "t", "q"), 1);  // Enter takes the default, Yes
  EXPECT_EQ(seen.owner, nullptr);
}
