#include "files/formats/ReaderKeyFile.h"

#include "files/formats/ParamsFormat.h"
#include "files/disk/ReadRegularFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <limits>

namespace vantor::files {

namespace {

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

// Texts compare as C strings would: up to their first NUL.
std::string_view UpToNul(std::string_view text) { return text.substr(0, text.find('\0')); }

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

}  // namespace

ReaderKeyFile::ReaderKeyFile(const std::string& path) {
  FileBytes file = ReadRegularFile(path, kMaxParamsFileSize);
  error_ = file.error;
  data_ = std::move(file.bytes);
}

ReaderKeyFile ReaderKeyFile::FromBytes(std::string bytes) {
  ReaderKeyFile reader;
  reader.data_ = std::move(bytes);
  return reader;
}

std::optional<std::string_view> ReaderKeyFile::Find(std::string_view key) const {
  const std::string_view data = data_;
  const std::string_view wanted = UpToNul(key);
  std::size_t i = 0;
  while (i < data.size()) {
    if (IsLineEnd(data[i])) {
      ++i;
      continue;
    }
    std::size_t end = i;
    while (end < data.size() && !IsLineEnd(data[end])) ++end;
    const std::string_view line = data.substr(i, end - i);
    i = end;
    // The first byte belongs to the name even when it is "=", as on the line of code 61.
    const std::size_t equals = line.find('=', 1);
    if (equals == std::string_view::npos) continue;
    if (UpToNul(line.substr(0, equals)) == wanted) return UpToNul(line.substr(equals + 1));
  }
  return std::nullopt;
}

std::string ReaderKeyFile::GetString(std::string_view key) const {
  const std::optional<std::string_view> value = Find(key);
  return value ? std::string(*value) : std::string();
}

bool ReaderKeyFile::HasKey(std::string_view key) const { return Find(key).has_value(); }

std::int32_t ReaderKeyFile::GetInt(std::string_view key) const {
  const std::string_view value = Find(key).value_or(std::string_view());
  std::size_t i = 0;
  while (i < value.size() && IsSpace(value[i])) ++i;
  bool negative = false;
  if (i < value.size() && (value[i] == '+' || value[i] == '-')) negative = value[i++] == '-';
  // Accumulate the magnitude, stopping once it is past the range either way.
  constexpr std::int64_t kPastRange = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 2;
  std::int64_t magnitude = 0;
  for (; i < value.size() && value[i] >= '0' && value[i] <= '9'; ++i) {
    if (magnitude < kPastRange) magnitude = magnitude * 10 + (value[i] - '0');
  }
  const std::int64_t result = negative ? -magnitude : magnitude;
  if (result > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
  if (result < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(result);
}

}  // namespace vantor::files
