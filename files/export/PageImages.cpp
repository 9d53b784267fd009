#include "files/export/PageImages.h"

#include "files/formats/WhiteAlpha.h"

#include <cstring>

namespace vantor::files {

namespace {

ColourImage WhiteWithAlpha(const platform::Bitmap& page) {
  ColourImage image{page.Width(), page.Height(), {}};
  image.rgba.resize(static_cast<std::size_t>(page.Width()) * static_cast<std::size_t>(page.Height()) * 4);
  std::vector<std::uint32_t> records(static_cast<std::size_t>(page.Width()));
  for (int y = 0; y < page.Height(); ++y) {
    WhiteAlphaRow(page.Row(y), records.data(), records.size());
    std::memcpy(image.rgba.data() + static_cast<std::size_t>(y) * records.size() * 4, records.data(), records.size() * 4);
  }
  return image;
}

}  // namespace

std::optional<ColourImage> DrawPageImage(Fonter& engine, const BakeFont& font, std::size_t page) {
  if (font.texture) {
    if (page != 0 || !engine.texture) return std::nullopt;
    return WhiteWithAlpha(*engine.texture);
  }
  if (page >= font.layout->pageHeights.size()) return std::nullopt;
  if (font.layout->effects.Any()) return engine.DrawEffectsPage(*font.layout, page);
  const std::unique_ptr<platform::Bitmap> drawn = engine.DrawSetPage(*font.layout, page);
  if (!drawn) return std::nullopt;
  return WhiteWithAlpha(*drawn);
}

}  // namespace vantor::files
