// Answers the message boxes through the library's seam and keeps what each box would have shown.
// Shared by the support library's and the application's tests.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "editor/support/MessageBoxes.h"

class BoxRecorder {
 public:
  // Each box gets the next answer; when they run out, OK for notices and errors, Cancel else.
  explicit BoxRecorder(std::vector<int> answers = {}) : answers_(std::move(answers)) {
    previous_ = support::SetMessageBoxAnswerer([this](const support::MessageBoxRequest& request) {
      boxes_.push_back(request);
      if (next_ < answers_.size()) return answers_[next_++];
      return request.kind == support::MessageBoxKind::Error || request.kind == support::MessageBoxKind::Notice
                 ? support::kButtonOk
                 : support::kButtonCancel;
    });
  }
  BoxRecorder(const BoxRecorder&) = delete;
  BoxRecorder& operator=(const BoxRecorder&) = delete;
  ~BoxRecorder() { support::SetMessageBoxAnswerer(std::move(previous_)); }

  const std::vector<support::MessageBoxRequest>& boxes() const { return boxes_; }
  const support::MessageBoxRequest& only() const {
    EXPECT_EQ(boxes_.size(), 1u);
    static const support::MessageBoxRequest none{support::MessageBoxKind::SystemError, nullptr, "", "", 0};
    return boxes_.empty() ? none : boxes_.front();
  }

 private:
  std::vector<int> answers_;
  std::size_t next_ = 0;
  std::vector<support::MessageBoxRequest> boxes_;
  support::MessageBoxAnswerer previous_;
};

// A box no test expected fails the test that caused it (answered Cancel, so nothing waits).
inline void FailOnUnexpectedBoxes() {
  support::SetMessageBoxAnswerer([](const support::MessageBoxRequest& request) {
    ADD_FAILURE() << "unexpected message box \"" << request.title << "\": " << request.text;
    return support::kButtonCancel;
  });
}
