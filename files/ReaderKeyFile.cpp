#include "files/ReaderKeyFile.h"

#include "files/ParamsFormat.h"
#include "files/UniqueFd.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

// Reads the file, `expected` bytes long by its status, but never more than
// `limit` + 1 bytes, so that a file over the limit (or one that grew) shows as such.
int ReadBounded(int fd, std::size_t expected, std::size_t limit, std::string& data) {
  data.resize(std::min(expected, limit) + 1);
  std::size_t used = 0;
  for (;;) {
    const ssize_t got = ::read(fd, data.data() + used, data.size() - used);
    if (got < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (got == 0) break;
    used += static_cast<std::size_t>(got);
    if (used == data.size()) {
      if (used > limit) break;
      data.resize(std::min(2 * used, limit + 1));
    }
  }
  data.resize(used);
  return 0;
}

}  // namespace

namespace {

// 0 when `info` is a regular file a params file can be, else the errno that refuses it:
// EISDIR for a folder, ENODEV for a pipe, device or socket, EFBIG when it is too large.
int RefusalOf(const struct stat& info) {
  if (S_ISDIR(info.st_mode)) return EISDIR;
  if (!S_ISREG(info.st_mode)) return ENODEV;
  if (static_cast<std::uint64_t>(info.st_size) > kMaxParamsFileSize) return EFBIG;
  return 0;
}

}  // namespace

ReaderKeyFile::ReaderKeyFile(const std::string& path) {
  // Looked at before it is opened: opening a pipe or a device for reading could block or act.
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) {
    error_ = errno;
    return;
  }
  if ((error_ = RefusalOf(info)) != 0) return;
  // Non-blocking, so that a file swapped for a pipe since cannot hang the open.
  const UniqueFd file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (!file.Valid()) {
    error_ = errno;
    return;
  }
  if (::fstat(file.Get(), &info) != 0) {
    error_ = errno;
    return;
  }
  if ((error_ = RefusalOf(info)) != 0) return;
  const auto expected = static_cast<std::size_t>(info.st_size);
  std::string data;
  if (const int error = ReadBounded(file.Get(), expected, kMaxParamsFileSize, data); error != 0) {
    error_ = error;
    return;
  }
  if (data.size() <= kMaxParamsFileSize) data_ = std::move(data);
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
