// Load and translation times of the language library with the shipped language files, which
// the build copies beside this program.

#include "Localizer.h"

#include <benchmark/benchmark.h>

#include <cstdio>
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

// A crafted file: 400,000 sections whose keys share their first, middle and last
// bytes, the worst case for a table that narrows by bytes; Translate of the last one.
void TranslateAmongManySections(benchmark::State& state)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "vantor-localizer-bench";
    std::filesystem::create_directories(folder);
    // Four files, each under the loader's size cap.
    for (int part = 0; part < 4; ++part) {
        std::string file = part == 0 ? "[LANGUAGE]\r\nNAME=MANY\r\nLABEL=m\r\n" : "";
        for (int i = part * 100000; i < (part + 1) * 100000; ++i) {
            const std::string key = "k" + std::to_string(1000000 + i) + "k";
            file += "[" + key + "]\r\nm:" + key + "\r\n";
        }
        std::FILE* out = std::fopen((folder / ("many" + std::to_string(part) + ".lng")).c_str(), "wb");
        if (out != nullptr) {
            std::fwrite(file.data(), 1, file.size(), out);
            std::fclose(out);
        }
    }
    Localizer& localizer = Localizer::GetInstance();
    localizer.Load((folder / "*.none").c_str(), "");
    localizer.Load((folder / "*.lng").c_str(), "MANY");
    const std::string last = "k1399999k";
    for (auto _ : state) {
        benchmark::DoNotOptimize(localizer.Translate(last.c_str()));
    }
    if (std::string(localizer.Translate(last.c_str())) != last) {
        state.SkipWithError("the crafted language file did not load");
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(TranslateAmongManySections);

}  // namespace

BENCHMARK_MAIN();
