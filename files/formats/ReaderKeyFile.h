#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vantor::files {

/// A whole key file in memory, with look-ups of lines made of a key, "=" and a value.
/// A line ends at CR LF, a lone CR or a lone LF; empty lines are skipped. A line's
/// name is its first byte (whatever it is) and every byte up to the next "="; the
/// value is the rest of the line. Nothing is trimmed; the first matching line wins.
class ReaderKeyFile {
 public:
  /// Loads the file at `path`; stays empty, with Error() saying why, when it cannot be
  /// opened (EISDIR: a folder; ENODEV: not a regular file, and never opened; EFBIG:
  /// larger than a params file can be, kMaxParamsFileSize).
  explicit ReaderKeyFile(const std::string& path);

  /// A reader over `bytes` as if they were a file's content.
  static ReaderKeyFile FromBytes(std::string bytes);

  /// True when the file could be opened for reading.
  bool Opened() const { return error_ == 0; }
  /// 0, or the errno that kept the file from being opened.
  int Error() const { return error_; }
  /// The number of bytes loaded.
  std::size_t Size() const { return data_.size(); }

  /// The value of the first line whose name equals `key` (byte for byte, up to a NUL), or "".
  std::string GetString(std::string_view key) const;
  /// 0 when GetString gives "", else its decimal value: leading white space skipped, an
  /// optional sign, digits up to the first other byte, clamped to the int32 range.
  std::int32_t GetInt(std::string_view key) const;
  /// True when some line's name equals `key`, even with an empty value.
  bool HasKey(std::string_view key) const;

 private:
  ReaderKeyFile() = default;
  std::optional<std::string_view> Find(std::string_view key) const;

  std::string data_;
  int error_ = 0;
};

}  // namespace vantor::files
