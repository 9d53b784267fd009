#pragma once

#include <cstdint>
#include <vector>

namespace vantor::platform {

class SizedFace;

/// One pair adjustment: after `first`, the pen moves `amount` pixels more (negative: closer).
struct KerningPair {
  std::uint32_t first = 0;
  std::uint32_t second = 0;
  int amount = 0;

  friend bool operator==(const KerningPair&, const KerningPair&) = default;
};

/// The pair adjustments the face itself defines (OpenType pair positioning, or
/// the legacy kern table where there is none) between every ordered pair of
/// `codePoints`, scaled to the face's pixel size and rounded; zero pairs are left
/// out. Sorted by first, then second.
std::vector<KerningPair> FaceKerning(const SizedFace& face, const std::vector<std::uint32_t>& codePoints);

}  // namespace vantor::platform
