// The Filters page of the options sheet: the nine file filters the Open dialog offers, each a
// description and its file patterns.
#pragma once

#include <windows.h>

#include <prsht.h>

#include "editor/app/OptionsSheet.h"

namespace editor {

bool BuildFiltersPage(OptionsSheetSession& session, PROPSHEETPAGEA& page);

}  // namespace editor
