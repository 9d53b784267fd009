// The glyph packer on the ink boxes of every character DejaVu Sans has at
// height 32, against a textbook MaxRects packer on the same boxes.
#include "MaxRectsPeer.h"
#include "engine/Fonter.h"
#include "engine/GlyphPacker.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

using vantor::BoxSize;

// The ink box of every character DejaVu Sans has, at height 32, in code-point order.
std::vector<BoxSize> EveryDejaVuInkBox() {
  vantor::Fonter engine;
  vantor::LOGFONTA desc = engine.GetFontDesc();
  vantor::platform::SetFaceName(desc, "DejaVu Sans");
  desc.lfHeight = 32;
  engine.Build(desc);
  std::vector<BoxSize> boxes;
  vantor::platform::SizedFace* face = engine.DrawingFace();
  if (face == nullptr || engine.GetFaceName() != "DejaVu Sans") return boxes;
  for (char32_t c = 0; c <= 0x10FFFF; ++c) {
    if ((c < 0xD800 || c > 0xDFFF) && face->HasCodePoint(c)) {
      const vantor::platform::RenderedGlyph& glyph = face->CodePointGlyph(c);
      boxes.push_back({glyph.width, glyph.rows});
    }
  }
  return boxes;
}

const std::vector<BoxSize>& Boxes() {
  static const std::vector<BoxSize> boxes = EveryDejaVuInkBox();
  return boxes;
}

std::string Figures(std::size_t pages, std::int64_t area) {
  return std::to_string(Boxes().size()) + " boxes on " + std::to_string(pages) + " pages, " +
         std::to_string(area) + " pixels";
}

void BM_PackEveryDejaVuCharacter(benchmark::State& state) {
  vantor::PackedPages packed;
  for (auto _ : state) {
    packed = vantor::PackBoxes(Boxes(), vantor::PackRules{});
    benchmark::DoNotOptimize(packed.boxes.data());
  }
  std::int64_t area = 0;
  std::string sizes;
  for (const vantor::TextureSize& page : packed.pages) {
    area += std::int64_t{page.width} * page.height;
    sizes += " " + std::to_string(page.width) + "x" + std::to_string(page.height);
  }
  state.SetLabel(Figures(packed.pages.size(), area) + ":" + sizes);
}
BENCHMARK(BM_PackEveryDejaVuCharacter)->Unit(benchmark::kMillisecond);

// The peer: textbook MaxRects with best-short-side-fit, one page, the same page sizes tried.
void BM_PeerMaxRectsEveryDejaVuCharacter(benchmark::State& state) {
  std::optional<vantor::TextureSize> page;
  for (auto _ : state) {
    page = vantor::bench::PackOnePageMaxRects(Boxes(), vantor::PackRules{});
    benchmark::DoNotOptimize(page);
  }
  if (!page) {
    state.SkipWithError("no single page holds the boxes");
    return;
  }
  state.SetLabel(Figures(1, std::int64_t{page->width} * page->height) + ": " + std::to_string(page->width) + "x" +
                 std::to_string(page->height));
}
BENCHMARK(BM_PeerMaxRectsEveryDejaVuCharacter)->Unit(benchmark::kMillisecond);

}  // namespace
