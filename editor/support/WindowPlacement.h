// Remembered window and dialog positions: loading and saving PlacementRecords, keeping them on
// the screen, taking a window's position with the taskbar taken into account, and the four
// common dialog positions kept for the whole run.
#pragma once

#include <windows.h>

#include "editor/support/core/Placement.h"

namespace support {

// The desktop window's client rectangle, read once at start-up (ReadScreenRect). Every position
// is clamped against it; whoever finds it empty reads it first.
extern RECT ScreenRect;

// Reads ScreenRect from the desktop window.
void ReadScreenRect();

// Reads "Top", "Left", "Height", "Width" and "Show" (defaults 35, 35, 200, 350, 1) from
// `section`, then ClampWindowPosition.
void LoadWindowPlacement(const char* section, PlacementRecord* record);
// Writes "Top", "Left", "Width", "Height", "Show", in that order.
void SaveWindowPlacement(const char* section, const PlacementRecord* record);

// Clamps a record against ScreenRect (see ClampPlacement). 0 for a missing record, else 1.
int ClampWindowPosition(PlacementRecord* record);

// Takes the window's normal position into the record and corrects it for a taskbar at the left
// or top edge. 0 when the window's placement or the taskbar cannot be read (in the latter case
// the record holds the uncorrected position), else 1.
int StoreWindowPosition(HWND window, PlacementRecord* record);

// The taskbar's edge (0 left, 1 top, 2 right, 3 bottom), or -1 when the shell cannot say; when
// `taskbar` is given it receives the taskbar's rectangle.
int GetTaskbarEdge(HWND window, RECT* taskbar);

// Moves `dialog` without resizing it to the record's corner, kept `margin` pixels inside the
// right and bottom edges of ScreenRect, and shows it.
void PlaceAtStoredPosition(HWND dialog, const PlacementRecord* record, int margin);

// The four dialog positions held for the whole run.
struct DialogPositions {
  PlacementRecord getFile;   // "DeskTop\GetFile": every Open dialog
  PlacementRecord putFile;   // "DeskTop\PutFile": every Save and Save As dialog
  PlacementRecord setup;     // "DeskTop\Setup": loaded and saved with the others
  PlacementRecord property;  // "DeskTop\Property": the File Properties box
};
extern DialogPositions dialogPositions;

// LoadWindowPlacement / SaveWindowPlacement of the four, in the order GetFile, PutFile, Setup,
// Property.
void LoadDialogPositions();
void SaveDialogPositions();

// Conversions between the Windows rectangle and the portable one.
ScreenBounds ToScreenBounds(const RECT& rect);

}  // namespace support
