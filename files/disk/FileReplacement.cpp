#include "files/disk/FileReplacement.h"

#include "files/disk/Temporaries.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace vantor::files {

namespace {

// As many links as the system itself follows before it gives up with ELOOP.
constexpr int kMaxLinkHops = 40;

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// Saving through a symbolic link writes the file it points to, even one that does
// not exist yet, and leaves the link as it is.
std::string ResolveTarget(const std::string& path) {
  std::string current = path;
  for (int hop = 0; hop < kMaxLinkHops; ++hop) {
    struct stat info {};
    if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return current;
    char link[PATH_MAX];
    const ssize_t size = ::readlink(current.c_str(), link, sizeof link);
    if (size <= 0 || static_cast<std::size_t>(size) >= sizeof link) return current;
    const std::string to(link, static_cast<std::size_t>(size));
    current = to.front() == '/' ? to : FolderOf(current) + "/" + to;
  }
  return current;
}

// What stands at the target now.
struct TargetState {
  int refusal = 0;    // 0 when it may be replaced, else the errno that refuses it
  bool exists = false;
  struct stat info {};
};

TargetState CheckTarget(const std::string& target) {
  TargetState state;
  if (::stat(target.c_str(), &state.info) != 0) {
    state.refusal = errno == ENOENT ? 0 : errno;
    return state;
  }
  if (S_ISDIR(state.info.st_mode)) {
    state.refusal = EISDIR;
  } else if (!S_ISREG(state.info.st_mode)) {
    // Replacing a device, a pipe or a socket would replace the node itself.
    state.refusal = ENODEV;
  } else if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
    // A read-only file is the user's way of keeping it: honour it as a direct write would.
    state.refusal = errno;
  }
  state.exists = state.refusal == 0;
  return state;
}

// A rename gives the file a new identity: other hard links keep the old content,
// and a folder this process cannot write takes no new name at all.
bool NeedsInPlace(const std::string& target, const TargetState& state) {
  if (!state.exists) return false;
  return state.info.st_nlink > 1 || ::faccessat(AT_FDCWD, FolderOf(target).c_str(), W_OK | X_OK, AT_EACCESS) != 0;
}

}  // namespace

FileReplacement::FileReplacement(std::string path)
    : path_(std::move(path)), target_(ResolveTarget(path_)), shownAs_(path_), sink_(-1) {
  if (path_.empty()) {
    Failure(EINVAL);
    return;
  }
  const TargetState state = CheckTarget(target_);
  if (state.refusal != 0) {
    Failure(state.refusal);
    return;
  }
  existed_ = state.exists;
  if (!existed_ && target_ != path_) shownAs_ = target_;
  if (NeedsInPlace(target_, state)) {
    inPlace_ = true;
    return;
  }
  const std::string folder = FolderOf(target_);
  std::string candidate = TemporaryPath(folder, "tmp");
  TrackTemporary(candidate);
  const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) {
    const int error = errno;
    UntrackTemporary(candidate);
    Failure(error);
    return;
  }
  fd_ = UniqueFd(fd);
  temporary_ = std::move(candidate);
  if (existed_) {
    // The new file keeps the permissions, and where this process may, the owner and group of the one it replaces.
    if (::fchown(fd_.Get(), state.info.st_uid, state.info.st_gid) != 0) {
      [[maybe_unused]] const int ignored = ::fchown(fd_.Get(), static_cast<uid_t>(-1), state.info.st_gid);
    }
    if (::fchmod(fd_.Get(), state.info.st_mode & 07777) != 0) {
      Failure(errno);
      return;
    }
  }
  sink_ = FileSink(fd_.Get());
}

FileReplacement::~FileReplacement() { RemoveTemporary(); }

ByteSink& FileReplacement::Sink() {
  if (inPlace_ && status_.Ok()) return inPlaceContent_;
  return sink_;
}

FileResult FileReplacement::Finish() {
  if (!status_.Ok() || finished_) return status_;
  if (inPlace_) {
    // Reserve the whole new size first, so that a full disk or a size limit
    // refuses the write while the old bytes are still all there.
    fd_ = UniqueFd(::open(target_.c_str(), O_WRONLY | O_CLOEXEC));
    if (!fd_.Valid()) return Failure(errno);
    const auto size = static_cast<off_t>(inPlaceContent_.Bytes().size());
    rlimit limit{};
    if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY &&
        static_cast<rlim_t>(size) > limit.rlim_cur) {
      return Failure(EFBIG);
    }
    if (size > 0 && ::fallocate(fd_.Get(), FALLOC_FL_KEEP_SIZE, 0, size) != 0 && errno != EOPNOTSUPP) {
      return Failure(errno);
    }
    finished_ = true;
    return {};
  }
  if (!sink_.Flush()) return Discard();
  if (::fsync(fd_.Get()) != 0) return Failure(errno);
  if (const int error = fd_.Close(); error != 0) return Failure(error);
  finished_ = true;
  return {};
}

FileResult FileReplacement::CommitInPlace() {
  const std::string& bytes = inPlaceContent_.Bytes();
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t written = ::pwrite(fd_.Get(), bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return Failure(written < 0 ? errno : EIO);
    done += static_cast<std::size_t>(written);
  }
  if (::ftruncate(fd_.Get(), static_cast<off_t>(bytes.size())) != 0 || ::fsync(fd_.Get()) != 0) return Failure(errno);
  if (const int error = fd_.Close(); error != 0) return Failure(error);
  return {};
}

FileResult FileReplacement::Commit() {
  if (FileResult finished = Finish(); !finished.Ok()) return finished;
  if (inPlace_) return CommitInPlace();
  if (::rename(temporary_.c_str(), target_.c_str()) != 0) return Failure(errno);
  UntrackTemporary(temporary_);
  temporary_.clear();
  return {};
}

FileResult FileReplacement::Discard() {
  if (!status_.Ok()) return status_;
  return Failure(sink_.Error() != 0 ? sink_.Error() : EIO);
}

FileResult FileReplacement::FailureOf(int error) const {
  // A folder that is there yet answers a new file with "no such file" is one that takes none (/proc).
  struct stat folder {};
  if (error == ENOENT && ::stat(FolderOf(target_).c_str(), &folder) == 0 && S_ISDIR(folder.st_mode)) {
    return FileFailure(FileStatus::FolderTakesNoFile, shownAs_);
  }
  return FileFailureFromErrno(error, FileAccess::Write, shownAs_);
}

FileResult FileReplacement::Failure(int error) {
  sink_.Fail(error);
  RemoveTemporary();
  FileResult failure = FailureOf(error);
  if (status_.Ok()) status_ = failure;
  return failure;
}

void FileReplacement::RemoveTemporary() {
  fd_.Close();
  if (temporary_.empty()) return;
  ::unlink(temporary_.c_str());
  UntrackTemporary(temporary_);
  temporary_.clear();
}

}  // namespace vantor::files
