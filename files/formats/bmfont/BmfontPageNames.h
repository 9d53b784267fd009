#pragma once

// Reading back which page files a descriptor names, so a new bake of the same
// base can remove the pages of the old one it no longer has.

#include <string>
#include <string_view>
#include <vector>

namespace vantor::files {

/// The page file names the descriptor `bytes` names, in the text, XML or binary
/// format, in the order they stand; what cannot be read as a page name is skipped.
/// The bytes are untrusted: the names are as written, not checked as paths.
std::vector<std::string> BmfontPageNames(std::string_view bytes);

}  // namespace vantor::files
