#pragma once

#include "platform/CellSize.h"
#include "platform/CodePage.h"
#include "platform/FontFile.h"
#include "platform/FontMatch.h"
#include "platform/Handles.h"
#include "platform/LogFont.h"
#include "platform/RenderMode.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <unordered_map>
#include <utility>
#include <vector>

namespace vantor::platform {

/// One character of a font, rasterised: its advance and its coverage.
struct RenderedGlyph {
  int advance = 0;   ///< cell width in whole pixels (the hinted advance, plus one for synthetic bold)
  int left = 0;      ///< coverage's left edge from the pen position, pixels
  int top = 0;       ///< coverage's top edge above the baseline, pixels
  int width = 0;     ///< coverage width in pixels
  int rows = 0;      ///< coverage height in pixels
  int channels = 1;  ///< 1 (grey or mono) or 3 (red, green, blue for subpixel rendering)
  std::vector<std::uint8_t> coverage;  ///< rows × width × channels, 0..255
};

/// A face at one size, with the style synthesis, code page and rendering of
/// one description; it keeps the characters it has rasterised.
class SizedFace {
 public:
  /// Sizes `file` for `desc`; null when FreeType refuses the size or the cell passes 4096 pixels.
  static std::unique_ptr<SizedFace> Create(std::shared_ptr<FontFile> file, const LOGFONTA& desc,
                                           const FontMatch& match, const CharsetMapping& mapping);

  /// A sized face without synthesis or characters mapped yet; use Create.
  SizedFace(std::shared_ptr<FontFile> file, FreeTypeSizePtr size, CellSize cell);
  SizedFace(const SizedFace&) = delete;
  SizedFace& operator=(const SizedFace&) = delete;
  ~SizedFace();

  /// Pixels from the cell's top to the baseline.
  int Ascent() const { return cell_.ascent; }
  /// Height of the character cell in pixels.
  int CellHeight() const { return cell_.Height(); }
  /// The pixels per em the face is sized to.
  int PixelsPerEm() const { return cell_.ppem; }
  /// Extra ink width that synthetic bold or italic adds beyond the advance, whole pixels.
  int Overhang() const { return overhang_; }
  /// The character of byte `byte` in this font's code page, rasterised (kept for later calls).
  const RenderedGlyph& Glyph(std::uint8_t byte);
  /// True when the face has a character for Unicode code point `codePoint`.
  bool HasCodePoint(char32_t codePoint);
  /// The character of Unicode code point `codePoint`, rasterised as Glyph does (kept for later
  /// calls); the face's missing-glyph shape when it lacks the character.
  const RenderedGlyph& CodePointGlyph(char32_t codePoint);
  /// The character of byte `byte` (or of Unicode `codePoint`) filled and stroked outward
  /// by `radius` pixels with round joins, on the hinted outline, rasterised as Glyph does
  /// (grey where Glyph gives subpixel colour); not kept. A bitmap-only character comes unstroked.
  RenderedGlyph StrokedGlyph(std::uint8_t byte, int radius);
  RenderedGlyph StrokedCodePointGlyph(char32_t codePoint, int radius);
  /// A character named by its byte in the font's code page or, with byte -1, by its code point.
  struct CharacterName {
    std::int32_t byte = -1;
    char32_t codePoint = 0;
  };
  /// StrokedGlyph (or StrokedCodePointGlyph) of each of `characters`, in order, shared with a
  /// second thread on the face opened anew (as RenderAhead does), each taking the next
  /// character as it comes free; none is kept.
  std::vector<RenderedGlyph> StrokedGlyphs(const std::vector<CharacterName>& characters, int radius);
  /// The Unicode code point byte `byte` stands for (the byte itself in the symbol set); -1 for none.
  std::int32_t CodePoint(std::uint8_t byte) const { return codePoints_[byte]; }
  /// True when the face has its own glyph for byte `byte` (not the missing-glyph shape).
  bool HasGlyph(std::uint8_t byte) const { return glyphIndex_[byte] != 0; }
  /// The face's glyph index for byte `byte`; 0 for the missing-glyph shape.
  unsigned GlyphIndex(std::uint8_t byte) const { return glyphIndex_[byte]; }
  /// Renders from now on signed distance fields reaching `spread` pixels past each
  /// outline (0: coverage, as at first); the characters kept so far are dropped when it changes.
  void SetFieldSpread(int spread);
  /// The spread of the distance fields rendered; 0 for coverage.
  int FieldSpread() const { return style_.fieldSpread; }
  /// Renders and keeps the characters of `bytes` (or of Unicode `codePoints`) that are
  /// not kept yet, half of them on a second thread with the face opened anew on a
  /// FreeType library of its own. The characters are the ones Glyph and CodePointGlyph
  /// would render; worth it where each costs much, as distance fields do.
  void RenderAhead(const std::vector<std::uint8_t>& bytes);
  void RenderAhead(const std::vector<char32_t>& codePoints);
  /// The FreeType face, for reading its tables; sizing and drawing stay with this object.
  FT_Face FreeTypeFace() const { return file_->Face(); }
  /// Horizontal pixels per font unit at this size (widening included).
  double PixelsPerUnitX() const;

