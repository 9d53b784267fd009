#pragma once

#include <cstddef>
#include <string>

namespace vantor::files {

/// A file's content, or the errno that kept it from being read.
struct FileBytes {
  int error = 0;      ///< 0 when read; EISDIR for a folder, ENODEV for a pipe, device or socket,
                      ///< EFBIG for a file over the limit, else the errno of the failed call
  std::string bytes;  ///< the whole content when read, else empty
};

/// Reads the regular file at `path` whole when it holds at most `limit` bytes. The path
/// is looked at before it is opened, so a pipe or device is never opened; it never
/// blocks and never reads more than `limit` + 1 bytes.
FileBytes ReadRegularFile(const std::string& path, std::size_t limit);

}  // namespace vantor::files
