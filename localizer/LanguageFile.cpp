#include "LanguageFile.h"

#include <algorithm>

namespace localizer {

LanguageFile::LanguageFile(std::string_view bytes) : bytes(bytes)
{
    // Counted first, so the index takes exactly its room: a file made of stops costs
    // eight bytes of index a byte, not the double that growing vectors may hold.
    const auto count = static_cast<std::size_t>(std::count_if(bytes.begin(), bytes.end(), [](char c) {
        return c == '\r' || c == ';';
    }));
    stops.reserve(count + 1);
    trimmedEnds.reserve(count + 1);
    std::size_t segmentStart = 0;
    for (std::size_t i = 0; i <= bytes.size(); ++i) {
        if (i < bytes.size() && bytes[i] != '\r' && bytes[i] != ';') {
            continue;
        }
        std::size_t end = i;
        while (end > segmentStart && (bytes[end - 1] == ' ' || bytes[end - 1] == '\t')) {
            --end;
        }
        stops.push_back(static_cast<Offset>(i));
        trimmedEnds.push_back(static_cast<Offset>(end));
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
    if (start > bytes.size()) {
        return bytes.size();
    }
    const auto stop = std::lower_bound(stops.begin(), stops.end(), static_cast<Offset>(start));
    if (stop == stops.end() || *stop == start) {
        return std::min(start, bytes.size());
    }
    // The byte at start is no blank, so the cut never reaches back before it.
    return std::max<std::size_t>(start, trimmedEnds[static_cast<std::size_t>(stop - stops.begin())]);
}

}  // namespace localizer
