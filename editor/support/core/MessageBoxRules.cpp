#include "editor/support/core/MessageBoxRules.h"

namespace support {

int AnswerFromButton(MessageBoxKind kind, int buttonId) {
  switch (kind) {
    case MessageBoxKind::Question:
      return buttonId == kButtonYes ? 1 : 0;
    case MessageBoxKind::SaveQuestion:
      if (buttonId == kButtonYes) return kSaveAnswerYes;
      if (buttonId == kButtonNo) return kSaveAnswerNo;
      return kSaveAnswerCancel;
    case MessageBoxKind::Error:
    case MessageBoxKind::Notice:
    case MessageBoxKind::SystemError:
      break;
  }
  return 0;
}

int MessageBoxIconId(MessageBoxKind kind) {
  switch (kind) {
    case MessageBoxKind::Error:
      return 5500;
    case MessageBoxKind::Notice:
      return 5300;
    case MessageBoxKind::Question:
      return 5400;
    case MessageBoxKind::SaveQuestion:
      return 1002;
    case MessageBoxKind::SystemError:
      break;
  }
  return 0;
}

std::string BreakAfterRoutineName(std::string text) {
  const std::string::size_type at = text.find("): ");
  if (at != std::string::npos) text.replace(at + 1, 2, "\r\r");
  return text;
}

}  // namespace support
