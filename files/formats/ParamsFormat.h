#pragma once

#include <array>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vantor::files {

// The keys of the params file, letter for letter; the writer and the reader share them.
inline constexpr std::string_view kFontKey = "Font";                  ///< face name
inline constexpr std::string_view kCharsetKey = "Charset";            ///< character-set value
inline constexpr std::string_view kQualityKey = "Quality";            ///< quality value
inline constexpr std::string_view kWidthKey = "Width";                ///< glyph width
inline constexpr std::string_view kHeightKey = "Height";              ///< glyph height
inline constexpr std::string_view kWeightKey = "Weight";              ///< weight
inline constexpr std::string_view kItalicKey = "Italic";              ///< 1 italic, 0 upright
inline constexpr std::string_view kTextureWidthKey = "Texture width";  ///< texture width setting
inline constexpr std::string_view kTextureHeightKey = "Texture height";  ///< written, never read
inline constexpr std::string_view kLeadingKey = "Leading";            ///< extra pixels between rows
inline constexpr std::string_view kKerningKey = "Kerning";            ///< extra pixels after each character

/// The ten keys the reader looks for; a file with none of them is not a params file.
inline constexpr std::array<std::string_view, 10> kReadKeys{
    kFontKey,   kCharsetKey, kQualityKey,      kWidthKey,   kHeightKey,
    kWeightKey, kItalicKey,  kTextureWidthKey, kLeadingKey, kKerningKey};

/// The values a key may take: what the dialog can set.
struct ParamRange {
  std::string_view key;  ///< the key the range belongs to
  std::int32_t min;      ///< smallest value allowed
  std::int32_t max;      ///< largest value allowed
};

/// The keys whose values are bounded, in file order; the others take any value.
inline constexpr std::array<ParamRange, 5> kParamRanges{{
    {kWidthKey, 0, 255},
    {kHeightKey, 1, 511},
    {kTextureWidthKey, 8, 4096},
    {kLeadingKey, -255, 255},
    {kKerningKey, -255, 255},
}};

/// The range of `key`; the whole int32 range for a key that is not bounded.
constexpr ParamRange ParamRangeOf(std::string_view key) {
  for (const ParamRange& range : kParamRanges) {
    if (range.key == key) return range;
  }
  return {key, INT32_MIN, INT32_MAX};
}

/// Largest params file the reader loads; a written one is about 4 KB.
inline constexpr std::size_t kMaxParamsFileSize = std::size_t{1} << 20;

}  // namespace vantor::files
