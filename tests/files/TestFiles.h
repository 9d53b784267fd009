#pragma once

#include "files/disk/ByteSink.h"

#include <functional>
#include <string>
#include <string_view>

namespace vantor::files::test {

/// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  /// The folder's path.
  const std::string& Path() const { return path_; }
  /// The path of `name` inside the folder.
  std::string Path(std::string_view name) const { return path_ + "/" + std::string(name); }
  /// The names in the folder, sorted.
  std::string Listing() const;

 private:
  std::string path_;
};

/// The bytes of the file at `path`; "<missing>" when it cannot be read.
std::string ReadFile(const std::string& path);
/// Creates or replaces the file at `path` with `bytes`.
void WriteFile(const std::string& path, std::string_view bytes);

/// Runs `body` in a forked child, as user nobody when this process is root (so that
/// permissions apply); true when `body` returned true.
bool InChild(const std::function<bool()>& body, bool unprivileged);

/// A sink that takes `limit` bytes and then fails for good, as a full disk does.
class LimitedSink : public ByteSink {
 public:
  /// A sink that fails once more than `limit` bytes would have been taken.
  explicit LimitedSink(std::size_t limit) : limit_(limit) {}
  [[nodiscard]] bool Write(const void* data, std::size_t size) override;
  using ByteSink::Write;

 private:
  std::size_t limit_;
  std::size_t taken_ = 0;
  bool failed_ = false;
};

}  // namespace vantor::files::test
