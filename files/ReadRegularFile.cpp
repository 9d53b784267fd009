#include "files/ReadRegularFile.h"

#include "files/UniqueFd.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

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

}  // namespace

FileBytes ReadRegularFile(const std::string& path, std::size_t limit) {
  // Non-blocking, so that a named pipe cannot hang the open; only regular files are read.
  const UniqueFd file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (!file.Valid()) return {ReadOutcome::Failed, errno, {}};
  struct stat info {};
  if (::fstat(file.Get(), &info) != 0) return {ReadOutcome::Failed, errno, {}};
  if (S_ISDIR(info.st_mode)) return {ReadOutcome::Folder, 0, {}};
  if (!S_ISREG(info.st_mode)) return {ReadOutcome::NotRegular, 0, {}};
  const auto expected = static_cast<std::size_t>(info.st_size);
  if (expected > limit) return {ReadOutcome::TooLarge, 0, {}};
  FileBytes content;
  if (const int error = ReadBounded(file.Get(), expected, limit, content.bytes); error != 0) {
    return {ReadOutcome::Failed, error, {}};
  }
  if (content.bytes.size() > limit) return {ReadOutcome::TooLarge, 0, {}};
  return content;
}

}  // namespace vantor::files
