#pragma once

#include "files/ByteSink.h"
#include "files/FileResult.h"

#include <functional>
#include <string>
#include <vector>

namespace vantor::files {

/// One file of a set replaced together: where it goes and what writes its content.
struct FileOutput {
  std::string path;                         ///< the target, as the user named it
  std::function<bool(ByteSink&)> write;     ///< false when it could not write everything
};

/// Replaces every file of `outputs` as one: each new file is written whole and
/// synced before any target is touched; on failure every target stays as it was.
FileResult ReplaceFiles(const std::vector<FileOutput>& outputs);

}  // namespace vantor::files
