#pragma once

#include "files/disk/ByteSink.h"

#include <cstddef>
#include <memory>

namespace vantor::files {

/// A sink that writes to a file descriptor through a buffer; it remembers the
/// errno of the first failure and takes nothing after it.
class FileSink : public ByteSink {
 public:
  /// Writes to `fd`, which the caller keeps open for the sink's life.
  explicit FileSink(int fd);

  /// Buffers `size` bytes, writing out whenever the buffer fills; false once anything failed.
  [[nodiscard]] bool Write(const void* data, std::size_t size) override;
  using ByteSink::Write;
  /// Writes out what the buffer holds; false once anything failed.
  [[nodiscard]] bool Flush();
  /// Marks the sink failed with `error` unless it failed already.
  void Fail(int error);
  /// 0, or the errno of the first failure.
  int Error() const { return error_; }

 private:
  bool WriteOut(const char* data, std::size_t size);

  static constexpr std::size_t kBufferSize = 64 * 1024;

  int fd_;
  int error_ = 0;
  std::unique_ptr<char[]> buffer_;
  std::size_t used_ = 0;
};

}  // namespace vantor::files
