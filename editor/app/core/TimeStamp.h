// The date and time stamp that Insert Date puts into a document, and the sample the Time Stamp
// page shows. Portable: the Windows side reads the regional settings and the clock once and
// passes both, so the date and the time of one stamp belong to the same moment.
#pragma once

#include <ctime>
#include <string>

#include "editor/app/core/EditorStateRecord.h"
#include "editor/support/core/IntlFormat.h"

namespace editor {

// Date and time by `ShowDate`, `LongDate`, `ShowTime` and `DateFirst`, two blanks between them;
// empty when neither is shown.
std::string MakeTimeStamp(const EditorState& state, const support::IntlSettings& intl, const std::tm& now);

// The Time Stamp page's sample: the stamp, or both parts in the chosen order when the options
// show neither.
std::string TimeStampSample(const EditorState& state, const support::IntlSettings& intl, const std::tm& now);

}  // namespace editor
