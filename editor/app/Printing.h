// Printing of the active document (Print, 121), the printer set-up (122) and the printer font
// (431). One print-dialog record serves the whole run, so that the printer chosen stays chosen.
#pragma once

#include <windows.h>

#include <string>

#include "editor/app/core/PrinterLayout.h"
#include "common/win32/Handles.h"

namespace editor {

// Prints the document's text as its edit control lays it out, on the printer the user picks in
// the print dialog; true when every copy was printed. The status line tells how it ended.
bool PrintDocument(HWND document);

// What one print job draws with: the printer, its font made from the printer font record, and
// where the lines go.
struct PrinterJobSetup {
  HDC printer = nullptr;
  win32::UniqueFont font;
  PrinterLayout layout;
};
// Makes the printer font and computes the layout for `setup.printer`; false after telling the
// user (a font that cannot be made, margins that leave no room for a body line).
bool PreparePrinterLayout(const std::string& documentName, PrinterJobSetup& setup);

// Printer Setup and Printer Font, owned by the frame.
void RunPrinterSetup(HWND frame);
void ChoosePrinterFont(HWND frame);

// The print dialog's device blocks, freed once at the end of the program.
void FreePrintDialogRecord();

// Plugs these commands into the frame and the documents (DocumentServices).
void InstallPrintingServices();

// Test seam: the calls that open and close the job and its pages, so that a test can make one of
// them fail half-way. Null restores the system's own.
struct PrintJobCalls {
  int (*startDoc)(HDC, const DOCINFOA*);
  int (*startPage)(HDC);
  int (*endPage)(HDC);
  int (*endDoc)(HDC);
  int (*abortDoc)(HDC);
};
void SetPrintJobCalls(const PrintJobCalls* calls);

}  // namespace editor
