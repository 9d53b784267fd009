#include "Scanning.h"

#include "ByteReader.h"

namespace localizer {

SearchPattern MakeSearchPattern(std::string_view text)
{
    // fallback[k]: the length of the longest proper prefix of the first k bytes that is
    // also their suffix; after a mismatch at k the search goes on with that many matched.
    SearchPattern pattern{std::string(text), std::vector<std::size_t>(text.size() + 1, 0)};
    std::size_t matched = 0;
    for (std::size_t i = 1; i < text.size(); ++i) {
        while (matched > 0 && text[i] != text[matched]) {
            matched = pattern.fallback[matched];
        }
        if (text[i] == text[matched]) {
            ++matched;
        }
        pattern.fallback[i + 1] = matched;
    }
    return pattern;
}

std::optional<std::size_t> Search(std::string_view block, std::size_t start,
                                  const SearchPattern& pattern, SearchScope scope) noexcept
{
    const std::string& text = pattern.text;
    if (text.empty() || pattern.fallback.size() != text.size() + 1) {
        return std::nullopt;
    }
    ByteReader reader(block, start);
    std::size_t matched = 0;
    char byte = 0;
    while (reader.ReadByte(byte)) {
        if (scope == SearchScope::Section && byte == '[') {
            return std::nullopt;
        }
        // The byte that breaks a partial match may itself begin (or continue) an occurrence.
        while (matched > 0 && byte != text[matched]) {
            matched = pattern.fallback[matched];
        }
        if (byte == text[matched]) {
            ++matched;
        }
        if (matched == text.size()) {
            return reader.Position();
        }
    }
    return std::nullopt;
}

std::string_view ReadValue(const LanguageFile& file, std::size_t position) noexcept
{
    const std::string_view bytes = file.Bytes();
    std::size_t start = position;
    while (start < bytes.size() && (bytes[start] == ' ' || bytes[start] == '\t')) {
        ++start;
    }
    // A CR ends the value at once, and so does a comment, which reads as one CR.
    if (start >= bytes.size() || bytes[start] == '\r' || bytes[start] == ';') {
        return {};
    }
    return bytes.substr(start, file.ValueEnd(start) - start);
}

std::string_view ValueOfKey(const LanguageFile& file, std::size_t start, const SearchPattern& pattern,
                            SearchScope scope) noexcept
{
    const std::optional<std::size_t> after = Search(file.Bytes(), start, pattern, scope);
    return after ? ReadValue(file, *after) : std::string_view();
}

std::optional<SectionHeader> ReadSectionHeader(std::string_view block, std::size_t start)
{
    ByteReader reader(block, start);
    char byte = 0;
    do {
        if (!reader.ReadByte(byte)) {
            return std::nullopt;
        }
    } while (byte != '[');

    SectionHeader header;
    while (reader.ReadByte(byte)) {
        if (byte == ']') {
            header.bodyStart = reader.Position();
            return header;
        }
        header.name.push_back(byte);
    }
    return std::nullopt;
}

}  // namespace localizer
