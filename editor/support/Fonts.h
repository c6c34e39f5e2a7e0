// Fonts made by face name and point size on the screen's resolution.
#pragma once

#include <windows.h>

namespace support {

// A font of the installed face `faceName` (its first font as the system lists the family) at
// `points` on the screen, bold (weight 700) or not (400), italic or not, never underlined or
// struck out. The caller deletes it. Null without a message when the face is not installed;
// null after a notice box (title 1000, owned by `owner`) when the screen's device context or the
// font cannot be had.
HFONT MakeFontStyle(HWND owner, const char* faceName, int points, bool bold, bool italic);
// MakeFontStyle neither bold nor italic.
HFONT MakeFont(HWND owner, const char* faceName, int points);

}  // namespace support
