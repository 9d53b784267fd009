#pragma once

#include "engine/Fonter.h"
#include "files/BmfontWriters.h"
#include "files/FileResult.h"
#include "files/ReplaceFiles.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace vantor::files {

/// The file of page `page` beside the descriptor `descriptorPath`: "BASE_0.png" for "BASE.fnt" (or "BASE").
std::string BmfontPagePath(const std::string& descriptorPath, std::size_t page = 0);

/// Adds to `outputs` the descriptor at `descriptorPath` in `variant` and its page,
/// described from the engine's current state; a failure when the texture cannot be
/// written as a page (none, or a side past what the descriptor can hold).
FileResult AddBmfontOutputs(Fonter& engine, const std::string& descriptorPath, BmfontVariant variant,
                            std::vector<FileOutput>& outputs);

/// Adds to `outputs` the descriptor at `descriptorPath` in `variant` for the character set
/// of `layout`, and one page file for each of its pages; each page is drawn when its file
/// is written and let go after, so one page is in memory at a time.
FileResult AddCharacterSetOutputs(Fonter& engine, std::shared_ptr<const SetLayout> layout,
                                  const std::string& descriptorPath, BmfontVariant variant,
                                  std::vector<FileOutput>& outputs);

/// Writes the descriptor and its page together through a safe replace: on any
/// failure both old files are kept as they were.
FileResult ExportBmfont(Fonter& engine, const std::string& descriptorPath, BmfontVariant variant);

}  // namespace vantor::files
