// Load and translation times of the language library with the shipped language files, which
// the build copies beside this program.

#include "Localizer.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

namespace {

const char* const kSourceTexts[] = {
    "About Vantor", "Version",      "Copyright",     "OK",          "Font params", "Type",
    "View",         "Charset",      "Quality",       "Width",       "Height",      "Weight",
    "Bold",         "Italic",       "Texture param", "Show texture", "Texture width", "Leading",
    "Kerning",      "Load params",  "Save params",   "Save texture", "About",       "Exit",
    "File",         "is exist",     "not exist",     "Warning",     "Error",       "Texture",
};
constexpr std::size_t kSourceTextCount = sizeof(kSourceTexts) / sizeof(kSourceTexts[0]);

std::filesystem::path BinFolder()
{
    return std::filesystem::read_symlink("/proc/self/exe").parent_path();
}

// Two masks for the same files: alternating them makes every Load a real load.
void LoadShippedFiles(benchmark::State& state)
{
    const std::string masks[] = {(BinFolder() / "*.lng").string(), (BinFolder() / "." / "*.lng").string()};
    Localizer& localizer = Localizer::GetInstance();
    std::size_t next = 0;
    for (auto _ : state) {
        localizer.Load(masks[next].c_str(), "");
        next ^= 1;
    }
    if (localizer.GetLanguageCount() != 3) {
        state.SkipWithError("the three shipped language files were not found beside the program");
    }
}
BENCHMARK(LoadShippedFiles)->Unit(benchmark::kMicrosecond);

// One Translate per iteration, cycling through the program's source texts.
void TranslateSourceText(benchmark::State& state, const char* language)
{
    Localizer& localizer = Localizer::GetInstance();
    // A mask that matches nothing unloads first, so that the language is really selected.
    localizer.Load((BinFolder() / "*.none").c_str(), "");
    localizer.Load((BinFolder() / "*.lng").c_str(), language);
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(localizer.Translate(kSourceTexts[next]));
        next = next + 1 == kSourceTextCount ? 0 : next + 1;
    }
    if (localizer.GetLanguageCount() != 3 || std::string(localizer.GetLanguageName()) != language) {
        state.SkipWithError("the shipped language files were not found beside the program");
    }
}
BENCHMARK_CAPTURE(TranslateSourceText, english, "ENGLISH");
BENCHMARK_CAPTURE(TranslateSourceText, russian, "RUSSIAN");

}  // namespace

BENCHMARK_MAIN();
