// The Version page, last page of the options sheet: the program's name, copyright, description,
// version and distribution notice from its own version resource, and a button to the maker's
// web site.
#pragma once

#include <windows.h>

#include "editor/app/OptionsSheet.h"
#include "editor/support/DialogTemplate.h"

namespace editor {

// The maker's web address, on the page's button and opened by it.
constexpr const char* kMakerWebAddress = "https://www.orvane.example/";

// One text of the page: its version-resource key, the text found, and the string that stands in
// when the resource does not answer (id 0: `fallbackText`).
struct VersionField {
  const char* key;
  char text[256];
  unsigned fallbackId;
  const char* fallbackText;
};

// Status hint, the five texts for the user's language, the sheet at its stored place. 1, or 0
// when the program has no readable version resource (fields empty, sheet not moved).
int VersionPageInit(HWND page, support::PlacementRecord* position);
// The five texts as `language` finds them in the resource (code page 1252, then 1200), string
// resources standing in for the ones it does not find. False without a readable resource.
bool FillVersionFields(HWND page, LANGID language);

// Opens the maker's web address with the shell's default handler: 1, or 0 (silently) when
// nothing could open it.
int OpenMakerWebSite(HWND owner);

support::TemplateBlock BuildVersionPageTemplate();
INT_PTR CALLBACK VersionPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

// The options sheet's builder of the page.
bool BuildVersionPage(OptionsSheetSession& session, PROPSHEETPAGEA& page);

}  // namespace editor
