#pragma once

#include "engine/Fonter.h"
#include "files/disk/FileResult.h"
#include "platform/Bitmap.h"

#include <string>

namespace vantor::files {

/// Ok when `texture` (null: a 0 × 0 image) can be written: its sides fit the 16-bit
/// fields of the TGA header and of a descriptor's page size; else the failure
/// `tooLarge` (TextureTooLarge for a TGA file, PageTooLarge for a page) naming `path`.
FileResult CheckTextureSize(const platform::Bitmap* texture, const std::string& path,
                            FileStatus tooLarge = FileStatus::TextureTooLarge);

/// Writes the texture file at `path` through a safe replace; on failure the
/// file at `path` is as it was and the result says why.
FileResult WriteTextureTga(const std::string& path, const platform::Bitmap* texture);

/// Writes the params file at `path` through a safe replace; on failure the
/// file at `path` is as it was and the result says why.
FileResult WriteParamsFile(const std::string& path, const Fonter& engine);

}  // namespace vantor::files
