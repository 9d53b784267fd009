#pragma once

// Bake files: a TOML file with one [[font]] table per bake, each key a long
// option of vantor-bake without its dashes. A table becomes the command line it
// stands for, so a table and that command line give the same bytes.
//
//   [[font]]
//   font-file = "fonts/Title.otf"     # paths are relative to the bake file's folder
//   height = 48
//   format = "fnt"
//   chars = ["32-126", "0x400-0x4FF"]  # a list where an option repeats
//   output = "out/title"

#include "BakeOptions.h"

#include <string>
#include <vector>

namespace vantor::bake {

/// One table of a bake file, ready to bake.
struct BakeJob {
  BakeOptions options;
  std::string label;                ///< "FILE:LINE" of its [[font]] line
  std::vector<std::string> inputs;  ///< the files it reads: font files, characters files, a params file
};

/// The bake of `options`, labelled `label`, with the files it reads.
BakeJob JobOf(const BakeOptions& options, std::string label);

/// The tables of a bake file, or why it cannot be baked.
struct BakeFileRead {
  std::string error;            ///< "FILE:LINE: ..." naming the key; empty when every table is sound
  bool commandLineError = false;  ///< the error is in `overrides`, not in the file
  std::vector<BakeJob> jobs;
};

/// Reads the bake file at `path`; every table's options with `overrides` (command-line
/// arguments) given after them, replacing the table's own value of each option they
/// give. Nothing is baked: an unknown key, a wrong type or a bad value in any table
/// refuses the whole file.
BakeFileRead ReadBakeFile(const std::string& path, const std::vector<std::string>& overrides);

}  // namespace vantor::bake
