#pragma once

// The effect options of vantor-bake: --outline, --shadow, --shadow-blur and the
// three colours. Parsed one at a time from the option loop, checked together
// once the command line is read.

#include "BakeOptions.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace vantor::bake {

/// Reads args[i] as an effect option into `effects`, moving i past its value: nothing when
/// args[i] is no effect option, else an empty text or the reason its value is refused.
std::optional<std::string> ParseEffectOption(const std::vector<std::string>& args, std::size_t& i, Effects& effects);

/// Why the effects of `options` cannot be baked as asked (a blur or colour without its
/// effect, --sdf, --format params); empty when they can or there are none.
std::string CheckEffectOptions(const BakeOptions& options);

/// The lines --help prints for the effect options.
const char* EffectUsage();

}  // namespace vantor::bake
