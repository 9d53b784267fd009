#include "LanguageSection.h"

#include "Scanning.h"

#include <limits>

namespace localizer {

namespace {

constexpr std::int64_t kMinimum = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kMaximum = std::numeric_limits<std::int32_t>::max();

bool IsConversionBlank(char byte)
{
    return byte == ' ' || byte == '\t' || byte == '\n' || byte == '\v' || byte == '\f' ||
           byte == '\r';
}

std::string_view SectionValue(const LanguageFile& file, std::size_t bodyStart, std::string_view key)
{
    return ValueOfKey(file, bodyStart, MakeSearchPattern(key), SearchScope::Section);
}

std::int32_t IntegerOr(std::string_view value, std::int32_t fallback)
{
    return value.empty() ? fallback : LeadingInteger(value);
}

}  // namespace

std::int32_t LeadingInteger(std::string_view value) noexcept
{
    std::size_t i = 0;
    while (i < value.size() && IsConversionBlank(value[i])) {
        ++i;
    }
    bool negative = false;
    if (i < value.size() && (value[i] == '+' || value[i] == '-')) {
        negative = value[i] == '-';
        ++i;
    }
    // Accumulate as a negative number so that the 32-bit minimum fits without an extra branch.
    std::int64_t result = 0;
    for (; i < value.size() && value[i] >= '0' && value[i] <= '9'; ++i) {
        result = result * 10 - (value[i] - '0');
        if (result < kMinimum) {
            return negative ? static_cast<std::int32_t>(kMinimum) : static_cast<std::int32_t>(kMaximum);
        }
    }
    if (!negative) {
        result = -result;
        if (result > kMaximum) {
            return static_cast<std::int32_t>(kMaximum);
        }
    }
    return static_cast<std::int32_t>(result);
}

std::optional<LanguageInfo> ReadLanguageSection(const LanguageFile& file, std::size_t bodyStart)
{
    LanguageInfo info;
    info.name = SectionValue(file, bodyStart, "NAME=");
    if (info.name.empty()) {
        return std::nullopt;
    }
    info.locales = SectionValue(file, bodyStart, "LOCALE=");
    info.installName = SectionValue(file, bodyStart, "INSTALL_NAME=");
    if (info.installName.empty()) {
        info.installName = info.name;
    }
    info.fontName = SectionValue(file, bodyStart, "FONT=");
    if (info.fontName.empty()) {
        info.fontName = "Times New Roman Cyr";
    }
    info.width = IntegerOr(SectionValue(file, bodyStart, "WIDTH="), 6);
    info.height = IntegerOr(SectionValue(file, bodyStart, "HEIGHT="), 16);
    info.italic = SectionValue(file, bodyStart, "ITALIC=") == "YES";
    info.weight = IntegerOr(SectionValue(file, bodyStart, "WEIGHT="), 0) / 100 * 100;
    info.color = IntegerOr(SectionValue(file, bodyStart, "COLOR="), 0);
    if (info.color == 0) {
        info.color = 16777215;
    }
    info.label = SectionValue(file, bodyStart, "LABEL=");
    if (info.label.empty()) {
        return std::nullopt;
    }
    return info;
}

}  // namespace localizer
