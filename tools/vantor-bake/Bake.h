#pragma once

#include "BakeOptions.h"

#include <string>

namespace vantor::bake {

/// Builds the texture that `options` ask for (FromParams or FromOptions) and writes
/// BASE.tga and BASE.txt; on failure returns the message for the user and
/// leaves both files as they were where that can be had.
std::string Bake(const BakeOptions& options);

}  // namespace vantor::bake
