#include "files/disk/SaveJournal.h"

#include "files/disk/Temporaries.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <memory>
#include <thread>

namespace vantor::files {

namespace {

constexpr std::string_view kJournalKind = "journal";
constexpr std::string_view kUnfinishedJournalKind = "journal-part";
// A journal lists a few file names; anything larger is not one of ours.
constexpr off_t kMaxJournalSize = 1 << 20;
constexpr std::chrono::milliseconds kLockWaitNoticeAfter{1000};
constexpr std::chrono::milliseconds kLockRetry{10};

LockWaitNotice lockWaitNotice = nullptr;

struct DirCloser {
  void operator()(DIR* dir) const { ::closedir(dir); }
};

bool Gone(pid_t pid) { return ::kill(pid, 0) != 0 && errno == ESRCH; }

std::string FileNameOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool EndsWith(std::string_view name, std::string_view kind) {
  return name.size() > kind.size() && name.ends_with(kind) && name[name.size() - kind.size() - 1] == '.';
}

// The names in `folder` that are temporaries of processes no longer running.
std::vector<std::string> Leftovers(const std::string& folder) {
  std::vector<std::string> names;
  const std::unique_ptr<DIR, DirCloser> dir(::opendir(folder.c_str()));
  if (!dir) return names;
  while (const dirent* entry = ::readdir(dir.get())) {
    const pid_t owner = TemporaryOwner(entry->d_name);
    if (owner != 0 && owner != ::getpid() && Gone(owner)) names.emplace_back(entry->d_name);
  }
  return names;
}

bool WriteAll(int fd, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    done += static_cast<std::size_t>(written);
  }
  return true;
}

bool SameFile(const std::string& a, const std::string& b) {
  struct stat first {}, second {};
  return ::lstat(a.c_str(), &first) == 0 && ::lstat(b.c_str(), &second) == 0 && first.st_dev == second.st_dev &&
         first.st_ino == second.st_ino;
}

std::string ReadJournal(const std::string& path) {
  const UniqueFd fd(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
  struct stat info {};
  if (!fd.Valid() || ::fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > kMaxJournalSize) {
    return {};
  }
  std::string bytes(static_cast<std::size_t>(info.st_size), '\0');
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t got = ::read(fd.Get(), bytes.data() + done, bytes.size() - done);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return {};
    done += static_cast<std::size_t>(got);
  }
  return bytes;
}

// Completes the set of the journal at `path`, written by `owner`. The journal is
// read as untrusted: only temporaries of that same process are renamed or removed.
void FinishJournal(const std::string& path, pid_t owner) {
  const std::string bytes = ReadJournal(path);
  std::vector<std::string> fields;
  for (std::size_t start = 0, end; (end = bytes.find('\0', start)) != std::string::npos; start = end + 1) {
    fields.push_back(bytes.substr(start, end - start));
  }
  const auto ours = [owner](const std::string& file) { return TemporaryOwner(FileNameOf(file)) == owner; };
  for (std::size_t i = 0; i + 2 < fields.size(); i += 3) {
    const std::string& temporary = fields[i];
    const std::string& target = fields[i + 1];
    const std::string& backup = fields[i + 2];
    if (target.empty() || (!backup.empty() && !ours(backup))) continue;
    if (temporary.empty()) {
      // A file to remove: only while the backup of that process is still a link to it.
      if (!backup.empty() && SameFile(target, backup)) ::unlink(target.c_str());
    } else if (ours(temporary)) {
      ::rename(temporary.c_str(), target.c_str());
    } else {
      continue;
    }
    if (!backup.empty()) ::unlink(backup.c_str());
  }
  ::unlink(path.c_str());
}

}  // namespace

std::string WriteJournal(const std::string& folder, const std::vector<JournalEntry>& entries, int& error) {
  std::string bytes;
  for (const JournalEntry& entry : entries) {
    for (const std::string* field : {&entry.temporary, &entry.target, &entry.backup}) {
      bytes += *field;
      bytes += '\0';
    }
  }
  // Written under another name and renamed, so a journal is whole or absent.
  const std::string part = TemporaryPath(folder, kUnfinishedJournalKind);
  const std::string journal = TemporaryPath(folder, kJournalKind);
  TrackTemporary(part);
  errno = 0;
  UniqueFd fd(::open(part.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
  // Not synced: the journal guards against the process being killed, which the
  // page cache survives; the new files themselves are synced before it is written.
  const bool written = fd.Valid() && WriteAll(fd.Get(), bytes) && fd.Close() == 0 &&
                       ::rename(part.c_str(), journal.c_str()) == 0;
  error = written ? 0 : errno != 0 ? errno : EIO;
  UntrackTemporary(part);
  if (!written) {
    ::unlink(part.c_str());
    return {};
  }
  return journal;
}

void RecoverFolders(const std::vector<std::string>& folders) {
  // Journals first, in every folder: a set's temporaries may lie beside another folder's journal.
  for (const std::string& folder : folders) {
    for (const std::string& name : Leftovers(folder)) {
      if (EndsWith(name, kJournalKind)) FinishJournal(folder + "/" + name, TemporaryOwner(name));
    }
  }
  for (const std::string& folder : folders) {
    for (const std::string& name : Leftovers(folder)) ::unlink((folder + "/" + name).c_str());
  }
}

void SetLockWaitNotice(LockWaitNotice notice) { lockWaitNotice = notice; }

FolderLock::FolderLock(const std::string& folder)
    : fd_(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
  if (!fd_.Valid()) return;
  // Tried without blocking for a while first, so a long wait can be told apart.
  const auto start = std::chrono::steady_clock::now();
  while (::flock(fd_.Get(), LOCK_EX | LOCK_NB) != 0) {
    if (errno == EINTR) continue;
    if (errno != EWOULDBLOCK) return;
    if (std::chrono::steady_clock::now() - start >= kLockWaitNoticeAfter) {
      if (lockWaitNotice != nullptr) lockWaitNotice(folder);
      while (::flock(fd_.Get(), LOCK_EX) != 0 && errno == EINTR) {
      }
      return;
    }
    std::this_thread::sleep_for(kLockRetry);
  }
}

}  // namespace vantor::files
