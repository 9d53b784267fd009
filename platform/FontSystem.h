#pragma once

#include "platform/CodePage.h"
#include "platform/Font.h"
#include "platform/FontFile.h"
#include "platform/FontMatch.h"
#include "platform/LogFont.h"

#include <array>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace vantor::platform {

/// What fonts are made with: the FreeType library, the faces opened so far
/// (kept across fonts, so remaking a font reopens nothing), the decoded code
/// pages, and the default font of a fresh drawing context.
class FontSystem {
 public:
  /// Starts FreeType and fontconfig.
  FontSystem();
  ~FontSystem();
  FontSystem(const FontSystem&) = delete;
  FontSystem& operator=(const FontSystem&) = delete;

  /// The face fontconfig matches for `desc` (matched once for each face name, weight, slant and
  /// character set, then kept: the installed fonts do not change while the program runs).
  /// A face name longer than a description holds is looked up by its full name (see FullFaceName).
  const FontMatch& Match(const LOGFONTA& desc);
  /// Keeps `name` as the full name of descriptions whose face name is its first 31 bytes,
  /// so they match the face named; shorter names need nothing kept.
  void KnowFaceName(const std::string& name);
  /// `desc`'s face name in full: a name cut to the 31 bytes a description holds is the
  /// name last kept by KnowFaceName with that cut, else the first listed family the cut
  /// begins (when no family carries the cut name itself); other names as they stand.
  std::string FullFaceName(const LOGFONTA& desc);
  /// Face `index` of the font file at `path`, opened once and kept; null when it cannot be opened.
  std::shared_ptr<FontFile> OpenFace(const std::string& path, int index);
  /// How the bytes of a character set map to characters (decoded once, then kept).
  const CharsetMapping& Mapping(std::uint8_t charset);
  /// The description of a fresh drawing context's font: the default face, a cell of 16 pixels.
  LOGFONTA DefaultDescription();
  /// The font a drawing context draws with when no usable font is selected.
  Font& DefaultFont();

 private:
  std::shared_ptr<FT_LibraryRec_> library_;
  std::map<std::pair<std::string, int>, std::shared_ptr<FontFile>> faces_;
  std::map<std::tuple<std::string, std::int32_t, bool, std::uint8_t>, FontMatch> matches_;
  std::array<std::unique_ptr<CharsetMapping>, 256> mappings_;
  std::unique_ptr<Font> defaultFont_;
  std::map<std::string, std::string> longNames_;  // cut name -> full name
  std::vector<std::string> families_;              // FaceList(), read when a cut name is first met
};

}  // namespace vantor::platform
