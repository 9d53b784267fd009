#pragma once

// The face's kerning found the slow way, for tests to hold the real one against:
// every ordered pair of the characters is shaped, whatever the face's tables say.

#include "platform/Kerning.h"

#include <cstdint>
#include <vector>

namespace vantor::platform {

/// What FaceKerning promises, measured by shaping each of the n * n pairs of `codePoints` on its own, in its script.
std::vector<KerningPair> EveryPairKerning(const SizedFace& face, const std::vector<std::uint32_t>& codePoints);

}  // namespace vantor::platform
