// The whole vantor-bake process, as a build pipeline runs it: each output format
// at three sizes, against the floor of writing the TGA's bytes in one call.
// Counters: the bytes of the texture and of the PNG page, and their ratio.

#include "BenchFolder.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace {

using vantor::bench::Folder;

bool RunBake(const std::vector<std::string>& args, rusage* usage = nullptr) {
  std::vector<char*> argv{const_cast<char*>(VANTOR_BAKE)};
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  pid_t child = 0;
  if (::posix_spawn(&child, VANTOR_BAKE, nullptr, nullptr, argv.data(), environ) != 0) return false;
  int status = 0;
  return ::wait4(child, &status, 0, usage) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

double FileSize(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 ? static_cast<double>(info.st_size) : 0.0;
}

// Arguments: height, texture width, format (0 params, 1 fnt in cells, 2 fnt in packed glyph boxes).
void BM_Bake(benchmark::State& state) {
  const std::string base = Folder() + "/font";
  std::vector<std::string> args = {"--font", "DejaVu Sans", "--height", std::to_string(state.range(0)),
                                   "--texture-width", std::to_string(state.range(1)), "--format",
                                   state.range(2) == 0 ? "params" : "fnt", "-o", base};
  if (state.range(2) == 1) args.insert(args.end(), {"--layout", "cells"});
  for (auto _ : state) {
    if (!RunBake(args)) state.SkipWithError("vantor-bake failed");
  }
  if (state.range(2) == 0) {
    state.counters["tga_bytes"] = FileSize(base + ".tga");
  } else {
    state.counters["png_bytes"] = FileSize(base + "_0.png");
    if (const double tga = FileSize(base + ".tga"); tga > 0) state.counters["tga_per_png"] = tga / FileSize(base + "_0.png");
  }
}
BENCHMARK(BM_Bake)
    ->ArgNames({"height", "width", "fnt"})
    ->Args({32, 256, 0})->Args({32, 256, 1})->Args({32, 256, 2})
    ->Args({128, 4096, 0})->Args({128, 4096, 1})->Args({128, 4096, 2})
    ->Args({511, 4096, 0})->Args({511, 4096, 1})->Args({511, 4096, 2})
    ->Unit(benchmark::kMillisecond)->UseRealTime();

// Outlines and shadows against none, the whole process: --outline 2 --shadow 2,2 at height 32
// on 256-pixel pages should cost at most half as much again as the same bake without them.
// Argument: 0 without effects, 1 with them; glyph boxes (0) or cells (1).
void BM_BakeEffects(benchmark::State& state) {
  std::vector<std::string> args = {"--font", "DejaVu Sans", "--height", "32", "--format", "fnt", "-o", Folder() + "/effects"};
  if (state.range(1) == 1) {
    args.insert(args.end(), {"--layout", "cells", "--texture-width", "256"});
  } else {
    args.insert(args.end(), {"--page-size", "256"});
  }
  if (state.range(0) == 1) args.insert(args.end(), {"--outline", "2", "--shadow", "2,2"});
  for (auto _ : state) {
    if (!RunBake(args)) state.SkipWithError("vantor-bake failed");
  }
}
BENCHMARK(BM_BakeEffects)
    ->ArgNames({"effects", "cells"})
    ->Args({0, 0})->Args({1, 0})->Args({0, 1})->Args({1, 1})
    ->Unit(benchmark::kMillisecond)->UseRealTime();

// Every character DejaVu Sans has (about 6,000) at height 32, as a text descriptor and PNG
// pages: in cells on 1024-pixel pages (argument 0) or packed in glyph boxes (1).
// Counters: the process's peak resident memory and the pages.
void BM_BakeEveryCharacter(benchmark::State& state) {
  const std::string base = Folder() + "/every";
  const std::vector<std::string> args = {"--font", "DejaVu Sans", "--height", "32", "--texture-width", "1024",
                                         "--chars", "0-0x10FFFF", "--format", "fnt", "--layout",
                                         state.range(0) == 0 ? "cells" : "packed", "-o", base};
  long peakKiB = 0;
  for (auto _ : state) {
    rusage usage{};
    if (!RunBake(args, &usage)) state.SkipWithError("vantor-bake failed");
    peakKiB = std::max(peakKiB, usage.ru_maxrss);
  }
  double pages = 0;
  while (FileSize(base + "_" + std::to_string(static_cast<int>(pages)) + ".png") > 0) ++pages;
  state.counters["peak_MiB"] = static_cast<double>(peakKiB) / 1024.0;
  state.counters["pages"] = pages;
}
BENCHMARK(BM_BakeEveryCharacter)->ArgName("packed")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// Distance fields against coverage, the whole process. Arguments: height, width, spread (0: coverage).
void BM_BakeField(benchmark::State& state) {
  std::vector<std::string> args = {"--font", "DejaVu Sans", "--height", std::to_string(state.range(0)),
                                   "--texture-width", std::to_string(state.range(1)), "-o", Folder() + "/field"};
  if (state.range(2) > 0) args.insert(args.end(), {"--sdf", std::to_string(state.range(2))});
  for (auto _ : state) {
    if (!RunBake(args)) state.SkipWithError("vantor-bake failed");
  }
}
BENCHMARK(BM_BakeField)
    ->ArgNames({"height", "width", "sdf"})
    ->Args({32, 512, 0})->Args({32, 512, 8})->Args({64, 1024, 0})->Args({64, 1024, 8})
    ->Unit(benchmark::kMillisecond)->UseRealTime();

// Ten fonts, as a build bakes them: ten command lines (argument 0) or one bake file of
// ten [[font]] tables (1). The bake file should cost the ten bakes, not ten process starts.
void BM_BakeTenFonts(benchmark::State& state) {
  const std::string folder = Folder();
  std::string bakeFile;
  std::vector<std::vector<std::string>> lines;
  for (int i = 0; i < 10; ++i) {
    const std::string height = std::to_string(20 + 2 * i);
    const std::string base = folder + "/ten" + std::to_string(i);
    bakeFile += "[[font]]\nfont = \"DejaVu Sans\"\nheight = " + height +
                "\nformat = \"fnt\"\nchars = \"32-126,0xA0-0x17F\"\noutput = \"" + base + "\"\n\n";
    lines.push_back({"--font", "DejaVu Sans", "--height", height, "--format", "fnt", "--chars", "32-126,0xA0-0x17F",
                     "-o", base});
  }
  const std::string path = folder + "/ten.toml";
  if (FILE* file = std::fopen(path.c_str(), "w")) {
    std::fputs(bakeFile.c_str(), file);
    std::fclose(file);
  }
  for (auto _ : state) {
    if (state.range(0) == 1) {
      if (!RunBake({"--config", path})) state.SkipWithError("vantor-bake failed");
      continue;
    }
    for (const std::vector<std::string>& line : lines) {
      if (!RunBake(line)) state.SkipWithError("vantor-bake failed");
    }
  }
}
BENCHMARK(BM_BakeTenFonts)->ArgName("bake_file")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// The floor: the bytes of the texture at that size written with one call, then synced as a save is.
void BM_WriteFloor(benchmark::State& state) {
  const std::size_t bytes = 18 + std::size_t{4} * state.range(0) * state.range(1);
  const std::vector<char> data(bytes, '\0');
  const std::string path = Folder() + "/floor";
  for (auto _ : state) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0 || ::write(fd, data.data(), data.size()) != static_cast<ssize_t>(data.size()) || ::fsync(fd) != 0) {
      state.SkipWithError("write failed");
    }
    if (fd >= 0) ::close(fd);
  }
}
BENCHMARK(BM_WriteFloor)->ArgNames({"width", "height"})->Args({256, 512})->Args({4096, 4096})->Args({4096, 8192})
    ->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
