#include "plotter/spectrum/core/LineReader.h"

#include <cstring>
#include <new>

namespace spectrum {

namespace {

constexpr std::size_t kChunkSize = 1 << 20;
constexpr std::size_t kLineLimit = LineReader::kLineBufferSize - 1;
constexpr char kEndOfFileMark = 0x1A;

bool SeekTo(std::FILE* file, std::int64_t offset, int origin) {
#ifdef _WIN32
  return _fseeki64(file, offset, origin) == 0;
#else
  return fseeko(file, static_cast<off_t>(offset), origin) == 0;
#endif
}

std::int64_t Tell(std::FILE* file) {
#ifdef _WIN32
  return _ftelli64(file);
#else
  return static_cast<std::int64_t>(ftello(file));
#endif
}

// Drops the "\r" of every "\r\n" in [from, end) in place and returns the new end. A "\r" at the
// very end is held back (heldReturn set, excluded) unless the file has ended.
std::size_t ConvertLineEnds(char* buffer, std::size_t from, std::size_t end, bool atEnd,
                            bool& heldReturn) {
  char* out = static_cast<char*>(std::memchr(buffer + from, '\r', end - from));
  if (out == nullptr) return end;
  const char* in = out;
  const char* stop = buffer + end;
  while (in < stop) {
    if (*in == '\r') {
      if (in + 1 == stop && !atEnd) {
        heldReturn = true;
        break;
      }
      if (in + 1 < stop && in[1] == '\n') {
        ++in;  // keep only the "\n"
        continue;
      }
    }
    *out++ = *in++;
  }
  return static_cast<std::size_t>(out - buffer);
}

}  // namespace

LineReader::~LineReader() { Close(); }

bool LineReader::Open(const std::string& path) {
  Close();
  file_ = std::fopen(path.c_str(), "rb");
  if (file_ == nullptr) return false;
  if (!Rewind()) {
    Close();
    return false;
  }
  // A small file needs no large buffer (the size only guides: a file that grows is still read).
  const std::size_t chunk = fileSize_ < kChunkSize ? static_cast<std::size_t>(fileSize_) + 1 : kChunkSize;
  if (!buffer_ || capacity_ < chunk + kLineBufferSize) {
    buffer_.reset(new (std::nothrow) char[chunk + kLineBufferSize]);
    capacity_ = buffer_ ? chunk + kLineBufferSize : 0;
    if (!buffer_) {
      Close();
      return false;
    }
  }
  return true;
}

void LineReader::Close() {
  if (file_ != nullptr) std::fclose(file_);
  file_ = nullptr;
}

bool LineReader::Rewind() {
  if (file_ == nullptr) return false;
  std::int64_t size = -1;
  if (SeekTo(file_, 0, SEEK_END)) size = Tell(file_);
  if (!SeekTo(file_, 0, SEEK_SET)) return false;
  std::clearerr(file_);
  fileSize_ = size > 0 ? static_cast<std::uint64_t>(size) : 0;
  begin_ = end_ = nextZero_ = 0;
  heldReturn_ = false;
  atEnd_ = false;
  bytesRead_ = 0;
  return true;
}

bool LineReader::Fill() {
  char* buffer = buffer_.get();
  if (begin_ > 0) {
    std::memmove(buffer, buffer + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
  }
  while (!atEnd_ && end_ < kLineLimit) {
    std::size_t from = end_;
    if (heldReturn_) {
      buffer[end_++] = '\r';
      heldReturn_ = false;
    }
    std::size_t got = std::fread(buffer + end_, 1, capacity_ - end_, file_);
    bytesRead_ += got;
    if (got == 0) atEnd_ = true;
    // A Ctrl-Z ends the file, as the Windows runtime's text mode has it: nothing after it counts.
    if (const void* mark = std::memchr(buffer + end_, kEndOfFileMark, got)) {
      got = static_cast<std::size_t>(static_cast<const char*>(mark) - (buffer + end_));
      atEnd_ = true;
      fileSize_ = bytesRead_;
    }
    end_ = ConvertLineEnds(buffer, from, end_ + got, atEnd_, heldReturn_);
  }
  const void* zero = std::memchr(buffer, '\0', end_);
  nextZero_ = zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - buffer) : end_;
  return end_ > 0;
}

bool LineReader::ReadLine(std::string_view& line) {
  if (file_ == nullptr) return false;
  if (end_ - begin_ < kLineLimit && !atEnd_) Fill();
  const std::size_t available = end_ - begin_;
  if (available == 0) return false;
  char* start = buffer_.get() + begin_;
  const std::size_t limit = available < kLineLimit ? available : kLineLimit;
  const char* newline = static_cast<const char*>(std::memchr(start, '\n', limit));
  const std::size_t length = newline ? static_cast<std::size_t>(newline - start) + 1 : limit;
  const std::size_t lineEnd = begin_ + length;
  std::size_t visible = length;
  if (nextZero_ < lineEnd) {
    visible = nextZero_ - begin_;
    const void* zero = std::memchr(buffer_.get() + lineEnd, '\0', end_ - lineEnd);
    nextZero_ = zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - buffer_.get()) : end_;
  }
  begin_ = lineEnd;
  line = std::string_view(start, visible);
  return true;
}

std::uint64_t LineReader::BytesLeft() const {
  const std::uint64_t unread = fileSize_ > bytesRead_ ? fileSize_ - bytesRead_ : 0;
  return unread + (end_ - begin_) + (heldReturn_ ? 1 : 0);
}

}  // namespace spectrum
