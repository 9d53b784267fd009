#pragma once

#include "engine/Fonter.h"
#include "files/disk/ByteSink.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace vantor::files {

/// Writes the bytes of `text`, without terminator and without line end; false when the sink failed.
[[nodiscard]] bool WriteText(ByteSink& out, std::string_view text);

/// Writes `key`, "=", `value` in decimal and CR LF; false when the sink failed.
[[nodiscard]] bool WriteParam(ByteSink& out, std::string_view key, std::int32_t value);

/// Writes `key`, "=", x, ",", y, ",", width in decimal and CR LF; false when the sink failed.
[[nodiscard]] bool WriteSymbolParam(ByteSink& out, std::string_view key, std::int32_t x, std::int32_t y,
                                    std::int32_t width);

/// Writes the 240 CR LF lines of the params file for the engine's current state; false when the sink failed.
[[nodiscard]] bool WriteParamsFile(ByteSink& out, const Fonter& engine);

}  // namespace vantor::files
