#pragma once

#include <cstdint>
#include <optional>

namespace vantor::platform {

/// The vertical metrics of a face in font units, as the platform sizes fonts by them.
struct FaceMetrics {
  int unitsPerEm = 0;
  int ascent = 0;   ///< OS/2 usWinAscent, or the hhea ascender when both usWin values are 0
  int descent = 0;  ///< OS/2 usWinDescent, or minus the hhea descender
  int averageWidth = 0;  ///< OS/2 xAvgCharWidth, 0 when the face has none
};

/// A face's size in pixels for one requested height.
struct CellSize {
  int ppem = 0;     ///< pixels per em
  int ascent = 0;   ///< scaled ascent, whole pixels
  int descent = 0;  ///< scaled descent, whole pixels
  /// Height of the character cell: ascent plus descent.
  int Height() const { return ascent + descent; }
};

/// The largest cell height a font may have; taller requests make no font.
inline constexpr int kMaxCellHeight = 4096;

/// Sizes a face for a requested height: > 0 is the cell height, < 0 the em
/// height, 0 counts as a cell of 16. Nothing when the cell would pass 4096 pixels.
std::optional<CellSize> ComputeCellSize(const FaceMetrics& metrics, std::int64_t requestedHeight);

}  // namespace vantor::platform
