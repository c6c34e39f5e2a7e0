// Text of the status line's clock. Portable: no windows.h.
#pragma once

#include <string>

namespace plotter {

struct ClockReading {
  int year;
  int month;  // 1-12
  int day;
  int hour;
  int minute;
  int second;
};

// " dd.mm.yyyy   hh:mm:ss ": the date part, one blank, the time part; each part ends with a blank.
std::string FormatClockLine(const ClockReading& now);

}  // namespace plotter
