#pragma once

#include <QString>

#include <cstdint>
#include <string_view>

namespace vantor {

/// The standard decimal conversion: leading white space skipped, an optional
/// sign, then digits up to the first other character; no digits give 0, and a
/// value beyond the int32 range gives the nearest end of that range.
std::int32_t DecimalValue(std::string_view text);

/// DecimalValue of a control's text.
std::int32_t DecimalValue(const QString& text);

/// Base-10 text of `value`, with a leading "-" when negative.
QString DecimalText(std::int32_t value);

}  // namespace vantor