 private:
  // How characters are rasterised: the same for this face and its twin on another thread.
  struct Style {
    RenderMode mode{};
    FT_Matrix matrix{};
    bool transformed = false;
    FT_Pos emboldenStrength = 0;  // 26.6 pixels, 0 for none
    int fieldSpread = 0;
  };
  // Rasterised characters are kept up to this many bytes of coverage a font;
  // beyond it (only at huge sizes) characters are rendered on every use.
  static constexpr std::size_t kKeptCoverageBudget = std::size_t{64} << 20;
  // A slot to fill and the glyph that fills it.
  using Pending = std::pair<std::optional<RenderedGlyph>*, FT_UInt>;

  const RenderedGlyph& Keep(std::optional<RenderedGlyph>& slot, FT_UInt index);
  void KeepIfRoom(std::optional<RenderedGlyph>& slot, RenderedGlyph glyph);
  RenderedGlyph Render(FT_UInt index, int strokeRadius = 0) {
    return Render(file_->Face(), size_.get(), style_, index, strokeRadius);
  }
  // The glyph rasterised; with a stroke radius, its outline grown outward by that many pixels.
  static RenderedGlyph Render(FT_Face face, FT_Size size, const Style& style, FT_UInt index, int strokeRadius = 0);
  // A new size of `face`, active and set to emX × emY (26.6 pixels); null when FreeType refuses.
  static FreeTypeSizePtr NewSize(FT_Face face, FT_F26Dot6 emX, FT_F26Dot6 emY);
  void RenderAhead(const std::vector<Pending>& pending);
  /// The slots of `indices` not rendered yet, each once.
  std::vector<Pending> PendingOf(const std::vector<FT_UInt>& indices);
  FT_UInt CodePointIndex(char32_t codePoint);
  void MapCharacters(const CharsetMapping& mapping);

  std::shared_ptr<FontFile> file_;
  FreeTypeSizePtr size_;
  CellSize cell_;
  FT_F26Dot6 emX_ = 0;  // the character size the face was set to, 26.6 pixels
  FT_F26Dot6 emY_ = 0;
  Style style_;
  int overhang_ = 0;
  std::array<FT_UInt, 256> glyphIndex_{};
  std::array<std::int32_t, 256> codePoints_{};
  // Rendered glyphs by glyph index: a byte of the 8-bit set and a code point
  // naming the same glyph share one rendering. Nodes stay put as the map grows.
  std::unordered_map<FT_UInt, std::optional<RenderedGlyph>> rendered_;
  std::size_t keptBytes_ = 0;
  RenderedGlyph scratch_;  // a character rendered beyond the memory budget
};

}  // namespace vantor::platform
