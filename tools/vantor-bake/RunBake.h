#pragma once

// One run of a parsed command line or bake-file table: what main, a bake file
// and --watch all call, so each bake reports the same way.

#include "BakeOptions.h"

namespace vantor::bake {

/// Adds the font files of `options`, then lists the faces or bakes as its mode
/// says, reporting on stderr (warnings and notes only when not `quiet`); the exit
/// status: 0 done, 1 the bake failed, 2 refused.
int RunBake(const BakeOptions& options, bool quiet);

}  // namespace vantor::bake
