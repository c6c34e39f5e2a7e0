// The answers the boxes report, and the error boxes' first-line rule.
#include <gtest/gtest.h>

#include "editor/support/core/MessageBoxRules.h"

using namespace support;

TEST(MessageBoxRules, ABoxNotShownNeverMeansDoNotSave) {
  // 0 is what a dialog that could not be made returns, -1 what a failed one returns.
  for (int notShown : {0, -1, 12345}) {
    EXPECT_EQ(AnswerFromButton(MessageBoxKind::SaveQuestion, notShown), kSaveAnswerCancel);
    EXPECT_EQ(AnswerFromButton(MessageBoxKind::Question, notShown), 0);
  }
  EXPECT_EQ(AnswerFromButton(MessageBoxKind::Question, kButtonCancel), 0);  // Esc is No
  EXPECT_EQ(AnswerFromButton(MessageBoxKind::Error, kButtonOk), 0);
}

TEST(MessageBoxRules, RoutineAndCallStandOnTheirOwnLine) {
  EXPECT_EQ(BreakAfterRoutineName("MakeFontStyle(GetDC): Error detected\r\rCode 6"),
            "MakeFontStyle(GetDC)\r\rError detected\r\rCode 6");
  EXPECT_EQ(BreakAfterRoutineName("a(b): c(d): e"), "a(b)\r\rc(d): e");  // the first only
  EXPECT_EQ(BreakAfterRoutineName("File: x\r\rFile not found."), "File: x\r\rFile not found.");
}
