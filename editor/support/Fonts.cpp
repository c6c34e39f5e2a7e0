#include "editor/support/Fonts.h"

#include "common/win32/Handles.h"
#include "editor/support/MessageBoxes.h"

namespace support {

namespace {

constexpr unsigned kProgramNameId = 1000;
constexpr unsigned kCannotCreateFontId = 60001;  // "(CreateFontIndirect): Cannot create %s %d pt. font..."
constexpr unsigned kNoScreenDcId = 60009;        // "%s(GetDC): Error detected reading screen device context..."

struct FirstFont {
  LOGFONTA font{};
  bool found = false;
};

int CALLBACK TakeFirstFont(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM data) {
  auto* first = reinterpret_cast<FirstFont*>(data);
  first->font = *font;
  first->found = true;
  return 0;  // the first one is enough
}

}  // namespace

HFONT MakeFontStyle(HWND owner, const char* faceName, int points, bool bold, bool italic) {
  if (!faceName || !*faceName) return nullptr;
  FirstFont first;
  int pixelsPerInch = 0;
  {
    win32::WindowDc screen(nullptr);
    if (!screen.get()) {
      InfoBox(owner, kProgramNameId, kNoScreenDcId, "MakeFontStyle", GetLastError());
      return nullptr;
    }
    EnumFontFamiliesA(screen.get(), faceName, reinterpret_cast<FONTENUMPROCA>(TakeFirstFont),
                      reinterpret_cast<LPARAM>(&first));
    pixelsPerInch = GetDeviceCaps(screen.get(), LOGPIXELSY);
  }
  if (!first.found) return nullptr;
  LOGFONTA font = first.font;
  font.lfHeight = -MulDiv(points, pixelsPerInch, 72);
  font.lfWidth = 0;
  font.lfItalic = italic ? TRUE : FALSE;
  font.lfUnderline = FALSE;
  font.lfStrikeOut = FALSE;
  font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  HFONT made = CreateFontIndirectA(&font);
  if (!made) InfoBox(owner, kProgramNameId, kCannotCreateFontId, faceName, points, GetLastError());
  return made;
}

HFONT MakeFont(HWND owner, const char* faceName, int points) { return MakeFontStyle(owner, faceName, points, false, false); }

}  // namespace support
