#include "editor/app/core/TimeStamp.h"

namespace editor {

namespace {

std::string Stamp(bool showDate, bool showTime, const EditorState& state,
                  const support::IntlSettings& intl, const std::tm& now) {
  const std::string date = showDate ? support::FormatDateText(intl, now, state.LongDate != 0) : "";
  const std::string time = showTime ? support::FormatTimeText(intl, now) : "";
  if (showDate && showTime) return state.DateFirst ? date + "  " + time : time + "  " + date;
  return showDate ? date : time;
}

}  // namespace

std::string MakeTimeStamp(const EditorState& state, const support::IntlSettings& intl, const std::tm& now) {
  return Stamp(state.ShowDate != 0, state.ShowTime != 0, state, intl, now);
}

std::string TimeStampSample(const EditorState& state, const support::IntlSettings& intl, const std::tm& now) {
  const bool neither = !state.ShowDate && !state.ShowTime;
  return Stamp(neither || state.ShowDate, neither || state.ShowTime, state, intl, now);
}

}  // namespace editor
