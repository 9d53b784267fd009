#pragma once

#include "files/ByteSink.h"
#include "files/FileResult.h"
#include "files/FileSink.h"
#include "files/UniqueFd.h"

#include <functional>
#include <string>

namespace vantor::files {

/// The new content of a file, written to a temporary file in the target's
/// folder and put in the target's place only when it is whole and on disk.
/// Until Commit succeeds the target stays exactly as it was; a replacement that
/// is not committed removes its temporary file.
class FileReplacement {
 public:
  /// Checks the target and creates the temporary file; see Status().
  explicit FileReplacement(std::string path);
  ~FileReplacement();
  FileReplacement(const FileReplacement&) = delete;
  FileReplacement& operator=(const FileReplacement&) = delete;

  /// Ok when the new content can be written; the failure (with the full path) otherwise.
  const FileResult& Status() const { return status_; }
  /// Where the new content goes; it takes nothing when Status() is a failure.
  ByteSink& Sink() { return sink_; }
  /// Writes out, syncs and closes the temporary file, leaving the target untouched;
  /// on failure the temporary file is removed. Lets several files be whole before any is renamed.
  FileResult Finish();
  /// Finishes if that is still to do, then renames the temporary file over the
  /// target; on failure the temporary file is removed and the target untouched.
  FileResult Commit();
  /// Gives the replacement up: removes the temporary file and returns the sink's
  /// failure, or the unknown error when the sink did not fail.
  FileResult Discard();

 private:
  FileResult Failure(int error);
  void RemoveTemporary();

  std::string path_;    // as the caller named it, for messages
  std::string target_;  // the file actually replaced: `path_` with a symbolic link followed
  std::string temporary_;
  UniqueFd fd_;
  FileSink sink_;
  FileResult status_;
  bool finished_ = false;
};

/// Replaces the file at `path` with what `write` puts into the sink, safely as
/// FileReplacement does; `write` returns false when it could not write everything.
FileResult ReplaceFile(const std::string& path, const std::function<bool(ByteSink&)>& write);

}  // namespace vantor::files
