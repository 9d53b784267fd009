#include "files/formats/TextureTga.h"

#include "files/formats/WhiteAlpha.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace vantor::files {

namespace {

// Rows are converted into a block of about this size and written in one go,
// so a large texture costs few writes and no copy of the whole image.
constexpr std::size_t kBlockBytes = 256 * 1024;

std::array<std::uint8_t, kTgaHeaderSize> Header(int width, int height) {
  const auto low = [](int value) { return static_cast<std::uint8_t>(value & 0xFF); };
  const auto high = [](int value) { return static_cast<std::uint8_t>((value >> 8) & 0xFF); };
  return {0, 0, 2,                                 // no id, no colour map, uncompressed true-colour
          0, 0, 0, 0, 0,                           // colour map: first entry, length, entry size
          0, 0, 0, 0,                              // x and y origin
          low(width), high(width), low(height), high(height),
          32, 8};                                  // 32 bits a pixel; 8 alpha bits, origin bottom left
}

}  // namespace

bool TgaCanDescribe(const platform::Bitmap* texture) {
  return texture == nullptr || (texture->Width() <= kTgaMaxSide && texture->Height() <= kTgaMaxSide);
}

bool WriteTextureTga(ByteSink& out, const platform::Bitmap* texture) {
  if (!TgaCanDescribe(texture)) return false;
  const int width = texture != nullptr ? texture->Width() : 0;
  const int height = texture != nullptr ? texture->Height() : 0;
  const auto header = Header(width, height);
  if (!out.Write(header.data(), header.size())) return false;
  if (width == 0 || height == 0) return true;

  const std::size_t rowBytes = std::size_t{4} * static_cast<std::size_t>(width);
  const std::size_t rowsPerBlock = std::max<std::size_t>(1, kBlockBytes / rowBytes);
  std::vector<std::uint32_t> block(rowsPerBlock * static_cast<std::size_t>(width));
  std::size_t used = 0;
  for (int y = height - 1; y >= 0; --y) {
    WhiteAlphaRow(texture->Row(y), block.data() + used, static_cast<std::size_t>(width));
    used += static_cast<std::size_t>(width);
    if (used == block.size() || y == 0) {
      if (!out.Write(block.data(), used * 4)) return false;
      used = 0;
    }
  }
  return true;
}

}  // namespace vantor::files
