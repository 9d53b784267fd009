#pragma once

// The disk layer: writing, reading and replacing files, knowing no format.
// Encoders write into a ByteSink; the one place that puts bytes into named
// files is ReplaceFiles, which replaces a whole set of them as one.
//
// How a set of files is replaced as one:
//
// 1. Every folder of the set is locked (flock on the folder, in name order), so
//    two saves into the same folder, such as two bakes of one BASE, take turns.
// 2. Leftovers of processes that no longer run are put in order first: a journal
//    of theirs is finished, their other temporaries are removed. Temporaries are
//    named ".vantor-<pid>-<n>.<kind>", so the pid says whether the owner runs.
// 3. Each new file is written to a temporary beside its target, flushed and synced.
//    Nothing has changed yet: any failure up to here removes the temporaries.
// 4. Each old file gets a second hard link, so it can be put back.
// 5. SIGTERM, SIGINT and SIGHUP are held back. A journal naming every temporary,
//    target and backup is written and renamed into place, whole or not at all.
// 6. The renames follow each other with nothing in between. If one fails, the
//    ones done are undone from the backups and the failure says nothing changed.
// 7. The folders are synced once, then the backups and the journal are removed
//    and the signals let through: a signal that came meanwhile now removes what
//    temporaries are left and ends the process with 128 + its number.
//
// Files of the set that are to go (the pages an older font had beyond the new
// one's) get their second link in step 4 and are removed in step 6, undone and
// finished like the renames.
//
// A SIGKILL during step 6 leaves the journal, which the next save into the folder
// finishes before it does anything else: the journal exists only once every new
// file was whole. A file that must be rewritten in place (see FileReplacement)
// cannot be renamed, so it is written before the renames and is not undone.
//
//   std::vector<FileOutput> outputs = {{"font.tga", writeTexture}, {"font.txt", writeParams}};
//   if (FileResult result = ReplaceFiles(outputs); !result.Ok()) Report(result.message);

#include "files/disk/ByteSink.h"
#include "files/disk/FileResult.h"

#include <functional>
#include <string>
#include <vector>

namespace vantor::files {

/// One file of a set replaced together: where it goes and what writes its content.
struct FileOutput {
  std::string path;                         ///< the target, as the user named it
  std::function<bool(ByteSink&)> write;     ///< false when it could not write everything
};

/// Replaces every file of `outputs` as one, and removes every file of `removals`
/// with them: each new file is written whole and synced before any target is
/// touched; on failure every target, and every file to remove, stays as it was.
FileResult ReplaceFiles(const std::vector<FileOutput>& outputs, const std::vector<std::string>& removals = {});

/// Replaces the file at `path` with what `write` puts into the sink, as a set of one.
FileResult ReplaceFile(const std::string& path, const std::function<bool(ByteSink&)>& write);

}  // namespace vantor::files
