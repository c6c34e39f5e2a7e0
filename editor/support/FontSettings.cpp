#include "editor/support/FontSettings.h"

#include <cstdint>

#include "editor/support/SettingsStore.h"
#include "editor/support/core/StoredValue.h"

namespace support {

COLORREF displayFontColour = 0;
COLORREF printerFontColour = 0;

namespace {

// One stored field of LOGFONT: either a LONG or a BYTE member.
struct FontField {
  const char* name;
  std::int32_t defaultValue;
  LONG LOGFONTA::*longField;
  BYTE LOGFONTA::*byteField;
};

// clang-format off
const FontField kFontFields[] = {
  {"Height",        -10, &LOGFONTA::lfHeight,      nullptr},
  {"Width",           0, &LOGFONTA::lfWidth,       nullptr},
  {"Escapement",      0, &LOGFONTA::lfEscapement,  nullptr},
  {"Orientation",     0, &LOGFONTA::lfOrientation, nullptr},
  {"Weight",        400, &LOGFONTA::lfWeight,      nullptr},
  {"Italic",          0, nullptr, &LOGFONTA::lfItalic},
  {"Underline",       0, nullptr, &LOGFONTA::lfUnderline},
  {"StrikeOut",       0, nullptr, &LOGFONTA::lfStrikeOut},
  {"CharSet",         0, nullptr, &LOGFONTA::lfCharSet},
  {"OutPrecision",    1, nullptr, &LOGFONTA::lfOutPrecision},
  {"ClipPrecision",   2, nullptr, &LOGFONTA::lfClipPrecision},
  {"Quality",         1, nullptr, &LOGFONTA::lfQuality},
  {"PitchFamily",    34, nullptr, &LOGFONTA::lfPitchAndFamily},
};
// clang-format on

const char* SectionOf(FontRecord which) {
  return which == FontRecord::Printer ? "Font\\Printer" : "Font\\Display";
}

COLORREF& ColourOf(FontRecord which) {
  return which == FontRecord::Printer ? printerFontColour : displayFontColour;
}

}  // namespace

int LoadFontSettings(FontRecord which, LOGFONTA* font) {
  if (!font) return 0;
  const char* section = SectionOf(which);
  ReadSettingString(section, "FaceName", "MS Sans Serif", font->lfFaceName, LF_FACESIZE);
  for (const FontField& field : kFontFields) {
    const std::uint32_t value = ReadSettingInt(section, field.name, static_cast<std::uint32_t>(field.defaultValue));
    if (field.longField) {
      font->*field.longField = static_cast<LONG>(static_cast<std::int32_t>(value));
    } else {
      font->*field.byteField = LowByte(value);
    }
  }
  ColourOf(which) = ReadSettingInt(section, "Colour", 0);
  return 1;
}

int SaveFontSettings(FontRecord which, const LOGFONTA* font) {
  if (!font) return 0;
  const char* section = SectionOf(which);
  // The face name field need not be terminated: never read past it.
  char face[LF_FACESIZE + 1] = {};
  for (int i = 0; i < LF_FACESIZE && font->lfFaceName[i]; ++i) face[i] = font->lfFaceName[i];
  WriteSettingString(section, "FaceName", face);
  for (const FontField& field : kFontFields) {
    const std::uint32_t value = field.longField
                                    ? static_cast<std::uint32_t>(font->*field.longField)
                                    : static_cast<std::uint32_t>(font->*field.byteField);
    WriteSettingInt(section, field.name, value);
  }
  WriteSettingInt(section, "Colour", ColourOf(which));
  return 1;
}

}  // namespace support
