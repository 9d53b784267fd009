#include "files/formats/CharacterSet.h"

#include "files/disk/FileResult.h"
#include "files/disk/ReadRegularFile.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <optional>
#include <utility>

namespace vantor::files {

namespace {

constexpr char32_t kLastCodePoint = 0x10FFFF;
constexpr char32_t kFirstSurrogate = 0xD800;
constexpr char32_t kLastSurrogate = 0xDFFF;

// The one table of texts for refused characters: %1 the entry or file, %2 the detail.
constexpr std::array<std::pair<CharacterStatus, std::string_view>, 7> kTexts{{
    {CharacterStatus::NotANumber, "\"%1\" is not a code point or FIRST-LAST range (decimal or 0x hex)."},
    {CharacterStatus::Reversed, "The range \"%1\" ends below its start."},
    {CharacterStatus::BeyondUnicode, "\"%1\" passes the last Unicode code point, 0x10FFFF."},
    {CharacterStatus::Surrogate, "\"%1\" is a surrogate (0xD800-0xDFFF), not a character."},
    {CharacterStatus::NotUtf8, "%1 is not UTF-8 text: byte offset %2 is not part of a valid character."},
    {CharacterStatus::FileTooLarge, "%1 is larger than the %2 bytes a characters file can be."},
    {CharacterStatus::Empty, "No characters were given."},
}};

CharacterResult Refused(CharacterStatus status, std::string_view subject, std::string_view detail = {}) {
  for (const auto& [entry, text] : kTexts) {
    if (entry == status) return {status, FillErrorText(text, subject, detail)};
  }
  return {status, std::string(subject)};
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// A code point in decimal or 0x hex; a number too large for 64 bits counts as beyond Unicode.
struct Number {
  CharacterStatus status = CharacterStatus::Ok;
  char32_t value = 0;
};

Number ParseCodePoint(std::string_view text) {
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    text.remove_prefix(2);
    base = 16;
  }
  std::uint64_t value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, error] = std::from_chars(text.data(), end, value, base);
  if (text.empty() || ptr != end || (error != std::errc() && error != std::errc::result_out_of_range)) {
    return {CharacterStatus::NotANumber};
  }
  if (error == std::errc::result_out_of_range || value > kLastCodePoint) return {CharacterStatus::BeyondUnicode};
  const auto codePoint = static_cast<char32_t>(value);
  if (codePoint >= kFirstSurrogate && codePoint <= kLastSurrogate) return {CharacterStatus::Surrogate};
  return {CharacterStatus::Ok, codePoint};
}

// One decoded UTF-8 character: its code point and length, or nothing when the bytes are not UTF-8.
std::optional<std::pair<char32_t, std::size_t>> DecodeOne(std::string_view text, std::size_t at) {
  const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  if (lead < 0x80) return std::pair<char32_t, std::size_t>{lead, 1};
  std::size_t length = 0;
  char32_t value = 0;
  char32_t least = 0;  // the smallest value of this length: anything below is an overlong form
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, value = lead & 0x1F, least = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, value = lead & 0x0F, least = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, value = lead & 0x07, least = 0x10000;
  } else {
    return std::nullopt;
  }
  if (text.size() - at < length) return std::nullopt;
  for (std::size_t i = 1; i < length; ++i) {
    const unsigned char next = byte(at + i);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    value = value << 6 | (next & 0x3F);
  }
  if (value < least || value > kLastCodePoint || (value >= kFirstSurrogate && value <= kLastSurrogate)) {
    return std::nullopt;
  }
  return std::pair<char32_t, std::size_t>{value, length};
}

}  // namespace

CharacterSet::CharacterSet() : present_(kLastCodePoint + 1, false) {}

void CharacterSet::Add(char32_t first, char32_t last) {
  for (char32_t codePoint = first; codePoint <= last; ++codePoint) {
    if (codePoint >= kFirstSurrogate && codePoint <= kLastSurrogate) continue;
    if (!present_[codePoint]) {
      present_[codePoint] = true;
      ++size_;
    }
  }
}

CharacterResult CharacterSet::AddRanges(std::string_view ranges) {
  // Every entry is checked before any is added, so a refused list adds nothing.
  std::vector<std::pair<char32_t, char32_t>> parsed;
  for (std::size_t start = 0;;) {
    const std::size_t comma = std::min(ranges.find(',', start), ranges.size());
    const std::string_view entry = Trimmed(ranges.substr(start, comma - start));
    const std::size_t dash = entry.find('-');
    const Number first = ParseCodePoint(Trimmed(entry.substr(0, dash)));
    const Number last = dash == std::string_view::npos ? first : ParseCodePoint(Trimmed(entry.substr(dash + 1)));
    if (first.status != CharacterStatus::Ok) return Refused(first.status, entry);
    if (last.status != CharacterStatus::Ok) return Refused(last.status, entry);
    if (last.value < first.value) return Refused(CharacterStatus::Reversed, entry);
    parsed.emplace_back(first.value, last.value);
    if (comma == ranges.size()) break;
    start = comma + 1;
  }
  for (const auto& [first, last] : parsed) Add(first, last);
  return {};
}

bool IsUtf8(std::string_view text) {
  for (std::size_t at = 0; at < text.size();) {
    const auto one = DecodeOne(text, at);
    if (!one) return false;
    at += one->second;
  }
  return true;
}

CharacterResult CharacterSet::AddUtf8(std::string_view text, std::string_view name) {
  std::vector<char32_t> decoded;
  std::size_t at = 0;
  if (text.substr(0, 3) == "\xEF\xBB\xBF") at = 3;
  while (at < text.size()) {
    const auto one = DecodeOne(text, at);
    if (!one) return Refused(CharacterStatus::NotUtf8, name, std::to_string(at));
    if (one->first != '\r' && one->first != '\n') decoded.push_back(one->first);
    at += one->second;
  }
  for (const char32_t codePoint : decoded) Add(codePoint, codePoint);
  return {};
}

CharacterResult CharacterSet::AddFile(const std::string& path) {
  const FileBytes file = ReadRegularFile(path, kMaxCharacterFileSize);
  if (file.error == EFBIG) return Refused(CharacterStatus::FileTooLarge, path, std::to_string(kMaxCharacterFileSize));
  if (file.error != 0) {
    return {CharacterStatus::FileUnread, FileFailureFromErrno(file.error, FileAccess::Read, path).message};
  }
  return AddUtf8(file.bytes, path);
}

std::vector<char32_t> CharacterSet::CodePoints() const {
  std::vector<char32_t> codePoints;
  codePoints.reserve(size_);
  for (char32_t codePoint = 0; codePoint <= kLastCodePoint && codePoints.size() < size_; ++codePoint) {
    if (present_[codePoint]) codePoints.push_back(codePoint);
  }
  return codePoints;
}

CharacterResult EmptyCharacterSet() { return Refused(CharacterStatus::Empty, {}); }

}  // namespace vantor::files
