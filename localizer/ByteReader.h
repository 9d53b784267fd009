#pragma once

#include <cstddef>
#include <string_view>

namespace localizer {

/// Reads one language file byte by byte from a read position; a comment reads as one CR.
class ByteReader {
public:
    /// Starts reading block at position.
    ByteReader(std::string_view block, std::size_t position) noexcept;

    /// Delivers the next byte and advances; a ';' and the comment after it up to and including
    /// the next CR deliver one CR. Returns false at the end of the block or of an unclosed comment.
    bool ReadByte(char& byte) noexcept;

    /// Returns the read position: the index of the next byte to read.
    std::size_t Position() const noexcept;

private:
    std::string_view block;
    std::size_t position;
};

}  // namespace localizer
