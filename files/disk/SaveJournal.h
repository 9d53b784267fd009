#pragma once

#include "files/disk/UniqueFd.h"

#include <string>
#include <vector>

namespace vantor::files {

/// One file of a set being replaced: its new content, whole and synced, in
/// `temporary`; the file it replaces; and a hard link that keeps the old content
/// until the set is in place (empty when there was no old file). With no
/// temporary, the target is a file the set removes.
struct JournalEntry {
  std::string temporary;
  std::string target;
  std::string backup;
};

/// Writes the journal of `entries` into `folder` under a name of this process,
/// whole or not at all; its path, or empty when it could not be written, with
/// the cause in `error`.
std::string WriteJournal(const std::string& folder, const std::vector<JournalEntry>& entries, int& error);

/// Puts in order what processes that no longer run left in `folders`: a journal
/// means every new file of its set was whole, so its renames are completed; every
/// other temporary of theirs is removed.
void RecoverFolders(const std::vector<std::string>& folders);

/// Called with the folder when a save has waited about a second for another
/// save's lock on it, so a user can be told why nothing happens; null: no notice.
using LockWaitNotice = void (*)(const std::string& folder);
void SetLockWaitNotice(LockWaitNotice notice);

/// An exclusive lock on a folder, held while it lives: saves into the same folder
/// wait for each other. A folder that cannot be opened is not locked.
class FolderLock {
 public:
  /// Waits until the folder is free, giving the notice once after about a second.
  explicit FolderLock(const std::string& folder);

 private:
  UniqueFd fd_;
};

}  // namespace vantor::files
