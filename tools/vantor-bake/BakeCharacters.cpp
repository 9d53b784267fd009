#include "BakeCharacters.h"

#include <cstdio>

namespace vantor::bake {

files::CharacterResult GatherCharacters(const BakeOptions& options, files::CharacterSet& set) {
  for (const BakeOptions::CharacterSource& source : options.characters) {
    files::CharacterResult added = source.file ? set.AddFile(source.text) : set.AddRanges(source.text);
    if (!added.Ok()) return added;
  }
  if (!options.characters.empty() && set.Size() == 0) return files::EmptyCharacterSet();
  return {};
}

std::string DescribeMissing(const std::vector<char32_t>& missing, bool fallbacks) {
  if (missing.empty()) return {};
  std::string line = std::to_string(missing.size()) + (missing.size() == 1 ? " character" : " characters") +
                     (fallbacks ? " in no face, left out:" : " not in the face, left out:");
  for (std::size_t i = 0; i < missing.size() && i < kMissingShown; ++i) {
    char codePoint[16];
    std::snprintf(codePoint, sizeof codePoint, " U+%04X", static_cast<unsigned>(missing[i]));
    line += codePoint;
  }
  if (missing.size() > kMissingShown) line += " ...";
  return line;
}

}  // namespace vantor::bake
