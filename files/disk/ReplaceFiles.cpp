#include "files/disk/ReplaceFiles.h"

#include "files/disk/FileReplacement.h"
#include "files/disk/SaveJournal.h"
#include "files/disk/Temporaries.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <memory>

namespace vantor::files {

namespace {

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

void SyncFolder(const std::string& folder) {
  const UniqueFd fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.Valid()) ::fsync(fd.Get());
}

// The old content of a target under a second name, until the set is in place.
std::string KeepOld(const FileReplacement& replacement) {
  if (!replacement.Existed() || replacement.InPlace()) return {};
  std::string backup = TemporaryPath(FolderOf(replacement.Target()), "old");
  TrackTemporary(backup);
  if (::link(replacement.Target().c_str(), backup.c_str()) == 0) return backup;
  UntrackTemporary(backup);
  return {};
}

// A second link to the file at `path` (a symbolic link itself, not what it points
// to), so its removal can be undone; empty when there is no such file or no link.
std::string KeepRemoved(const std::string& path) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0 || S_ISDIR(info.st_mode)) return {};
  std::string backup = TemporaryPath(FolderOf(path), "old");
  TrackTemporary(backup);
  if (::linkat(AT_FDCWD, path.c_str(), AT_FDCWD, backup.c_str(), 0) == 0) return backup;
  UntrackTemporary(backup);
  return {};
}

void Remove(const std::string& path) {
  if (path.empty()) return;
  ::unlink(path.c_str());
  UntrackTemporary(path);
}

}  // namespace

FileResult ReplaceFiles(const std::vector<FileOutput>& outputs, const std::vector<std::string>& removals) {
  std::vector<std::unique_ptr<FileReplacement>> replacements;
  std::vector<std::string> folders;
  for (const FileOutput& output : outputs) {
    replacements.push_back(std::make_unique<FileReplacement>(output.path));
    folders.push_back(FolderOf(replacements.back()->Target()));
  }
  for (const std::string& removal : removals) folders.push_back(FolderOf(removal));
  std::sort(folders.begin(), folders.end());
  folders.erase(std::unique(folders.begin(), folders.end()), folders.end());
  std::vector<std::unique_ptr<FolderLock>> locks;
  for (const std::string& folder : folders) locks.push_back(std::make_unique<FolderLock>(folder));
  RecoverFolders(folders);

  for (std::size_t i = 0; i < outputs.size(); ++i) {
    FileReplacement& replacement = *replacements[i];
    if (!replacement.Status().Ok()) return replacement.Status();
    if (!outputs[i].write(replacement.Sink())) return replacement.Discard();
  }
  for (auto& replacement : replacements) {
    if (FileResult done = replacement->Finish(); !done.Ok()) return done;
  }
  for (auto& replacement : replacements) {
    if (!replacement->InPlace()) continue;
    if (FileResult done = replacement->Commit(); !done.Ok()) return done;
  }

  std::vector<JournalEntry> entries;
  for (auto& replacement : replacements) {
    if (replacement->InPlace()) continue;
    entries.push_back({replacement->Temporary(), replacement->Target(), KeepOld(*replacement)});
  }
  // A file to remove stands in the journal with no temporary; one that cannot be kept is left.
  for (const std::string& removal : removals) {
    if (std::string backup = KeepRemoved(removal); !backup.empty()) entries.push_back({{}, removal, std::move(backup)});
  }
  const SignalsHeld held;
  // One rename is all or nothing by itself; a set needs the journal.
  int journalError = 0;
  const std::string journal = entries.size() > 1 ? WriteJournal(folders.front(), entries, journalError) : std::string();
  if (entries.size() > 1 && journal.empty()) {
    for (const JournalEntry& entry : entries) Remove(entry.backup);
    return replacements.front()->FailureOf(journalError);
  }
  FileResult result;
  std::size_t renamed = 0;
  for (; renamed < entries.size(); ++renamed) {
    const JournalEntry& entry = entries[renamed];
    const bool removal = entry.temporary.empty();
    if ((removal ? ::unlink(entry.target.c_str()) : ::rename(entry.temporary.c_str(), entry.target.c_str())) != 0) {
      const int error = errno;
      result = FileFailureFromErrno(error, FileAccess::Write, entry.target);
      for (auto& replacement : replacements) {
        if (replacement->Target() == entry.target) result = replacement->FailureOf(error);
      }
      break;
    }
    UntrackTemporary(entry.temporary);
  }
  if (renamed < entries.size()) {
    // Put back what was replaced: a backup over its target, or no file where there was none.
    for (std::size_t i = 0; i < renamed; ++i) {
      if (!entries[i].backup.empty()) {
        ::rename(entries[i].backup.c_str(), entries[i].target.c_str());
      } else {
        ::unlink(entries[i].target.c_str());
      }
    }
    if (renamed > 0 || entries.size() > 1) result.message += std::string(" ") + kNothingChangedText;
  }
  for (const std::string& folder : folders) SyncFolder(folder);
  for (const JournalEntry& entry : entries) Remove(entry.backup);
  if (!journal.empty()) ::unlink(journal.c_str());
  return result;
}

FileResult ReplaceFile(const std::string& path, const std::function<bool(ByteSink&)>& write) {
  return ReplaceFiles({{path, write}});
}

}  // namespace vantor::files
