#pragma once

#include "engine/Fonter.h"
#include "files/BmfontWriters.h"
#include "files/FileResult.h"
#include "files/ReplaceFiles.h"

#include <string>
#include <vector>

namespace vantor::files {

/// The page file beside the descriptor `descriptorPath`: "BASE_0.png" for "BASE.fnt" (or "BASE").
std::string BmfontPagePath(const std::string& descriptorPath);

/// Adds to `outputs` the descriptor at `descriptorPath` in `variant` and its page,
/// described from the engine's current state; a failure when the texture cannot be
/// written as a page (none, or a side past what the descriptor can hold).
FileResult AddBmfontOutputs(Fonter& engine, const std::string& descriptorPath, BmfontVariant variant,
                            std::vector<FileOutput>& outputs);

/// Writes the descriptor and its page together through a safe replace: on any
/// failure both old files are kept as they were.
FileResult ExportBmfont(Fonter& engine, const std::string& descriptorPath, BmfontVariant variant);

}  // namespace vantor::files
