// Line-end conventions of text files. In memory a document always uses carriage return + line
// feed; on disk it keeps the convention it was read with. Portable: no windows.h.
#pragma once

#include <string>
#include <string_view>

namespace editor {

// A document's line-end convention (its documentType slot).
enum DocumentType : int { kWindowsLineEnds = 0, kMacintoshLineEnds = 1, kUnixLineEnds = 2 };

// The convention of a text as read: Windows when it is empty or holds a CR+LF pair, else
// Macintosh when it holds a CR, else Unix when it holds an LF, else Windows.
int DetectLineEnds(std::string_view text);

// To memory line ends in one pass: Macintosh writes every CR as CR+LF, Unix every LF as CR+LF;
// Windows (and any other value) leaves the text alone. The text grows in place; when it cannot
// grow std::bad_alloc leaves it unchanged.
void ToMemoryLineEnds(std::string& text, int documentType);

// Back to disk line ends in one pass, undoing exactly what ToMemoryLineEnds did: Macintosh drops
// the LF of each CR+LF pair, Unix the CR of each pair; a lone CR or LF stays. Never allocates.
void ToDiskLineEnds(std::string& text, int documentType);

}  // namespace editor
