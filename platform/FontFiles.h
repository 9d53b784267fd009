#pragma once

// Font files a run reads without their being installed: their faces join this
// process's face list, so names match them as they match installed faces.

#include <string>
#include <vector>

namespace vantor::platform {

/// What adding a font file gave: its faces' own family names, in face order, or why none.
struct AddedFontFile {
  std::string error;                  ///< empty when added; else the cause, to follow the path
  std::vector<std::string> families;  ///< the own family name (name ID 1) of each face
};

/// Adds every face of the TrueType, OpenType or collection file at `path` to the
/// face list of this process (fontconfig's application fonts). A path that is
/// missing, a folder, not a regular file, unreadable, or holds no face is refused.
AddedFontFile AddFontFile(const std::string& path);

}  // namespace vantor::platform
