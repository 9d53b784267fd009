#pragma once

#include <array>
#include <cstdint>

namespace vantor::platform {

/// How the one-byte strings of a character set become characters of a face.
struct CharsetMapping {
  /// True for the symbol set: bytes go through the face's symbol character map.
  bool symbol = false;
  /// Unicode code point of each byte, or -1 where the code page defines none.
  std::array<std::int32_t, 256> codePoints{};
};

/// The iconv name of the code page of a character-set value (CP1252 for values no table holds);
/// nullptr for the symbol set.
const char* CodePageName(std::uint8_t charset);

/// The fontconfig language that a character set prefers a face to cover, or nullptr.
const char* CharsetLanguage(std::uint8_t charset);

/// Decodes every single byte of the character set's code page with iconv.
CharsetMapping BuildCharsetMapping(std::uint8_t charset);

}  // namespace vantor::platform
