#pragma once

#include "BakeOptions.h"

#include <string>
#include <utility>
#include <vector>

namespace vantor::bake {

/// How a bake ended.
struct BakeResult {
  int status = 0;       ///< the exit status: 0 done, 1 failed, 2 refused (--strict)
  std::string error;    ///< the message for the user when status is not 0
  std::string warning;  ///< said on stderr whatever the status: the face used is not the one named
  std::vector<char32_t> missing;  ///< characters of the set asked for that no face has
  /// With fallback faces: each face drawn from (the face first) and how many characters it drew.
  std::vector<std::pair<std::string, std::size_t>> drawnFrom;
};

/// Builds the texture that `options` ask for (FromParams or FromOptions), or lays out
/// `characters` (sorted, each once) when there are any, and writes its files; on failure
/// says why and leaves the files as they were. `progress` is told of every page drawn.
BakeResult Bake(const BakeOptions& options, const std::vector<char32_t>& characters = {},
                const files::PageProgress& progress = {});

}  // namespace vantor::bake
