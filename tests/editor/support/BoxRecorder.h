// Answers the message boxes through the library's seam and keeps what each box would have shown.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "MessageBoxes.h"

class BoxRecorder {
 public:
  // Each box gets the next answer; when they run out, OK for notices and errors, Cancel else.
  explicit BoxRecorder(std::vector<int> answers = {}) : answers_(std::move(answers)) {
    previous_ = SetMessageBoxAnswerer([this](const MessageBoxRequest& request) {
      boxes_.push_back(request);
      if (next_ < answers_.size()) return answers_[next_++];
      return request.kind == MessageBoxKind::Error || request.kind == MessageBoxKind::Notice
                 ? kButtonOk
                 : kButtonCancel;
    });
  }
  BoxRecorder(const BoxRecorder&) = delete;
  BoxRecorder& operator=(const BoxRecorder&) = delete;
  ~BoxRecorder() { SetMessageBoxAnswerer(std::move(previous_)); }

  const std::vector<MessageBoxRequest>& boxes() const { return boxes_; }
  const MessageBoxRequest& only() const {
    EXPECT_EQ(boxes_.size(), 1u);
    static const MessageBoxRequest none{MessageBoxKind::SystemError, nullptr, "", "", 0};
    return boxes_.empty() ? none : boxes_.front();
  }

 private:
  std::vector<int> answers_;
  std::size_t next_ = 0;
  std::vector<MessageBoxRequest> boxes_;
  MessageBoxAnswerer previous_;
};
