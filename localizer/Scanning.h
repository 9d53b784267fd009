#pragma once

#include "LanguageFile.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The scanning steps that all reading of a language file goes through.
namespace localizer {

/// A key text prepared for searching: the text and, per matched length, how much of it
/// is still matched after a mismatch, so that overlapping occurrences are found.
struct SearchPattern {
    std::string text;
    std::vector<std::size_t> fallback;
};

/// Where a search may run: the whole rest of the file, or only up to the end of a section body.
enum class SearchScope { File, Section };

/// A section header: its name (a comment inside it reads as one CR) and where its body starts.
struct SectionHeader {
    std::string name;
    std::size_t bodyStart = 0;
};

/// Returns text prepared for Search.
SearchPattern MakeSearchPattern(std::string_view text);

/// Returns the position just after the first occurrence of pattern from start, or nothing;
/// with SearchScope::Section a '[' outside comments ends the search first. An empty pattern is never found.
std::optional<std::size_t> Search(std::string_view block, std::size_t start,
                                  const SearchPattern& pattern, SearchScope scope) noexcept;

/// Returns the value at position, a view into the file: blanks skipped, then every byte up to
/// the next CR, comment or end, with trailing spaces and tabs cut off.
std::string_view ReadValue(const LanguageFile& file, std::size_t position) noexcept;

/// Returns the value after the first occurrence of pattern from start, or an empty text.
std::string_view ValueOfKey(const LanguageFile& file, std::size_t start, const SearchPattern& pattern,
                            SearchScope scope) noexcept;

/// Returns the first section header from start, or nothing when no '[' follows or its ']' is missing.
std::optional<SectionHeader> ReadSectionHeader(std::string_view block, std::size_t start);

}  // namespace localizer
