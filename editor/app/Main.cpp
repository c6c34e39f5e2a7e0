// Quillet's entry point; the run itself is RunQuillet (Startup.cpp).
#include <windows.h>

#include "Startup.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show) {
  return RunQuillet(instance, commandLine, show);
}
