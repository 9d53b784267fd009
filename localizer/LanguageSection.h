#pragma once

#include "LanguageFile.h"
#include "LanguageInfo.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace localizer {

/// Returns the leading decimal integer of value (blanks, optional sign, digits), 0 when it has
/// no leading digits; values beyond 32 bits are clamped to the nearest 32-bit integer.
std::int32_t LeadingInteger(std::string_view value) noexcept;

/// Returns the language of the section body at bodyStart, its defaults applied, its texts views
/// into file; nothing when the section lacks a name or a label and so does not count.
std::optional<LanguageInfo> ReadLanguageSection(const LanguageFile& file, std::size_t bodyStart);

}  // namespace localizer
