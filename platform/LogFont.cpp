#include "platform/LogFont.h"

#include <cstring>

namespace vantor::platform {

std::size_t Utf8PrefixLength(const char* text, std::size_t length, std::size_t maxBytes) {
  if (length <= maxBytes) return length;
  // Step back over at most three continuation bytes to the start of the
  // character that would be split; text that is not UTF-8 is cut where it is.
  std::size_t cut = maxBytes;
  for (int back = 0; back < 3 && cut > 0; ++back) {
    const auto byte = static_cast<unsigned char>(text[cut]);
    if ((byte & 0xC0) != 0x80) return cut;
    --cut;
  }
  const auto byte = static_cast<unsigned char>(text[cut]);
  return (byte & 0xC0) != 0x80 ? cut : maxBytes;
}

void SetFaceName(LOGFONTA& desc, const char* name) {
  const std::size_t length = Utf8PrefixLength(name, std::strlen(name), sizeof desc.lfFaceName - 1);
  std::memcpy(desc.lfFaceName, name, length);
  std::memset(desc.lfFaceName + length, 0, sizeof desc.lfFaceName - length);
}

}  // namespace vantor::platform
