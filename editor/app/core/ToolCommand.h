// The argument text a user tool is started with: its own command text, one blank, and the
// command tail (the active document's file name, or nothing).
#pragma once

#include <string>

namespace editor {

// "<command> <tail>". A tail holding a blank or a tab is put in double quotes so that the
// program receives the file name as one argument; any other tail is passed as it is.
std::string BuildToolArguments(const char* command, const std::string& tail);

// Macro text with its line breaks in the form documents keep them: every "\r\n", lone "\n" and
// lone "\r" becomes "\r\n".
std::string MacroTextWithLineBreaks(const char* text);

}  // namespace editor
