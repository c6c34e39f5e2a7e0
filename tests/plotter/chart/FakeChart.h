// A recording stand-in for the chart component, handed to CChart2D through its test factory.
// Every object answers every get with a new object whose path says how it was got; gets, puts
// and method calls are logged in order with that path, the dispatch id and the values with their
// kinds, so tests compare the log with what the plotter must tell the chart.
//
// Paths: dispatch ids joined by '.', an indexed get with its index in brackets; the control
// itself has the empty path. E.g. 8.9.3["x"].5 is GraphArea.Axes.Item("x").MinLimit.
// Log lines:
//   get <path>                          a get
//   <path>.<id> = <value>               a put ("<id>" alone on the control)
//   <path>.<id>(<indexes>) = <value>    an indexed put
//   <path>.<id>(<arguments>)            a method call
// Values: TRUE, FALSE, i2:9, i4:2, r8:0.001 (the shortest text that reads back exactly), "text".
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "Chart2D.h"

struct FakeChartState {
  std::vector<std::string> log;
  int liveObjects = 0;     // objects handed out and not yet released, the control included
  int mostStrayAtPut = 0;  // most objects alive at a put beyond the chain that put goes through
  bool failCreation = false;

  // The last creation.
  int creations = 0;
  HWND parent = nullptr;
  int id = 0;
  RECT rect{};
  HWND window = nullptr;  // a static control standing in for the chart window
  ChartEvents* sink = nullptr;

  // The log without its gets.
  std::vector<std::string> Puts() const;
  // Puts() since the last call, and forgets them.
  std::vector<std::string> TakePuts();
  void ClearLog() { log.clear(); }
};

// While it lives, CChart2D makes stand-ins recording into `state` instead of loading the DLL.
class FakeChartFactory {
 public:
  explicit FakeChartFactory(std::shared_ptr<FakeChartState> state);
  FakeChartFactory(const FakeChartFactory&) = delete;
  FakeChartFactory& operator=(const FakeChartFactory&) = delete;
  ~FakeChartFactory();
};

std::string FakeValueText(const ChartValue& value);

// Compares two logs line by line and names the first difference.
testing::AssertionResult SameLines(const std::vector<std::string>& actual,
                                   const std::vector<std::string>& expected);

// Paths of the objects the plotter uses most.
std::string AxisPath(const char* axis);  // 8.9.3["x"]
std::string GroupPath(int group);        // 9.3[i2:1]
