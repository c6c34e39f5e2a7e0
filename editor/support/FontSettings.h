// The display and printer fonts kept in the settings: a LOGFONT field by field under
// "Font\Display" or "Font\Printer", plus the text colour of each.
#pragma once

#include <windows.h>

namespace support {

enum class FontRecord { Display, Printer };

// The text colours that go with the two fonts; loaded and saved with them.
extern COLORREF displayFontColour;
extern COLORREF printerFontColour;

// Fills `font` from the record's section (defaults: "MS Sans Serif", height -10, weight 400,
// output precision 1, clipping precision 2, quality 1, pitch and family 34, the rest 0) and sets
// the matching colour (default 0). Byte fields keep their low 8 bits. 0 when `font` is null.
int LoadFontSettings(FontRecord which, LOGFONTA* font);

// Writes the fifteen values ("FaceName", "Height", "Width", "Escapement", "Orientation",
// "Weight", "Italic", "Underline", "StrikeOut", "CharSet", "OutPrecision", "ClipPrecision",
// "Quality", "PitchFamily", "Colour") in that order. 0 when `font` is null.
int SaveFontSettings(FontRecord which, const LOGFONTA* font);

}  // namespace support
