// The Open dialog's filter list from the nine file filters of editorState.
#pragma once

#include <string>

namespace editor {

// The filters joined in the system's form with "All Files" at the end; when every slot is empty,
// the text of `fallbackStringId` instead. Empty when there is nothing to offer (the fallback
// text missing too).
std::string BuildOpenFilter(unsigned fallbackStringId);

}  // namespace editor
