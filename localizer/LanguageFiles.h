#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace localizer {

/// Returns the whole contents of every regular file that matches mask, in byte order of the
/// file names; files that cannot be opened or read (directories, vanished files) are left out.
std::vector<std::string> ReadLanguageFiles(std::string_view mask);

}  // namespace localizer
