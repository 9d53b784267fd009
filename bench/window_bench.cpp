// The export window's work after a change, as the window does it: a build with
// an engine of its own (layout, pages, description), the sample text set from it,
// and a repaint of the pages view and the sample view. Characters: the first N
// DejaVu Sans has from Latin, Greek, Cyrillic and punctuation, at 32 px.

#include "app/CPageView.h"
#include "app/CSampleView.h"
#include "app/ExportRequest.h"
#include "app/ViewBackground.h"
#include "files/export/SampleImage.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

using namespace vantor;

std::vector<char32_t> FirstCharacters(std::size_t count) {
  const CharacterChoice all = ReadCharacterRanges("0x20-0x7E, 0xA0-0x24F, 0x370-0x3FF, 0x400-0x4FF, 0x2000-0x206F, 0x1E00-0x1EFF");
  std::vector<char32_t> chosen(all.codePoints.begin(), all.codePoints.begin() + static_cast<std::ptrdiff_t>(std::min(count, all.codePoints.size())));
  return chosen;
}

ExportRequest Request(std::size_t characters, int spread) {
  Fonter start;
  ExportRequest request;
  request.engine = files::BakeEngineOf(start);
  request.engine.font.face = "DejaVu Sans";
  request.engine.font.height = 32;
  request.engine.distanceSpread = spread;
  request.codePoints = FirstCharacters(characters);
  request.outputs.descriptor = files::OutputFormat::BmfontText;
  return request;
}

// Arguments: characters, field spread (0 for coverage).
void BM_RebuildAndRepaint(benchmark::State& state) {
  const ExportRequest request = Request(static_cast<std::size_t>(state.range(0)), static_cast<int>(state.range(1)));
  CPageView pages(nullptr);
  CSampleView sample(nullptr);
  const std::u32string text = U"The quick brown fox jumps over the lazy dog.\nСъешь же ещё этих мягких французских булок.";
  for (auto _ : state) {
    const BuiltFont built = BuildExportFont(request);
    if (!built.refused.empty() || built.pages.empty()) {
      state.SkipWithError(built.refused.c_str());
      break;
    }
    const ColourImage& page = *built.pages[0];
    pages.SetPage(RgbaImage(page.rgba.data(), page.width, page.height, false).copy(), {});
    const files::SampleLayout layout = files::LayOutSample(built.description, text, 8);
    sample.SetSample(files::DrawSample(layout, built.pages, {2, request.engine.distanceSpread > 0}));
    QImage screen(pages.size().expandedTo(sample.size()), QImage::Format_ARGB32_Premultiplied);
    pages.render(&screen);
    sample.render(&screen);
    benchmark::DoNotOptimize(screen.constBits());
  }
}
BENCHMARK(BM_RebuildAndRepaint)
    ->ArgNames({"chars", "spread"})
    ->Args({224, 0})
    ->Args({1000, 0})
    ->Args({1000, 8})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
