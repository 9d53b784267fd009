#pragma once

#include <functional>
#include <string>

namespace vantor::files {

/// Asks the user whether the existing file `fileName` may be replaced; false means Cancel.
using OverwriteQuestion = std::function<bool(const std::string& fileName)>;

/// True to go on with a save to `path`. Only when a file at `path` can be opened
/// for reading is `ask` called, with `fileName` (the name without its folder);
/// its answer is returned. Otherwise true, without asking.
bool ConfirmOverwrite(const std::string& path, const std::string& fileName, const OverwriteQuestion& ask);

}  // namespace vantor::files
