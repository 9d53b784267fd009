#pragma once

#include "files/disk/ByteSink.h"
#include "platform/Bitmap.h"

namespace vantor::files {

/// Writes `texture` as an 8-bit RGBA PNG with the same pixels as the texture
/// file: white, the coverage (the red byte) as alpha. False when there is no
/// texture, the encoder refuses it or the sink failed.
[[nodiscard]] bool WritePngPage(ByteSink& out, const platform::Bitmap* texture);

}  // namespace vantor::files
