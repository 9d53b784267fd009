#pragma once

#include "platform/Bitmap.h"
#include "platform/Font.h"

#include <cstdint>

namespace vantor::platform {

class FontSystem;

/// Width and height of a measured string, in pixels.
struct Extent {
  int cx = 0;
  int cy = 0;
};

/// Where a character's ink lies against its box's top-left corner (a distance
/// field's growth included), and its size; zero width or height for none.
struct InkBox {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

/// Whether drawing text paints the character's box with the background first.
enum class BackgroundMode { Opaque, Transparent };

/// A drawing context in memory: a selected font, a selected image, a
/// background and a text colour. Text is drawn in opaque mode with the given
/// point as the top-left corner of the character cell; drawing is clipped to the image.
class MemoryContext {
 public:
  /// A context with the default font, no image, black background and black text.
  explicit MemoryContext(FontSystem& system);

  /// Measures and draws with `font` from now on; null or unusable keeps the context's default font.
  void SelectFont(Font* font);
  /// The description of the font measuring and drawing use: the selected one, or the default font.
  const LOGFONTA& GetCurrentFontDescription() const;
  /// Extra width that the selected font adds to a string (tmOverhang).
  int GetOverhang() const;
  /// Measures and draws signed distance fields reaching `spread` pixels past each
  /// outline from now on (0: coverage): every character's box grows by the spread
  /// on every side, and the character is drawn that far in from the box's corner.
  void SetFieldSpread(int spread) { spread_ = spread; }
  /// Renders the characters of `bytes` (or of Unicode `codePoints`) at once, on two
  /// threads, before they are measured and drawn one by one. Only distance fields
  /// are rendered ahead: they cost about a millisecond a character, coverage far
  /// less than a second thread takes to start.
  void RenderAhead(const std::vector<std::uint8_t>& bytes);
  void RenderAhead(const std::vector<char32_t>& codePoints);
  /// Width (cx) and cell height (cy) of the one-byte string `byte`.
  Extent GetTextExtent(std::uint8_t byte);
  /// True when the font measuring and drawing use has a character for Unicode code point `codePoint`.
  bool HasCodePoint(char32_t codePoint);
  /// Width (cx) and cell height (cy) of the character of Unicode code point `codePoint`.
  Extent GetCodePointExtent(char32_t codePoint);
  /// The ink of the one-byte string `byte` (or of Unicode `codePoint`) against the
  /// box TextOut (TextOutCodePoint) draws it in.
  InkBox GetInkBox(std::uint8_t byte);
  InkBox GetCodePointInkBox(char32_t codePoint);

  /// Draws into `bitmap` from now on; null draws nowhere.
  void SelectBitmap(Bitmap* bitmap);
  /// Sets the colour that opaque drawing paints behind text (0x00RRGGBB).
  void SetBkColor(std::uint32_t colour) { background_ = colour; }
  /// Opaque (as at first) paints each character's box with the background before
  /// the character; transparent draws the character's ink alone.
  void SetBkMode(BackgroundMode mode) { mode_ = mode; }
  /// Sets the colour of text (0x00RRGGBB).
  void SetTextColor(std::uint32_t colour) { text_ = colour; }
  /// Fills the rectangle [left, right) × [top, bottom) with the background colour.
  void FillOpaque(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom);
  /// Paints the character's box (cx × cell height at (x, y)) with the background
  /// (in opaque mode), then blends the character in the text colour by its coverage, baseline at y + ascent.
  void TextOut(std::int64_t x, std::int64_t y, std::uint8_t byte);
  /// Draws the character of Unicode code point `codePoint` as TextOut draws a byte's.
  void TextOutCodePoint(std::int64_t x, std::int64_t y, char32_t codePoint);

 private:
  void DrawGlyph(std::int64_t x, std::int64_t y, const SizedFace& face, const RenderedGlyph& glyph);
  InkBox InkOf(const SizedFace& face, const RenderedGlyph& glyph) const;
  Font& CurrentFont() const;
  SizedFace* Face() const;

  FontSystem& system_;
  Font* font_ = nullptr;
  Bitmap* bitmap_ = nullptr;
  std::uint32_t background_ = 0;
  std::uint32_t text_ = 0;
  int spread_ = 0;
  BackgroundMode mode_ = BackgroundMode::Opaque;
};

}  // namespace vantor::platform
