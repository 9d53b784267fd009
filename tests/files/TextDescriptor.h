#pragma once

// A written text descriptor read back by the tests on their own, not through
// the code under test: lineHeight, pages, chars and kerning pairs.

#include "files/formats/bmfont/BitmapFont.h"

#include <istream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace vantor::files::test {

/// The fields of a text descriptor's lines; `pageFiles` gets each page's file name by id.
inline BitmapFontDescription ReadTextDescriptor(std::istream& lines, std::vector<std::string>* pageFiles = nullptr) {
  BitmapFontDescription font;
  for (std::string line; std::getline(lines, line);) {
    std::istringstream words(line);
    std::string tag;
    words >> tag;
    if (tag == "info") continue;  // the face name may hold spaces
    std::map<std::string, std::string> f;
    for (std::string word; words >> word;) {
      const std::size_t equals = word.find('=');
      if (equals == std::string::npos) continue;
      std::string value = word.substr(equals + 1);
      if (value.size() >= 2 && value.front() == '"') value = value.substr(1, value.size() - 2);
      f[word.substr(0, equals)] = value;
    }
    const auto number = [&f](const char* key) { return std::stoi(f.at(key)); };
    if (tag == "common") font.lineHeight = number("lineHeight");
    if (tag == "page" && pageFiles != nullptr) {
      pageFiles->resize(std::max<std::size_t>(pageFiles->size(), static_cast<std::size_t>(number("id")) + 1));
      (*pageFiles)[static_cast<std::size_t>(number("id"))] = f.at("file");
    }
    if (tag == "char") {
      font.chars.push_back({static_cast<std::uint32_t>(number("id")), number("x"), number("y"), number("width"),
                            number("height"), number("xoffset"), number("yoffset"), number("xadvance"), number("page"),
                            number("chnl")});
    }
    if (tag == "kerning") {
      font.kernings.push_back({static_cast<std::uint32_t>(number("first")), static_cast<std::uint32_t>(number("second")),
                               number("amount")});
    }
  }
  return font;
}

}  // namespace vantor::files::test
