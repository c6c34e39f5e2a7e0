// The plotter's application object: runs the main window modally and ends with it.
#pragma once

#include "Application.h"

class CPlotterApp : public CApplication {
 protected:
  bool InitInstance() override;
};
