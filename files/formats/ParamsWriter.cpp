#include "files/formats/ParamsWriter.h"

#include "files/formats/ParamsFormat.h"

#include <charconv>

namespace vantor::files {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

bool WriteNumber(ByteSink& out, std::int32_t value) {
  char digits[16];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  return out.Write(digits, static_cast<std::size_t>(end - digits));
}

bool WriteLine(ByteSink& out, std::string_view text) { return WriteText(out, text) && WriteText(out, kLineEnd); }

}  // namespace

bool WriteText(ByteSink& out, std::string_view text) { return out.Write(text); }

bool WriteParam(ByteSink& out, std::string_view key, std::int32_t value) {
  return WriteText(out, key) && WriteText(out, "=") && WriteNumber(out, value) && WriteText(out, kLineEnd);
}

bool WriteSymbolParam(ByteSink& out, std::string_view key, std::int32_t x, std::int32_t y, std::int32_t width) {
  return WriteText(out, key) && WriteText(out, "=") && WriteNumber(out, x) && WriteText(out, ",") &&
         WriteNumber(out, y) && WriteText(out, ",") && WriteNumber(out, width) && WriteText(out, kLineEnd);
}

bool WriteParamsFile(ByteSink& out, const Fonter& engine) {
  bool ok = WriteLine(out, "; Font params:") && WriteText(out, kFontKey) && WriteText(out, "=") &&
            WriteLine(out, engine.GetFaceName()) && WriteParam(out, kCharsetKey, engine.GetCharset()) &&
            WriteParam(out, kQualityKey, engine.GetQuality()) && WriteParam(out, kWidthKey, engine.GetWidth()) &&
            WriteParam(out, kHeightKey, engine.GetHeight()) && WriteParam(out, kWeightKey, engine.GetWeight()) &&
            WriteParam(out, kItalicKey, engine.IsItalic() ? 1 : 0) && WriteText(out, kLineEnd);
  ok = ok && WriteLine(out, "; Texture params:") && WriteParam(out, kTextureWidthKey, engine.textureWidth) &&
       WriteParam(out, kTextureHeightKey, engine.GetTextureSize().height) &&
       WriteParam(out, kLeadingKey, engine.leading) && WriteParam(out, kKerningKey, engine.kerning) &&
       WriteText(out, kLineEnd);
  ok = ok && WriteLine(out, "; Simbol params (x,y,width):");
  for (int i = 0; ok && i < Fonter::kGlyphCount; ++i) {
    const char code = static_cast<char>(Fonter::kFirstCode + i);
    const GlyphRecord& glyph = engine.glyphs[i];
    ok = WriteSymbolParam(out, std::string_view(&code, 1), glyph.x, glyph.y, glyph.width);
  }
  return ok;
}

}  // namespace vantor::files
