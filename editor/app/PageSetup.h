// The page setup: its storage and the Printing page of the options sheet on which the user
// edits it.
#pragma once

#include <windows.h>

#include <prsht.h>

#include "editor/app/OptionsSheet.h"
#include "editor/app/core/EditorRecords.h"
#include "editor/support/DialogTemplate.h"

namespace editor {

// Reads or writes the eleven stored values of `setup` under `section`, or under
// "Options\PageSetup" when the section is null or empty. Missing values read as the defaults.
void LoadPageSetup(const char* section, PageSetup& setup);
void SavePageSetup(const char* section, const PageSetup& setup);

// The Printing page (page 2): its template built in memory, and the page itself on the
// session's copy of the page setup.
support::TemplateBlock BuildPrintingPageTemplate();
bool BuildPrintingPage(OptionsSheetSession& session, PROPSHEETPAGEA& page);

// Showing and reading the page; the read is false when a printed header or footer is empty,
// after telling the user: the page then stays current.
void PrintingPageInit(HWND page, const PageSetup& setup);
bool PrintingPageRead(HWND page, PageSetup& setup);

}  // namespace editor
