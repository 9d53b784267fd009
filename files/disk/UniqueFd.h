#pragma once

#include <unistd.h>

#include <cerrno>
#include <utility>

namespace vantor::files {

/// An owned file descriptor, closed when the owner goes; moved, never copied.
class UniqueFd {
 public:
  /// Takes ownership of `fd` (-1: none).
  explicit UniqueFd(int fd = -1) : fd_(fd) {}
  ~UniqueFd() {
    if (fd_ >= 0) ::close(fd_);
  }
  UniqueFd(UniqueFd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  UniqueFd& operator=(UniqueFd&& other) noexcept {
    if (this != &other) {
      if (fd_ >= 0) ::close(fd_);
      fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
  }
  UniqueFd(const UniqueFd&) = delete;
  UniqueFd& operator=(const UniqueFd&) = delete;

  /// The descriptor, or -1.
  int Get() const { return fd_; }
  /// True when a descriptor is held.
  bool Valid() const { return fd_ >= 0; }
  /// Closes the descriptor now; 0, or the errno that close gave (the descriptor is gone either way).
  int Close() {
    const int fd = std::exchange(fd_, -1);
    if (fd < 0 || ::close(fd) == 0) return 0;
    return errno;
  }

 private:
  int fd_;
};

}  // namespace vantor::files
