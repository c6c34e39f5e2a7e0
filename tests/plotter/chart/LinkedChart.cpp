#include "tests/plotter/chart/LinkedChart.h"

#include "plotter/chart/Chart2D.h"

LinkedChart::LinkedChart() {
  chart::CChart2D::SetFactoryForTests([this](HWND parentWindow, int childId, const RECT* place) -> chartcontrol::ChartControl* {
    ++creations;
    parent = parentWindow;
    id = childId;
    rect = *place;
    if (fail) return nullptr;
    chartcontrol::ChartControl* made = chartcontrol::MakeLinkedControl(parentWindow, childId, *place);
    if (!made) return nullptr;
    if (control_) control_->Release();
    control_ = made;
    control_->AddRef();
    return made;
  });
}

LinkedChart::~LinkedChart() {
  chart::CChart2D::SetFactoryForTests(nullptr);
  if (control_) {
    if (HWND window = control_->Window()) DestroyWindow(window);
    control_->Release();
  }
}
