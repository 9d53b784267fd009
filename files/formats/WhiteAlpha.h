#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace vantor::files {

/// The four bytes FF FF FF and the red byte of 0x00RRGGBB (the coverage) as
/// they lie in memory: a white pixel with the coverage as alpha, in the byte
/// order both the TGA (B G R A) and an RGBA PNG use.
inline std::uint32_t WhiteAlpha(std::uint32_t pixel) {
  // Little-endian: 0xRR?????? with the low three bytes set; the shift drops the unused top byte.
  if constexpr (std::endian::native == std::endian::little) return (pixel << 8) | 0x00FFFFFFu;
  return ((pixel >> 16) & 0xFF) | 0xFFFFFF00u;
}

/// Converts `width` pixels of a texture row into white-with-alpha records. Fixed
/// groups copied through local arrays: with a known count and no possible overlap
/// the compiler turns each group into vector code.
inline void WhiteAlphaRow(const std::uint32_t* pixels, std::uint32_t* records, std::size_t width) {
  constexpr std::size_t kGroup = 8;
  std::size_t x = 0;
  for (; x + kGroup <= width; x += kGroup) {
    std::uint32_t group[kGroup];
    std::memcpy(group, pixels + x, sizeof group);
    for (std::uint32_t& value : group) value = WhiteAlpha(value);
    std::memcpy(records + x, group, sizeof group);
  }
  for (; x < width; ++x) records[x] = WhiteAlpha(pixels[x]);
}

}  // namespace vantor::files
