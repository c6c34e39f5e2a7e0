#include "editor/app/FrameGlobals.h"

namespace editor {

HINSTANCE instanceHandle = nullptr;
HWND frameWindow = nullptr;
HWND mdiClient = nullptr;
HWND toolbarWindow = nullptr;
HWND statusWindow = nullptr;
HACCEL acceleratorTable = nullptr;
HWND activeDocument = nullptr;
HWND activeEdit = nullptr;
HWND findDialog = nullptr;
UINT findMessageId = 0;
bool bulkOperation = false;
win32::UniqueFont displayFont;
char iniPath[256] = "";
char helpPath[256] = "";
char logPath[256] = "";

}  // namespace editor
