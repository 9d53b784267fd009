#include "LanguageFile.h"

#include <algorithm>

namespace localizer {

LanguageFile::LanguageFile(std::string_view bytes) : bytes(bytes)
{
    std::size_t segmentStart = 0;
    for (std::size_t i = 0; i <= bytes.size(); ++i) {
        if (i < bytes.size() && bytes[i] != '\r' && bytes[i] != ';') {
            continue;
        }
        std::size_t end = i;
        while (end > segmentStart && (bytes[end - 1] == ' ' || bytes[end - 1] == '\t')) {
            --end;
        }
        stops.push_back(i);
        trimmedEnds.push_back(end);
        segmentStart = i + 1;
    }
}

std::string_view LanguageFile::Bytes() const noexcept
{
    return bytes;
}

std::size_t LanguageFile::ValueEnd(std::size_t start) const noexcept
{
    // The first stop at or after start; stops always ends with the size, so there is one.
    const auto stop = std::lower_bound(stops.begin(), stops.end(), start);
    if (stop == stops.end() || *stop == start) {
        return std::min(start, bytes.size());
    }
    // The byte at start is no blank, so the cut never reaches back before it.
    return std::max(start, trimmedEnds[static_cast<std::size_t>(stop - stops.begin())]);
}

}  // namespace localizer
