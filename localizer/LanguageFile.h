#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace localizer {

/// One language file's bytes with an index of where values end, so that reading a value costs
/// the same however far it runs: a value may run on over many sections to the next CR or ';'.
class LanguageFile {
public:
    /// Indexes bytes, which must outlive this object and are at most 4 GiB long (the
    /// loader takes no file of more than 4 MiB).
    explicit LanguageFile(std::string_view bytes);

    /// Returns the file's bytes.
    std::string_view Bytes() const noexcept;

    /// Returns the end of the value whose first byte (neither blank, CR nor ';') is at start:
    /// the next CR, ';' or end of the file, with the spaces and tabs before it cut off.
    std::size_t ValueEnd(std::size_t start) const noexcept;

private:
    using Offset = std::uint32_t;

    std::string_view bytes;
    // Every CR and ';' position in order, then the size: the places where values stop.
    std::vector<Offset> stops;
    // Per stop: the position just after the last byte before it that is not a space or tab.
    std::vector<Offset> trimmedEnds;
};

}  // namespace localizer
