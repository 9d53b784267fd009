#pragma once

#include "files/formats/bmfont/BitmapFont.h"
#include "files/disk/ByteSink.h"
#include "files/formats/OutputFormat.h"


namespace vantor::files {

/// Writes `font` as the text descriptor: info, common, page, chars, char, kernings, kerning lines.
[[nodiscard]] bool WriteBmfontText(ByteSink& out, const BitmapFontDescription& font);
/// Writes `font` as the XML descriptor: a <font> element with info, common, pages, chars, kernings.
[[nodiscard]] bool WriteBmfontXml(ByteSink& out, const BitmapFontDescription& font);
/// Writes `font` as the binary descriptor, version 3, little-endian; false, having
/// written nothing, when a value does not fit its field.
[[nodiscard]] bool WriteBmfontBinary(ByteSink& out, const BitmapFontDescription& font);
/// Writes `font` in the descriptor format `format`; false, having written nothing, for Params.
[[nodiscard]] bool WriteBmfont(ByteSink& out, const BitmapFontDescription& font, OutputFormat format);

}  // namespace vantor::files
