#include <windows.h>

#include "plotter/app/PlotterApp.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  plotter::CPlotterApp app;
  return app.Run(instance);
}
