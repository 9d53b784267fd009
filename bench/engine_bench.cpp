// Build of the texture engine against its floor: FreeType loading and
// rendering the same 224 characters on its own.
#include "engine/Fonter.h"
#include "platform/CodePage.h"
#include "platform/FontMatch.h"

#include <benchmark/benchmark.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <vector>

namespace {

using vantor::Fonter;
using vantor::LOGFONTA;

struct Case {
  int height;
  int textureWidth;
};
constexpr Case kCases[] = {{32, 256}, {128, 4096}, {511, 4096}};

LOGFONTA DejaVu(int height) {
  LOGFONTA desc;
  desc.lfHeight = height;
  desc.lfWeight = 400;
  desc.lfCharSet = 1;
  vantor::platform::SetFaceName(desc, "DejaVu Sans");
  return desc;
}

// A change of font: a new font, every character measured and drawn afresh.
void BM_BuildNewFont(benchmark::State& state) {
  const Case c = kCases[state.range(0)];
  Fonter engine;
  engine.textureWidth = c.textureWidth;
  LOGFONTA desc = DejaVu(c.height);
  for (auto _ : state) {
    desc.lfQuality = desc.lfQuality == 0 ? 4 : 0;  // a new font each time, drawn the same
    engine.Build(desc);
    benchmark::DoNotOptimize(engine.texture.get());
  }
  state.SetLabel("height " + std::to_string(c.height) + " on " + std::to_string(c.textureWidth));
}
BENCHMARK(BM_BuildNewFont)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// A change of a setting alone (leading, kerning, texture width): the font stays.
void BM_BuildSameFont(benchmark::State& state) {
  const Case c = kCases[state.range(0)];
  Fonter engine;
  engine.textureWidth = c.textureWidth;
  engine.Build(DejaVu(c.height));
  for (auto _ : state) {
    engine.kerning = engine.kerning == 0 ? 1 : 0;
    engine.Build();
    benchmark::DoNotOptimize(engine.texture.get());
  }
  state.SetLabel("height " + std::to_string(c.height) + " on " + std::to_string(c.textureWidth));
}
BENCHMARK(BM_BuildSameFont)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// The floor: the face already open, a new size, and the 224 characters of
// the Western code page loaded and rendered by FreeType, nothing else.
void BM_FreeTypeFloor(benchmark::State& state) {
  const Case c = kCases[state.range(0)];
  const vantor::platform::FontMatch match = vantor::platform::MatchFont(DejaVu(c.height));
  const vantor::platform::CharsetMapping mapping = vantor::platform::BuildCharsetMapping(1);
  FT_Library library = nullptr;
  FT_Face face = nullptr;
  if (FT_Init_FreeType(&library) != 0 || FT_New_Face(library, match.file.c_str(), match.index, &face) != 0) {
    state.SkipWithError("cannot open DejaVu Sans");
    return;
  }
  // The same pixel size the engine computes for this cell height.
  const FT_UInt ppem = c.height == 32 ? 27 : c.height == 128 ? 110 : 439;
  for (auto _ : state) {
    FT_Size size = nullptr;
    FT_New_Size(face, &size);
    FT_Activate_Size(size);
    FT_Set_Pixel_Sizes(face, 0, ppem);
    for (int code = 32; code < 256; ++code) {
      const std::int32_t cp = mapping.codePoints[code];
      const FT_UInt index = cp < 0 ? 0 : FT_Get_Char_Index(face, static_cast<FT_ULong>(cp));
      FT_Load_Glyph(face, index, FT_LOAD_DEFAULT);
      FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL);
      benchmark::DoNotOptimize(face->glyph->bitmap.buffer);
    }
    FT_Done_Size(size);
  }
  FT_Done_Face(face);
  FT_Done_FreeType(library);
  state.SetLabel("height " + std::to_string(c.height));
}
BENCHMARK(BM_FreeTypeFloor)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// Every character DejaVu Sans has (about 6,000) at height 32 on 1024-pixel
// pages: a new font each time, the set laid out and every page drawn in turn.
void BM_LayOutAndDrawEverySetPage(benchmark::State& state) {
  Fonter engine;
  engine.textureWidth = 1024;
  std::vector<char32_t> everyCodePoint;
  for (char32_t c = 0; c <= 0x10FFFF; ++c) {
    if (c < 0xD800 || c > 0xDFFF) everyCodePoint.push_back(c);
  }
  LOGFONTA desc = DejaVu(32);
  std::size_t characters = 0;
  std::size_t pages = 0;
  for (auto _ : state) {
    desc.lfQuality = desc.lfQuality == 0 ? 4 : 0;
    engine.Build(desc);
    const vantor::SetLayout layout = engine.LayOutSet(everyCodePoint);
    for (std::size_t page = 0; page < layout.pageHeights.size(); ++page) {
      benchmark::DoNotOptimize(engine.DrawSetPage(layout, page).get());
    }
    characters = layout.glyphs.size();
    pages = layout.pageHeights.size();
  }
  state.SetLabel(std::to_string(characters) + " characters on " + std::to_string(pages) + " pages");
}
BENCHMARK(BM_LayOutAndDrawEverySetPage)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
