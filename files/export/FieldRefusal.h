#pragma once

// Whether an engine's font can be drawn as distance fields: the one rule both
// the export window and vantor-bake apply before a field build.

#include "engine/Fonter.h"

#include <string>

namespace vantor::files {

/// Why the engine's font cannot be drawn as distance fields, to follow the name of
/// the field option ("cannot draw quality 5 ..."); empty when it can. Mono keeps
/// its hinting, and the field it gives is meant to be cut at the outline by the
/// shader; synthetic bold and italic change the outline before the field is made.
std::string RefusedField(const Fonter& engine);

}  // namespace vantor::files
