// Everything the editor's application code uses from its support library.
//
// Start-up, before any setting is read or any box is shown:
//   ReadScreenRect();
//   SetSettingsRoot("Software\\Orvane\\Quillet for Windows 95/NT");
//   SetMessageBoxHooks({CloseSplash, CurrentFrameWindow, ShowStatusHint});
// and, once the options are loaded, soundsOn = the "Sounds" option. Tests answer every box
// through SetMessageBoxAnswerer instead of a dialog.
#pragma once

#include "DialogTemplate.h"
#include "FileWriter.h"
#include "FontSettings.h"
#include "MessageBoxes.h"
#include "MessageTable.h"
#include "SettingsStore.h"
#include "Strings.h"
#include "WindowPlacement.h"
