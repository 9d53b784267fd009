#include "files/formats/bmfont/BmfontPageNames.h"

#include <cstdint>

namespace vantor::files {

namespace {

constexpr std::string_view kBinaryMagic{"BMF\3", 4};
constexpr char kPagesBlock = 3;

std::uint32_t LittleEndian32(std::string_view bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
  return value;
}

std::vector<std::string> BinaryPageNames(std::string_view bytes) {
  std::vector<std::string> names;
  for (std::size_t at = kBinaryMagic.size(); at + 5 <= bytes.size();) {
    const char type = bytes[at];
    const std::size_t size = LittleEndian32(bytes, at + 1);
    at += 5;
    if (size > bytes.size() - at) break;
    if (type == kPagesBlock) {
      const std::string_view block = bytes.substr(at, size);
      for (std::size_t start = 0, end; (end = block.find('\0', start)) != std::string_view::npos; start = end + 1) {
        names.emplace_back(block.substr(start, end - start));
      }
    }
    at += size;
  }
  return names;
}

// The value of `file="..."` in `element`, XML's five entities read back; none without one.
bool FileValue(std::string_view element, std::string& value) {
  const std::size_t key = element.find(" file=\"");
  if (key == std::string_view::npos) return false;
  const std::size_t start = key + 7;
  const std::size_t end = element.find('"', start);
  if (end == std::string_view::npos) return false;
  value.clear();
  const std::string_view raw = element.substr(start, end - start);
  static constexpr std::pair<std::string_view, char> kEntities[] = {
      {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}};
  for (std::size_t i = 0; i < raw.size(); ++i) {
    bool entity = false;
    for (const auto& [text, c] : kEntities) {
      if (raw.substr(i, text.size()) == text) {
        value += c;
        i += text.size() - 1;
        entity = true;
        break;
      }
    }
    if (!entity) value += raw[i];
  }
  return true;
}

// Text lines "page id=N file=..." and XML elements "<page id=... file=.../>".
std::vector<std::string> TextPageNames(std::string_view bytes) {
  std::vector<std::string> names;
  std::string value;
  for (std::size_t at = 0; at < bytes.size();) {
    std::size_t end = bytes.find_first_of("\n>", at);
    if (end == std::string_view::npos) end = bytes.size();
    std::string_view piece = bytes.substr(at, end - at);
    while (!piece.empty() && (piece.front() == ' ' || piece.front() == '\t' || piece.front() == '\r')) piece.remove_prefix(1);
    if ((piece.starts_with("page ") || piece.starts_with("<page ")) && FileValue(piece, value)) names.push_back(value);
    at = end + 1;
  }
  return names;
}

}  // namespace

std::vector<std::string> BmfontPageNames(std::string_view bytes) {
  return bytes.starts_with(kBinaryMagic) ? BinaryPageNames(bytes) : TextPageNames(bytes);
}

}  // namespace vantor::files
