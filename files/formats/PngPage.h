#pragma once

#include "engine/ColourImage.h"
#include "files/disk/ByteSink.h"
#include "platform/Bitmap.h"

namespace vantor::files {

/// Writes `texture` as an 8-bit RGBA PNG with the same pixels as the texture
/// file: white, the coverage (the red byte) as alpha. False when there is no
/// texture, the encoder refuses it or the sink failed.
[[nodiscard]] bool WritePngPage(ByteSink& out, const platform::Bitmap* texture);

/// Writes `image` as an 8-bit RGBA PNG, its bytes as they are (not premultiplied).
/// False when there is no image, the encoder refuses it or the sink failed.
[[nodiscard]] bool WriteColourPngPage(ByteSink& out, const ColourImage* image);

}  // namespace vantor::files
