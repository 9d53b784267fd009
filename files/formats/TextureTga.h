#pragma once

#include "files/disk/ByteSink.h"
#include "platform/Bitmap.h"

#include <cstddef>

namespace vantor::files {

/// Size of the TGA header that starts every texture file.
inline constexpr std::size_t kTgaHeaderSize = 18;
/// Largest width and height the header's 16-bit fields can describe.
inline constexpr int kTgaMaxSide = 65535;

/// True when the header can describe `texture` (null: a 0 × 0 image).
bool TgaCanDescribe(const platform::Bitmap* texture);

/// Writes `texture` (null: none) as an uncompressed 32-bit TGA: the 18-byte header,
/// then the rows bottom-up, each pixel FF FF FF and its red byte as alpha.
/// False, having written nothing, when the texture is too large, or when the sink failed.
[[nodiscard]] bool WriteTextureTga(ByteSink& out, const platform::Bitmap* texture);

}  // namespace vantor::files
