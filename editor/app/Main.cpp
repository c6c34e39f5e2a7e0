// Quillet's entry point; the run itself is RunQuillet (Startup.cpp).
#include <windows.h>

#include "editor/app/Startup.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show) {
  return editor::RunQuillet(instance, commandLine, show);
}
