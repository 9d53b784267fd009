#include "files/FileReplacement.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <utility>

namespace vantor::files {

namespace {

// Saving through a symbolic link replaces the file it points to, not the link.
std::string ResolveTarget(const std::string& path) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
  char resolved[PATH_MAX];
  if (::realpath(path.c_str(), resolved) == nullptr) return path;
  return resolved;
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// 0 when the target may be replaced (it is absent or a writable regular file),
// else the errno that refuses it. `mode` receives an existing file's permissions.
int CheckTarget(const std::string& target, mode_t& mode, bool& exists) {
  struct stat info {};
  exists = false;
  if (::stat(target.c_str(), &info) != 0) return errno == ENOENT ? 0 : errno;
  if (S_ISDIR(info.st_mode)) return EISDIR;
  // Renaming over a device, a pipe or a socket would replace the node itself.
  if (!S_ISREG(info.st_mode)) return EACCES;
  // A read-only file is the user's way of keeping it: honour it as a direct write would.
  if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) return errno;
  exists = true;
  mode = info.st_mode & 07777;
  return 0;
}

// A name no other writer uses; O_EXCL makes sure of it.
std::string TemporaryName(const std::string& folder) {
  static std::atomic<unsigned> counter{0};
  timespec now{};
  ::clock_gettime(CLOCK_REALTIME, &now);
  const unsigned long long mix = (static_cast<unsigned long long>(now.tv_nsec) << 20) ^
                                 (static_cast<unsigned long long>(::getpid()) << 8) ^ counter.fetch_add(1);
  char name[48];
  std::snprintf(name, sizeof name, "/.vantor-%llx.tmp", mix);
  return folder + name;
}

}  // namespace

FileReplacement::FileReplacement(std::string path)
    : path_(std::move(path)), target_(ResolveTarget(path_)), sink_(-1) {
  if (path_.empty()) {
    Failure(ENOENT);
    return;
  }
  mode_t mode = 0;
  bool exists = false;
  if (const int refused = CheckTarget(target_, mode, exists); refused != 0) {
    Failure(refused);
    return;
  }
  const std::string folder = FolderOf(target_);
  int error = EEXIST;
  for (int attempt = 0; attempt < 100 && error == EEXIST; ++attempt) {
    std::string candidate = TemporaryName(folder);
    const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    error = fd < 0 ? errno : 0;
    if (fd >= 0) {
      fd_ = UniqueFd(fd);
      temporary_ = std::move(candidate);
    }
  }
  if (error != 0) {
    Failure(error);
    return;
  }
  // The new file keeps the permissions of the one it replaces.
  if (exists && ::fchmod(fd_.Get(), mode) != 0) {
    Failure(errno);
    return;
  }
  sink_ = FileSink(fd_.Get());
}

FileReplacement::~FileReplacement() { RemoveTemporary(); }

FileResult FileReplacement::Finish() {
  if (!status_.Ok() || finished_) return status_;
  if (!sink_.Flush()) return Discard();
  if (::fsync(fd_.Get()) != 0) return Failure(errno);
  if (const int error = fd_.Close(); error != 0) return Failure(error);
  finished_ = true;
  return {};
}

FileResult FileReplacement::Commit() {
  if (FileResult finished = Finish(); !finished.Ok()) return finished;
  if (::rename(temporary_.c_str(), target_.c_str()) != 0) return Failure(errno);
  temporary_.clear();
  // Make the rename itself durable. The target is already replaced, so a folder
  // that cannot be synced does not turn the save into a failure.
  const UniqueFd folder(::open(FolderOf(target_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder.Valid()) ::fsync(folder.Get());
  return {};
}

FileResult FileReplacement::Discard() {
  if (!status_.Ok()) return status_;
  return Failure(sink_.Error() != 0 ? sink_.Error() : EIO);
}

FileResult FileReplacement::Failure(int error) {
  sink_.Fail(error);
  RemoveTemporary();
  FileResult failure = FileFailure(FileStatusFromErrno(error, FileAccess::Write), path_);
  if (status_.Ok()) status_ = failure;
  return failure;
}

void FileReplacement::RemoveTemporary() {
  fd_.Close();
  if (!temporary_.empty()) ::unlink(temporary_.c_str());
  temporary_.clear();
}

FileResult ReplaceFile(const std::string& path, const std::function<bool(ByteSink&)>& write) {
  FileReplacement replacement(path);
  if (!replacement.Status().Ok()) return replacement.Status();
  if (!write(replacement.Sink())) return replacement.Discard();
  return replacement.Commit();
}

}  // namespace vantor::files
