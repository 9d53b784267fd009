#pragma once

#include <cstddef>
#include <string>

namespace vantor::files {

/// How reading a whole file ended.
enum class ReadOutcome {
  Read,        ///< `bytes` holds the whole file
  Failed,      ///< it could not be opened or read; `error` holds the errno
  Folder,      ///< the path names a folder
  NotRegular,  ///< the path names a pipe, device or socket, which is not read
  TooLarge     ///< the file holds more than the limit
};

/// A file's content, or why it was not read.
struct FileBytes {
  ReadOutcome outcome = ReadOutcome::Read;
  int error = 0;      ///< errno when Failed, else 0
  std::string bytes;  ///< the content when Read, else empty
};

/// Reads the regular file at `path` whole when it holds at most `limit` bytes; never
/// blocks on a named pipe and never reads more than `limit` + 1 bytes.
FileBytes ReadRegularFile(const std::string& path, std::size_t limit);

}  // namespace vantor::files
