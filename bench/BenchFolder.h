#pragma once

#include <stdlib.h>

#include <filesystem>
#include <string>
#include <system_error>

namespace vantor::bench {

/// A folder under the system's temporary folder for the files a benchmark writes, removed at exit.
inline const std::string& Folder() {
  static const struct Dir {
    std::string path;
    Dir() {
      std::string pattern = (std::filesystem::temp_directory_path() / "vantor-bench-XXXXXX").string();
      path = ::mkdtemp(pattern.data()) != nullptr ? pattern : std::string(".");
    }
    ~Dir() {
      std::error_code ignored;
      std::filesystem::remove_all(path, ignored);
    }
  } dir;
  return dir.path;
}

}  // namespace vantor::bench
