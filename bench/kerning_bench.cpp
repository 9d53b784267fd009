// The face's kerning pairs between every character DejaVu Sans has (about 6,000),
// and between the 224 characters of an 8-bit set.

#include "platform/Font.h"
#include "platform/FontSystem.h"
#include "platform/Kerning.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

using namespace vantor::platform;

std::vector<std::uint32_t> EveryCharacter(FT_Face face) {
  std::vector<std::uint32_t> codePoints;
  FT_UInt glyph = 0;
  for (FT_ULong c = FT_Get_First_Char(face, &glyph); glyph != 0; c = FT_Get_Next_Char(face, c, &glyph)) {
    codePoints.push_back(static_cast<std::uint32_t>(c));
  }
  return codePoints;
}

void BM_FaceKerning(benchmark::State& state) {
  FontSystem system;
  LOGFONTA desc;
  desc.lfHeight = 32;
  desc.lfWeight = 400;
  desc.lfCharSet = 1;
  SetFaceName(desc, "DejaVu Sans");
  const auto font = Font::Create(system, desc);
  std::vector<std::uint32_t> codePoints = EveryCharacter(font->Face()->FreeTypeFace());
  if (state.range(0) == 0) codePoints.resize(224);
  std::size_t pairs = 0;
  for (auto _ : state) {
    pairs = FaceKerning(*font->Face(), codePoints).size();
    benchmark::DoNotOptimize(pairs);
  }
  state.SetLabel(std::to_string(codePoints.size()) + " characters, " + std::to_string(pairs) + " pairs");
}
BENCHMARK(BM_FaceKerning)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
