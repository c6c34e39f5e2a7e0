// Reads a file line by line exactly as the programs' C runtime gives lines in text mode to
// fgets(buf, 256, f): the file is opened in binary and "\r\n" is turned into "\n" here (a lone
// "\r" stays), a line holds at most 255 characters (a longer one goes on as further lines), and
// its "\n" is part of it when it fits, and a Ctrl-Z (0x1A) ends the file. Reads through a large
// buffer. Portable: no windows.h.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace spectrum {

class LineReader {
 public:
  static constexpr std::size_t kLineBufferSize = 256;  // the fgets buffer: 255 characters + zero

  LineReader() = default;
  ~LineReader();
  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;

  bool Open(const std::string& path);  // false if the file cannot be opened (or no memory)
  void Close();
  bool IsOpen() const { return file_ != nullptr; }
  // Back to the first line; false if the file cannot be positioned.
  bool Rewind();

  // The next line, valid until the next call: its text as a C string would show it (up to a
  // zero byte inside it, if any). False at the end of the file.
  bool ReadLine(std::string_view& line);

  // Bytes of the file after the lines read so far (counted before "\r\n" conversion of the part
  // not yet buffered, so never fewer than the characters still to come).
  std::uint64_t BytesLeft() const;

 private:
  bool Fill();  // tops the buffer up to at least one full line or the end of the file

  std::FILE* file_ = nullptr;
  std::unique_ptr<char[]> buffer_;
  std::size_t capacity_ = 0;  // bytes of buffer_
  std::size_t begin_ = 0;    // first unread character
  std::size_t end_ = 0;      // end of converted characters
  std::size_t nextZero_ = 0; // first zero byte at or after begin_ (end_ when none)
  bool heldReturn_ = false;  // a "\r" ended the last chunk; its fate depends on the next byte
  bool atEnd_ = false;       // the file has no more bytes
  std::uint64_t fileSize_ = 0;
  std::uint64_t bytesRead_ = 0;  // raw bytes taken from the file so far
};

}  // namespace spectrum
