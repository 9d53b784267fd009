#pragma once

#include <string>
#include <string_view>

namespace localizer {

/// A file mask taken apart: the directory part (up to and including the last '/' or '\',
/// empty when there is none) and the file-name pattern after it.
struct MaskParts {
    std::string directory;
    std::string pattern;
};

/// Returns mask split into its directory part and its file-name pattern.
MaskParts SplitMask(std::string_view mask);

/// Returns whether name matches pattern byte for byte, where '*' stands for any run of bytes
/// (also none) and '?' for exactly one byte.
bool MatchWildcard(std::string_view pattern, std::string_view name) noexcept;

}  // namespace localizer
