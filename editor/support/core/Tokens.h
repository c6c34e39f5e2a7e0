// Splitting a text into tokens by the C library's strtok rules, without strtok's one hidden
// position shared by every caller. Portable: no windows.h.
#pragma once

namespace support {

// The next token of `text`, or of the text a previous call started when `text` is null:
// leading delimiters are skipped, the token ends at the next delimiter, which is overwritten
// with a terminator. Null when no token is left. `position` carries the place between calls.
char* NextToken(char* text, const char* delimiters, char*& position);

// The same with one remembered position of its own, as strtok keeps it.
char* NextToken(char* text, const char* delimiters);

}  // namespace support
