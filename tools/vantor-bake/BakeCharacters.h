#pragma once

#include "BakeOptions.h"
#include "files/formats/CharacterSet.h"

#include <string>
#include <vector>

namespace vantor::bake {

/// Reads every --chars list and --chars-file of `options` into `set`, in order; stops at
/// the first refusal. An empty set is refused when any source was given.
files::CharacterResult GatherCharacters(const BakeOptions& options, files::CharacterSet& set);

/// How many code points shown of the characters the face lacks.
inline constexpr std::size_t kMissingShown = 8;

/// The line reporting the characters the face (with `fallbacks`, every face) lacks: their
/// count and the first kMissingShown as U+XXXX; empty when none is lacking.
std::string DescribeMissing(const std::vector<char32_t>& missing, bool fallbacks = false);

}  // namespace vantor::bake
