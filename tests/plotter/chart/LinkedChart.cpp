#include "tests/plotter/chart/LinkedChart.h"

#include "plotter/chart/Chart2D.h"

LinkedChart::LinkedChart() {
  chart::CChart2D::SetFactoryForTests([this](HWND parentWindow, int childId, const RECT* place) -> chartcontrol::ChartControl* {
    ++creations;
    parent = parentWindow;
    id = childId;
    rect = *place;
    if (fail) return nullptr;
    chartcontrol::ChartCore* made = chartcontrol::ChartCore::Create(parentWindow, childId, *place);
    if (!made) return nullptr;
    if (core_) core_->Release();
    core_ = made;
    core_->AddRef();
    return made;
  });
}

LinkedChart::~LinkedChart() {
  chart::CChart2D::SetFactoryForTests(nullptr);
  if (core_) {
    if (HWND window = core_->Window()) DestroyWindow(window);
    core_->Release();
  }
}
