// Everything the editor's application code uses from its support library.
//
// Start-up, before any setting is read or any box is shown:
//   ReadScreenRect();
//   SetSettingsRoot("Software\\Orvane\\Quillet for Windows 95/NT");
//   SetMessageBoxHooks({CloseSplash, CurrentFrameWindow, ShowStatusHint, SoundsOption});
// Tests answer every box through SetMessageBoxAnswerer instead of a dialog.
#pragma once

#include "editor/support/DialogTemplate.h"
#include "editor/support/Drawing.h"
#include "editor/support/FileDialogs.h"
#include "editor/support/FileTests.h"
#include "editor/support/FileWriter.h"
#include "editor/support/Fonts.h"
#include "editor/support/FontSettings.h"
#include "editor/support/MessageBoxes.h"
#include "editor/support/PrintDialogs.h"
#include "editor/support/SettingsStore.h"
#include "editor/support/Strings.h"
#include "editor/support/WindowPlacement.h"
#include "editor/support/core/MessageTable.h"
#include "editor/support/core/PathText.h"

namespace support {

}  // namespace support
