#include "files/disk/FileSink.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace vantor::files {

FileSink::FileSink(int fd) : fd_(fd), buffer_(std::make_unique<char[]>(kBufferSize)) {}

bool FileSink::Write(const void* data, std::size_t size) {
  if (error_ != 0) return false;
  const char* bytes = static_cast<const char*>(data);
  if (used_ + size <= kBufferSize) {
    std::memcpy(buffer_.get() + used_, bytes, size);
    used_ += size;
    return true;
  }
  if (!Flush()) return false;
  // Large blocks go straight out rather than through the buffer.
  if (size >= kBufferSize) return WriteOut(bytes, size);
  std::memcpy(buffer_.get(), bytes, size);
  used_ = size;
  return true;
}

bool FileSink::Flush() {
  if (error_ != 0) return false;
  const std::size_t used = used_;
  used_ = 0;
  return WriteOut(buffer_.get(), used);
}

void FileSink::Fail(int error) {
  if (error_ == 0) error_ = error != 0 ? error : EIO;
}

bool FileSink::WriteOut(const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t written = ::write(fd_, data, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      Fail(errno);
      return false;
    }
    if (written == 0) {
      Fail(ENOSPC);
      return false;
    }
    data += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

}  // namespace vantor::files
