// Gives every test the editorState it started with, whatever the test did or where it failed,
// so that no test sees what an earlier one left behind.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "editor/app/EditorState.h"

class EditorStateGuard : public testing::EmptyTestEventListener {
 public:
  void OnTestStart(const testing::TestInfo&) override { saved_ = std::make_unique<editor::EditorState>(editor::editorState); }
  // The saved copy's references point at the live record, so a plain copy puts them back too.
  void OnTestEnd(const testing::TestInfo&) override {
    if (saved_) editor::editorState = *saved_;
    saved_.reset();
  }

 private:
  std::unique_ptr<editor::EditorState> saved_;
};

// Installs the guard around every test of the program.
inline void GuardEditorStateAroundEachTest() {
  testing::UnitTest::GetInstance()->listeners().Append(new EditorStateGuard);
}
