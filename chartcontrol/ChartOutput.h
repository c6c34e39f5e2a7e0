// The chart's picture outside its window: printed, copied to the clipboard, written to files.
// Each draws the model as on screen, at the size of the chart window.
#pragma once

#include <windows.h>

#include <cstdint>

#include "chartcontrol/core/ChartModel.h"

namespace chartcontrol {

// Clipboard and file formats: 1 bitmap, 2 Windows metafile, 3 enhanced metafile.
enum class PictureFormat : int32_t { Bitmap = 1, WindowsMetafile = 2, EnhancedMetafile = 3 };

bool PrintChart(const ChartModel& model, SIZE size, const int32_t (&args)[6]);
bool CopyChart(const ChartModel& model, SIZE size, int32_t format, HWND owner);
bool WriteChart(const ChartModel& model, SIZE size, const char* path, int32_t format);
bool WriteChartJpeg(const ChartModel& model, SIZE size, const char* path, int32_t quality);
bool WriteChartPng(const ChartModel& model, SIZE size, const char* path);

}  // namespace chartcontrol
