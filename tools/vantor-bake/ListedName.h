#pragma once

// How --list-fonts prints a face name and --font reads it back: one face per
// line, whatever bytes the face's name holds.

#include <string>
#include <string_view>

namespace vantor::bake {

/// `name` on one line: a backslash as "\\", a line end or tab as "\n", "\r", "\t",
/// any other control character as "\xHH"; everything else as it stands.
std::string ListedName(std::string_view name);

/// The name `listed` stands for: the escapes ListedName writes read back, any other
/// backslash kept as it stands, so a name typed without escapes is itself.
std::string NameFromListed(std::string_view listed);

}  // namespace vantor::bake
