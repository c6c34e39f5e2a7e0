#include "tests/plotter/spectrum/SpectrumTestFiles.h"

#include <fstream>
#include <random>

namespace spectrum {

void SpectrumFilesTest::SetUp() {
  std::random_device random;
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  folder_ = std::filesystem::temp_directory_path() /
            ("spectrum_tests_" + std::string(info->name()) + "_" + std::to_string(random()));
  std::filesystem::create_directories(folder_);
}

void SpectrumFilesTest::TearDown() {
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

std::string SpectrumFilesTest::Write(const std::string& name, const std::string& bytes) {
  const std::filesystem::path path = folder_ / name;
  std::ofstream out(path, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return path.string();
}

void SpectrumFilesTest::MustLoad(const std::string& name, const std::string& bytes) {
  ASSERT_EQ(LoadSpectrumData(Write(name, bytes), set), LoadOutcome::Loaded) << name;
}

std::string WithCrLf(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

}  // namespace spectrum
