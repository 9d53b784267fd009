#pragma once

#include <cstddef>
#include <cstdint>

namespace vantor::platform {

/// A logical font description with the fields, widths and meanings of the
/// Windows LOGFONTA record (60 bytes), so descriptions read and write the same.
struct LOGFONTA {
  std::int32_t lfHeight = 0;       ///< > 0 cell height, < 0 em height, 0 default
  std::int32_t lfWidth = 0;        ///< average character width; 0 derives it
  std::int32_t lfEscapement = 0;
  std::int32_t lfOrientation = 0;
  std::int32_t lfWeight = 0;       ///< 0 don't care, 100..900
  std::uint8_t lfItalic = 0;
  std::uint8_t lfUnderline = 0;
  std::uint8_t lfStrikeOut = 0;
  std::uint8_t lfCharSet = 0;
  std::uint8_t lfOutPrecision = 0;
  std::uint8_t lfClipPrecision = 0;
  std::uint8_t lfQuality = 0;
  std::uint8_t lfPitchAndFamily = 0;
  char lfFaceName[32] = {};        ///< NUL-terminated, at most 31 bytes
};

static_assert(sizeof(LOGFONTA) == 60, "LOGFONTA keeps the Windows layout");

/// FW_BOLD: the weight the dialog's Bold box sets and shows, exactly.
inline constexpr std::int32_t kBoldWeight = 700;
/// FW_SEMIBOLD: from this weight on a font is drawn bold: a family's bold face is
/// chosen, or strokes are thickened, and descriptors say bold. Lighter weights
/// never embolden. It differs from kBoldWeight because the Bold box shows one
/// list entry, while drawing treats every heavy weight alike.
inline constexpr std::int32_t kBoldFrom = 600;

/// Copies `name` into `desc.lfFaceName`, cut to 31 bytes at a UTF-8 character boundary.
void SetFaceName(LOGFONTA& desc, const char* name);

/// The longest prefix of `text` of at most `maxBytes` bytes that ends on a UTF-8 character boundary.
std::size_t Utf8PrefixLength(const char* text, std::size_t length, std::size_t maxBytes);

}  // namespace vantor::platform
