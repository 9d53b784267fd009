#include "ByteReader.h"

namespace localizer {

ByteReader::ByteReader(std::string_view block, std::size_t position) noexcept
    : block(block), position(position < block.size() ? position : block.size())
{
}

bool ByteReader::ReadByte(char& byte) noexcept
{
    if (position >= block.size()) {
        return false;
    }
    byte = block[position++];
    if (byte != ';') {
        return true;
    }
    while (position < block.size()) {
        if (block[position++] == '\r') {
            byte = '\r';
            return true;
        }
    }
    return false;
}

std::size_t ByteReader::Position() const noexcept
{
    return position;
}

}  // namespace localizer
