#pragma once

#include "files/disk/ByteSink.h"
#include "files/disk/FileResult.h"
#include "files/disk/FileSink.h"
#include "files/disk/UniqueFd.h"

#include <sys/types.h>

#include <functional>
#include <string>

namespace vantor::files {

/// The new content of one file. Normally it is written to a temporary file in
/// the target's folder and renamed over the target when whole and on disk, so
/// until Commit the target stays exactly as it was. Where a rename would lose
/// the file's identity (a folder this process cannot write, or a file with other
/// hard links) the target is rewritten in place instead, after its room is
/// reserved. A replacement that is not committed removes its temporary file.
class FileReplacement {
 public:
  /// Checks the target and prepares the new content's place; see Status().
  explicit FileReplacement(std::string path);
  ~FileReplacement();
  FileReplacement(const FileReplacement&) = delete;
  FileReplacement& operator=(const FileReplacement&) = delete;

  /// Ok when the new content can be written; the failure (with the full path) otherwise.
  const FileResult& Status() const { return status_; }
  /// Where the new content goes; it takes nothing when Status() is a failure.
  ByteSink& Sink();
  /// Writes out and syncs the temporary file (in place: reserves the new size on
  /// disk), leaving the target untouched; on failure the temporary file is removed.
  FileResult Finish();
  /// Finishes if that is still to do, then puts the new content in the target's
  /// place; on failure the temporary file is removed and the target untouched.
  FileResult Commit();
  /// Gives the replacement up: removes the temporary file and returns the sink's
  /// failure, or the unknown error when the sink did not fail.
  FileResult Discard();

  /// True when the target is rewritten in place rather than replaced by a rename.
  bool InPlace() const { return inPlace_; }
  /// True when a file stood at the target before.
  bool Existed() const { return existed_; }
  /// The file actually replaced: the path with symbolic links followed.
  const std::string& Target() const { return target_; }
  /// The temporary file holding the new content; empty in place or once renamed.
  const std::string& Temporary() const { return temporary_; }
  /// The failure of errno `error` for this file, without changing anything.
  FileResult FailureOf(int error) const;

 private:
  FileResult Failure(int error);
  void RemoveTemporary();
  FileResult CommitInPlace();

  std::string path_;     // as the caller named it, for messages
  std::string target_;   // the file actually replaced: `path_` with symbolic links followed
  std::string shownAs_;  // the path messages name: the target when a link points nowhere yet
  std::string temporary_;
  UniqueFd fd_;
  FileSink sink_;
  MemorySink inPlaceContent_;
  FileResult status_;
  bool finished_ = false;
  bool inPlace_ = false;
  bool existed_ = false;
};

}  // namespace vantor::files
