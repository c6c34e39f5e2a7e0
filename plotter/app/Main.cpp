#include <windows.h>

#include "PlotterApp.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  CPlotterApp app;
  return app.Run(instance);
}
