#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vantor::files {

/// Largest characters file read, in bytes (every Unicode character in UTF-8 is about 4.4 MB).
inline constexpr std::size_t kMaxCharacterFileSize = std::size_t{16} << 20;

/// Why characters were refused; each status but Ok has one text in the table of CharacterSet.cpp.
enum class CharacterStatus {
  Ok,
  NotANumber,     ///< a list entry is not a decimal or 0x hex number or FIRST-LAST range
  Reversed,       ///< a range's last code point is below its first
  BeyondUnicode,  ///< a code point above 0x10FFFF
  Surrogate,      ///< a code point or range end in D800..DFFF
  NotUtf8,        ///< a characters file is not UTF-8; the detail is the byte offset
  FileTooLarge,   ///< a characters file holds more than kMaxCharacterFileSize bytes
  FileUnread,     ///< a characters file could not be read; the message is the file error's
  Empty           ///< no character was given at all
};

/// How adding characters ended: a status and, on failure, the message for the user.
struct CharacterResult {
  CharacterStatus status = CharacterStatus::Ok;
  std::string message;  ///< empty when Ok

  /// True when the characters were added.
  bool Ok() const { return status == CharacterStatus::Ok; }
};

/// A set of Unicode characters (scalar values), each held once, read in code-point order.
class CharacterSet {
 public:
  /// An empty set.
  CharacterSet();

  /// Adds the characters of `ranges`: code points and FIRST-LAST ranges, decimal or 0x hex,
  /// separated by commas, blanks around each allowed. A range passing over the surrogates
  /// leaves them out. On failure nothing of `ranges` is added.
  CharacterResult AddRanges(std::string_view ranges);
  /// Adds every character of UTF-8 `text` but CR and LF (and a byte order mark at its
  /// start); text that is not UTF-8 is refused, naming the offset of its first bad byte.
  /// `name` stands for the text in the message. On failure nothing of `text` is added.
  CharacterResult AddUtf8(std::string_view text, std::string_view name);
  /// Reads the file at `path` and adds its characters as AddUtf8 does.
  CharacterResult AddFile(const std::string& path);

  /// True when `codePoint` is in the set.
  bool Contains(char32_t codePoint) const { return codePoint < present_.size() && present_[codePoint]; }
  /// The number of characters in the set.
  std::size_t Size() const { return size_; }
  /// The characters, in code-point order.
  std::vector<char32_t> CodePoints() const;

 private:
  void Add(char32_t first, char32_t last);

  std::vector<bool> present_;
  std::size_t size_ = 0;
};

/// The result for an empty set: an error, since a font of no characters is of no use.
CharacterResult EmptyCharacterSet();

/// True when `text` is UTF-8 throughout: no stray or overlong bytes, no surrogates, nothing past U+10FFFF.
bool IsUtf8(std::string_view text);

}  // namespace vantor::files
