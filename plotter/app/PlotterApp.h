// The plotter's application object: runs the main window modally and ends with it.
#pragma once

#include "plotter/framework/Application.h"

namespace plotter {

class CPlotterApp : public framework::CApplication {
 protected:
  bool InitInstance() override;
};

}  // namespace plotter
