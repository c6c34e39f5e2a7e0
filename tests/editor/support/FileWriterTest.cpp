// WriteFileData on real files: success, empty files, and each failure reported once.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "editor/support/FileWriter.h"
#include "tests/editor/support/BoxRecorder.h"

using namespace support;

namespace {

class FileWriterTest : public testing::Test {
 protected:
  void SetUp() override {
    char folder[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, folder);
    folder_ = std::string(folder) + "support-writer-" + std::to_string(GetCurrentProcessId()) + "\\";
    CreateDirectoryA(folder_.c_str(), nullptr);
    path_ = folder_ + "out.txt";
  }
  void TearDown() override {
    DeleteFileA(path_.c_str());
    DeleteFileA((folder_ + "first.txt").c_str());
    RemoveDirectoryA(folder_.c_str());
  }
  std::string Contents() const {
    std::ostringstream text;
    text << std::ifstream(path_, std::ios::binary).rdbuf();
    return text.str();
  }
  // True when nobody holds the file open any more.
  bool Closed() const {
    HANDLE h = CreateFileA(path_.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    CloseHandle(h);
    return true;
  }
  std::string folder_, path_;
};

}  // namespace

TEST_F(FileWriterTest, WritesTheWholeBufferOrAnEmptyFile) {
  std::ofstream(path_, std::ios::binary) << std::string(1000, 'o');
  const std::string data = "line one\r\nline two\r\n";
  EXPECT_EQ(WriteFileData(nullptr, path_.c_str(), data.data(), data.size()), 1);
  EXPECT_EQ(Contents(), data);
  EXPECT_EQ(WriteFileData(nullptr, path_.c_str(), "ignored", 0), 1);
  EXPECT_EQ(Contents(), "");
  std::ofstream(path_, std::ios::binary) << "old";
  EXPECT_EQ(WriteFileData(nullptr, path_.c_str(), nullptr, 5), 1);
  EXPECT_EQ(Contents(), "");
  EXPECT_TRUE(Closed());
}

TEST_F(FileWriterTest, CreateFailuresAreReportedWithThePathAsItIs) {
  BoxRecorder boxes;
  const std::string missing = folder_ + "no such folder\\50%s off.txt";
  EXPECT_EQ(WriteFileData(nullptr, missing.c_str(), "x", 1), 0);
  HANDLE holder = CreateFileA(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  EXPECT_EQ(WriteFileData(nullptr, path_.c_str(), "x", 1), 0);  // in use elsewhere
  CloseHandle(holder);
  ASSERT_EQ(boxes.boxes().size(), 2u);
  EXPECT_EQ(boxes.boxes()[0].kind, MessageBoxKind::Notice);
  EXPECT_EQ(boxes.boxes()[0].title, "File I/O Error");
  EXPECT_EQ(boxes.boxes()[0].text, "File: " + missing + "\r\rError detected creating this disk file\r\rCode 3");
  EXPECT_EQ(boxes.boxes()[1].text, "File: " + path_ + "\r\rError detected creating this disk file\r\rCode 32");
}

TEST_F(FileWriterTest, AWriteFailureIsReportedOnceWithItsOwnCode) {
  // Data the system cannot read makes the write itself fail after the file was created.
  void* unreadable = VirtualAlloc(nullptr, 4096, MEM_COMMIT | MEM_RESERVE, PAGE_NOACCESS);
  ASSERT_NE(unreadable, nullptr);
  BoxRecorder boxes;
  EXPECT_EQ(WriteFileData(nullptr, path_.c_str(), unreadable, 100), 0);
  VirtualFree(unreadable, 0, MEM_RELEASE);
  // One box, for the write: closing twice would have added, or turned it into, a close error.
  const std::string start = "File: " + path_ + "\r\rError detected writing data to this disk file\r\rCode ";
  EXPECT_EQ(boxes.only().text.substr(0, start.size()), start);
  EXPECT_NE(boxes.only().text.substr(start.size()), "0");
  EXPECT_TRUE(Closed());
}
