#include "editor/support/PrintDialogs.h"

#include <utility>

#include "editor/support/MessageBoxes.h"

namespace support {

namespace {

PrintDialogAnswerer& Answerer() {
  static PrintDialogAnswerer answerer;
  return answerer;
}

}  // namespace

bool RunPrintDialog(PRINTDLGA& dialog) {
  RunBeforeModalHook();
  if (Answerer()) return Answerer()(dialog);
  return PrintDlgA(&dialog) != FALSE;
}

PrintDialogAnswerer SetPrintDialogAnswerer(PrintDialogAnswerer answerer) {
  PrintDialogAnswerer previous = std::move(Answerer());
  Answerer() = std::move(answerer);
  return previous;
}

}  // namespace support
