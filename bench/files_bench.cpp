// Texture writing against the floor of one write call of the same bytes, the
// safe save against a plain write and sync, and loading a params file.

#include "engine/Fonter.h"
#include "files/disk/FileSink.h"
#include "files/formats/ParamsWriter.h"
#include "files/formats/ReaderKeyFile.h"
#include "files/export/SaveFile.h"
#include "files/formats/TextureTga.h"
#include "files/disk/UniqueFd.h"

#include "BenchFolder.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using namespace vantor;

constexpr int kSide = 4096;
constexpr std::size_t kTgaBytes = files::kTgaHeaderSize + std::size_t{4} * kSide * kSide;

using bench::Folder;

const platform::Bitmap& Texture() {
  static const auto texture = [] {
    auto bitmap = platform::Bitmap::Create(kSide, kSide);
    bitmap->MarkInked({0, 0, kSide, kSide});
    for (int y = 0; y < kSide; ++y) {
      std::uint32_t* row = bitmap->MutableRow(y);
      for (int x = 0; x < kSide; ++x) row[x] = static_cast<std::uint32_t>((x ^ y) & 0xFF) * 0x010101u;
    }
    return bitmap;
  }();
  return *texture;
}

files::UniqueFd OpenEmpty(const std::string& path) {
  return files::UniqueFd(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
}

// The writer through its file sink, no sync: conversion plus buffered writes.
void TextureToFile(benchmark::State& state) {
  const platform::Bitmap& texture = Texture();
  const std::string path = Folder() + "/writer.tga";
  for (auto _ : state) {
    files::UniqueFd fd = OpenEmpty(path);
    files::FileSink sink(fd.Get());
    if (!files::WriteTextureTga(sink, &texture) || !sink.Flush()) state.SkipWithError("write failed");
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kTgaBytes));
}

// The floor: the same number of bytes, already in memory, in one write call.
void FloorOneWrite(benchmark::State& state) {
  const std::vector<char> bytes(kTgaBytes, '\xFF');
  const std::string path = Folder() + "/floor.tga";
  for (auto _ : state) {
    files::UniqueFd fd = OpenEmpty(path);
    if (::write(fd.Get(), bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) {
      state.SkipWithError("write failed");
    }
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kTgaBytes));
}

// The whole save: temporary file, write, sync, rename.
void SaveTextureSafely(benchmark::State& state) {
  const platform::Bitmap& texture = Texture();
  const std::string path = Folder() + "/saved.tga";
  for (auto _ : state) {
    if (!files::WriteTextureTga(path, &texture).Ok()) state.SkipWithError("save failed");
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kTgaBytes));
}

// Its floor: one write call and a sync of the same bytes.
void FloorWriteAndSync(benchmark::State& state) {
  const std::vector<char> bytes(kTgaBytes, '\xFF');
  const std::string path = Folder() + "/floor-sync.tga";
  for (auto _ : state) {
    files::UniqueFd fd = OpenEmpty(path);
    if (::write(fd.Get(), bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()) ||
        ::fsync(fd.Get()) != 0) {
      state.SkipWithError("write failed");
    }
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kTgaBytes));
}

const std::string& ParamsFile() {
  static const std::string path = [] {
    const std::string file = Folder() + "/font.txt";
    Fonter engine;
    (void)files::WriteParamsFile(file, engine);
    return file;
  }();
  return path;
}

// Reading the file and the ten values: the file logic alone.
void ReadParams(benchmark::State& state) {
  const std::string& path = ParamsFile();
  for (auto _ : state) {
    const files::ReaderKeyFile reader(path);
    std::int64_t sum = static_cast<std::int64_t>(reader.GetString("Font").size());
    for (const char* key : {"Charset", "Quality", "Width", "Height", "Weight", "Italic", "Texture width", "Leading",
                            "Kerning"}) {
      sum += reader.GetInt(key);
    }
    benchmark::DoNotOptimize(sum);
  }
}

// Fonter::LoadParams as the load command runs it, the rebuild of the texture included.
void LoadParams(benchmark::State& state) {
  const std::string& path = ParamsFile();
  Fonter engine;
  for (auto _ : state) {
    if (!engine.LoadParams(path).Loaded()) state.SkipWithError("load failed");
  }
}

BENCHMARK(TextureToFile)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(FloorOneWrite)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(SaveTextureSafely)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(FloorWriteAndSync)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ReadParams)->Unit(benchmark::kMicrosecond);
BENCHMARK(LoadParams)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
