#include "platform/CellSize.h"

#include <cmath>

namespace vantor::platform {

namespace {

constexpr std::int64_t kDefaultCellHeight = 16;

CellSize Scale(const FaceMetrics& metrics, std::int64_t ppem) {
  const double scale = static_cast<double>(ppem) / metrics.unitsPerEm;
  CellSize size;
  size.ppem = static_cast<int>(ppem);
  size.ascent = static_cast<int>(std::lround(metrics.ascent * scale));
  size.descent = static_cast<int>(std::lround(metrics.descent * scale));
  return size;
}

}  // namespace

std::optional<CellSize> ComputeCellSize(const FaceMetrics& metrics, std::int64_t requestedHeight) {
  if (metrics.unitsPerEm <= 0) return std::nullopt;
  const std::int64_t height = requestedHeight == 0 ? kDefaultCellHeight : requestedHeight;
  std::int64_t ppem = 0;
  if (height < 0) {
    ppem = -height;
  } else {
    std::int64_t cellUnits = static_cast<std::int64_t>(metrics.ascent) + metrics.descent;
    if (cellUnits <= 0) cellUnits = metrics.unitsPerEm;
    ppem = (static_cast<std::int64_t>(metrics.unitsPerEm) * height + cellUnits / 2) / cellUnits;
    if (ppem > 1 && Scale(metrics, ppem).Height() > height) --ppem;
    if (ppem < 1) ppem = 1;
  }
  // Reject before scaling: a cell above the limit needs no exact figure.
  if (ppem > 4 * kMaxCellHeight) return std::nullopt;
  const CellSize size = Scale(metrics, ppem);
  if (size.Height() > kMaxCellHeight || size.ascent < 0 || size.descent < 0) return std::nullopt;
  return size;
}

}  // namespace vantor::platform
