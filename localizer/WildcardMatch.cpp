#include "WildcardMatch.h"

namespace localizer {

MaskParts SplitMask(std::string_view mask)
{
    const std::size_t slash = mask.find_last_of("/\\");
    if (slash == std::string_view::npos) {
        return {std::string(), std::string(mask)};
    }
    return {std::string(mask.substr(0, slash + 1)), std::string(mask.substr(slash + 1))};
}

bool MatchWildcard(std::string_view pattern, std::string_view name) noexcept
{
    // Greedy matching with one backtrack point: on a mismatch, the last '*' takes one more
    // byte. Linear in practice and never recursive, whatever the mask holds.
    std::size_t p = 0;
    std::size_t n = 0;
    std::size_t starPattern = std::string_view::npos;
    std::size_t starName = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starPattern = p++;
            starName = n;
        } else if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
            ++p;
            ++n;
        } else if (starPattern != std::string_view::npos) {
            p = starPattern + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') {
        ++p;
    }
    return p == pattern.size();
}

}  // namespace localizer
