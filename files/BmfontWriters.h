#pragma once

#include "files/BitmapFont.h"
#include "files/ByteSink.h"

#include <optional>
#include <string_view>

namespace vantor::files {

/// The three encodings of a bitmap-font descriptor.
enum class BmfontVariant { Text, Xml, Binary };

/// The variant a format name ("fnt", "fnt-xml", "fnt-binary") stands for; none for other names.
std::optional<BmfontVariant> BmfontVariantNamed(std::string_view name);

/// Writes `font` as the text descriptor: info, common, page, chars, char, kernings, kerning lines.
[[nodiscard]] bool WriteBmfontText(ByteSink& out, const BitmapFontDescription& font);
/// Writes `font` as the XML descriptor: a <font> element with info, common, pages, chars, kernings.
[[nodiscard]] bool WriteBmfontXml(ByteSink& out, const BitmapFontDescription& font);
/// Writes `font` as the binary descriptor, version 3, little-endian; false, having
/// written nothing, when a value does not fit its field.
[[nodiscard]] bool WriteBmfontBinary(ByteSink& out, const BitmapFontDescription& font);
/// Writes `font` in `variant`.
[[nodiscard]] bool WriteBmfont(ByteSink& out, const BitmapFontDescription& font, BmfontVariant variant);

}  // namespace vantor::files
