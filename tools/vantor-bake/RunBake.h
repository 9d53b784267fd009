#pragma once

// Runs of vantor-bake: one bake of a parsed command line, the tables of a bake
// file, and either of them again whenever a file they read changes (--watch).

#include "BakeOptions.h"

#include <string>
#include <vector>

namespace vantor::bake {

/// The options about the run itself, taken off the command line before the bake's own.
struct RunOptions {
  std::string config;             ///< --config FILE: bake the tables of a bake file
  bool watch = false;             ///< --watch: bake again on every change to a file read
  bool quiet = false;             ///< --quiet: say nothing but errors
  std::vector<std::string> rest;  ///< the bake's options (with --config: what overrides each table)
  std::string error;              ///< empty when the run options are sound
};

/// Splits --config, --watch and --quiet off `args`.
RunOptions SplitRunOptions(const std::vector<std::string>& args);

/// Adds the font files of `options`, then lists the faces or bakes as its mode
/// says, reporting on stderr (warnings and notes only when not `quiet`); the exit
/// status: 0 done, 1 the bake failed, 2 refused.
int RunBake(const BakeOptions& options, bool quiet);

/// Runs what `run` asks: each bake once (the highest exit status of them), or
/// with --watch until a signal ends it (status 0).
int Run(const RunOptions& run);

}  // namespace vantor::bake
