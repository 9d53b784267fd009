#pragma once

// One bake's settings as a bake file: a [[font]] table whose keys are
// vantor-bake's long options, so `vantor-bake --config FILE` makes the same
// bake, byte for byte, as the door that wrote it. The export window saves its
// settings this way for build pipelines.
//
//   const std::string text = BakeFileText({engine, "0x20-0x7E", outputs, {}, {}, "fonts/title"});
//   WriteBakeFile("fonts/title.toml", {...});

#include "files/disk/FileResult.h"
#include "files/export/BakeEngine.h"
#include "files/export/BakeOutputs.h"

#include <string>
#include <vector>

namespace vantor::files {

/// Everything a bake file holds for one font.
struct BakeFileSettings {
  BakeEngine engine;                    ///< face, size, style, texture settings, field spread
  std::string ranges;                   ///< the Unicode characters in --chars syntax; empty for the 8-bit set
  OutputChoice outputs;                 ///< formats, layout, effects
  std::vector<std::string> fallbacks;   ///< --fallback faces, in order
  std::vector<std::string> fontFiles;   ///< --font-file paths, in order
  std::string output;                   ///< the output base (relative to the bake file's folder, or absolute)
};

/// The bake file's text: a comment line, then one [[font]] table.
std::string BakeFileText(const BakeFileSettings& settings);

/// Writes BakeFileText(settings) at `path` through a safe replace.
FileResult WriteBakeFile(const std::string& path, const BakeFileSettings& settings);

}  // namespace vantor::files
