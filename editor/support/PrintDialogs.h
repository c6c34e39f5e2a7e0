// The one way the editor runs the system print dialog (Print and Printer Setup), so that a test
// can answer it as the user would.
#pragma once

#include <windows.h>

#include <commdlg.h>

#include <functional>

namespace support {

// Runs the system print dialog on `dialog` (its set-up form when PD_PRINTSETUP is in the flags),
// or the test answerer when one is set. True when the user chose OK.
bool RunPrintDialog(PRINTDLGA& dialog);

// Answers the print dialog in place of the user: fills what the dialog would (the device-mode and
// device-names blocks, the device context when PD_RETURNDC is asked, the copies) and returns
// whether OK was chosen. An empty function brings the real dialog back.
using PrintDialogAnswerer = std::function<bool(PRINTDLGA& dialog)>;
PrintDialogAnswerer SetPrintDialogAnswerer(PrintDialogAnswerer answerer);

}  // namespace support
