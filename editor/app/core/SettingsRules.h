// Small rules of the editor's settings and paths that need no Win32. Portable: no windows.h.
#pragma once

#include <cstdint>
#include <string>

#include "editor/app/core/EditorStateRecord.h"
#include "editor/support/core/Placement.h"

namespace editor {

// The stored tab width: 0 or anything above 16 reads as 4.
std::int32_t NormalizeTabs(std::uint32_t stored);

// The program's own files: the lower-cased module path up to the "." of its extension, followed
// by ".ini", ".hlp" and ".log". All empty when the file name has no extension or a result would
// not fit into 255 characters.
struct ProgramPaths {
  std::string ini;
  std::string help;
  std::string log;
};
ProgramPaths ComputeProgramPaths(const std::string& modulePath);

// Lower-cases ASCII letters.
std::string LowerCase(std::string text);

// First-run SysEdit file of `slot` (1 to 9) from its format ("%s\config.sys" ...): slots 1 and 2
// on the drive of the Windows folder ("c:"), the others in the folder itself without a trailing
// backslash; lower-cased, at most 255 characters.
std::string FirstRunSysEditFile(int slot, const std::string& format, const std::string& windowsFolder);

// First-run frame (640 x 400) and options sheet (500 x 375) positions, centred on the screen.
void ApplyFirstRunPlacements(EditorState& state, const support::ScreenBounds& screen);

}  // namespace editor
