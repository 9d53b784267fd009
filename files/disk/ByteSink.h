#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vantor::files {

/// Where a writer puts the bytes of a file. Once a write fails the sink stays
/// failed and takes nothing more, so a writer may stop at the first false.
class ByteSink {
 public:
  virtual ~ByteSink() = default;

  /// Appends `size` bytes; false when they could not all be taken.
  [[nodiscard]] virtual bool Write(const void* data, std::size_t size) = 0;
  /// Appends the bytes of `text`; false when they could not all be taken.
  [[nodiscard]] bool Write(std::string_view text) { return Write(text.data(), text.size()); }
};

/// A sink that keeps every byte in memory; it never fails.
class MemorySink : public ByteSink {
 public:
  /// Appends to Bytes().
  [[nodiscard]] bool Write(const void* data, std::size_t size) override;
  using ByteSink::Write;

  /// Everything written so far.
  const std::string& Bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

}  // namespace vantor::files
