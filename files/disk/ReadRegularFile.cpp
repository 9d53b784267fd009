#include "files/disk/ReadRegularFile.h"

#include "files/disk/UniqueFd.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>

namespace vantor::files {

namespace {

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

// 0 when `info` is a regular file of at most `limit` bytes, else the errno that refuses it.
int RefusalOf(const struct stat& info, std::size_t limit) {
  if (S_ISDIR(info.st_mode)) return EISDIR;
  if (!S_ISREG(info.st_mode)) return ENODEV;
  if (static_cast<std::uint64_t>(info.st_size) > limit) return EFBIG;
  return 0;
}

}  // namespace

FileBytes ReadRegularFile(const std::string& path, std::size_t limit) {
  // Looked at before it is opened: opening a pipe or a device for reading could block or act.
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return {errno, {}};
  if (const int refused = RefusalOf(info, limit); refused != 0) return {refused, {}};
  // Non-blocking, so that a file swapped for a pipe since cannot hang the open.
  const UniqueFd file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (!file.Valid()) return {errno, {}};
  if (::fstat(file.Get(), &info) != 0) return {errno, {}};
  if (const int refused = RefusalOf(info, limit); refused != 0) return {refused, {}};
  FileBytes content;
  if (const int error = ReadBounded(file.Get(), static_cast<std::size_t>(info.st_size), limit, content.bytes);
      error != 0) {
    return {error, {}};
  }
  if (content.bytes.size() > limit) return {EFBIG, {}};
  return content;
}

}  // namespace vantor::files
