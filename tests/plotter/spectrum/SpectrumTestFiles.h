// Test files in a temporary folder of their own, removed with the fixture.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "plotter/spectrum/core/SpectrumLoad.h"
#include "plotter/spectrum/core/SpectrumSet.h"

namespace spectrum {

class SpectrumFilesTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Writes `bytes` to a file `name` in the folder and returns its path.
  std::string Write(const std::string& name, const std::string& bytes);
  // Writes and loads into `set`, expecting Loaded.
  void MustLoad(const std::string& name, const std::string& bytes);

  std::filesystem::path folder_;
  SpectrumSet set;
};

// "\n" line ends turned into "\r\n".
std::string WithCrLf(const std::string& text);

}  // namespace spectrum
