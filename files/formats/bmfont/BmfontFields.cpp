#include "files/formats/bmfont/BmfontFields.h"

namespace vantor::files::bmfont {

Attributes::Attributes(Style style, std::string_view tag) : style_(style), text_(style == Style::Xml ? "<" : "") {
  text_ += tag;
}

void Attributes::Key(std::string_view key) {
  text_ += ' ';
  text_ += key;
  text_ += '=';
}

Attributes& Attributes::Number(std::string_view key, long long value) {
  if (style_ == Style::Xml) return String(key, std::to_string(value));
  Key(key);
  text_ += std::to_string(value);
  return *this;
}

Attributes& Attributes::List(std::string_view key, const int* values, int count) {
  std::string joined;
  for (int i = 0; i < count; ++i) {
    if (i > 0) joined += ',';
    joined += std::to_string(values[i]);
  }
  if (style_ == Style::Xml) return String(key, joined);
  Key(key);
  text_ += joined;
  return *this;
}

Attributes& Attributes::Word(std::string_view key, std::string_view value) {
  if (style_ == Style::Xml) return String(key, value);
  Key(key);
  text_ += value;
  return *this;
}

Attributes& Attributes::String(std::string_view key, std::string_view value) {
  Key(key);
  text_ += '"';
  for (const char c : value) {
    if (style_ == Style::Text) {
      // The text format has no escapes: a double quote would end the value, a line end the line.
      text_ += c == '"' ? '\'' : (c == '\r' || c == '\n') ? ' ' : c;
      continue;
    }
    switch (c) {
      case '&': text_ += "&amp;"; break;
      case '<': text_ += "&lt;"; break;
      case '>': text_ += "&gt;"; break;
      case '"': text_ += "&quot;"; break;
      case '\r': text_ += "&#13;"; break;
      case '\n': text_ += "&#10;"; break;
      case '\t': text_ += "&#9;"; break;
      default:
        // Other control characters cannot stand in XML 1.0 at all.
        if (static_cast<unsigned char>(c) >= 0x20) text_ += c;
    }
  }
  text_ += '"';
  return *this;
}

Attributes InfoAttributes(Style style, const BitmapFontDescription& font) {
  const BitmapFontInfo& info = font.info;
  Attributes a(style, "info");
  a.String("face", info.face).Number("size", info.size).Number("bold", info.bold).Number("italic", info.italic)
      .String("charset", "").Number("unicode", info.unicode).Number("stretchH", kStretchH)
      .Number("smooth", info.smooth).Number("aa", Supersampling(info))
      .List("padding", info.padding, 4).List("spacing", info.spacing, 2).Number("outline", info.outline);
  if (!info.fieldType.empty()) a.String("field", info.fieldType).Number("spread", info.fieldSpread);
  return a;
}

Attributes CommonAttributes(Style style, const BitmapFontDescription& font) {
  Attributes a(style, "common");
  a.Number("lineHeight", font.lineHeight).Number("base", font.base).Number("scaleW", font.scaleW)
      .Number("scaleH", font.scaleH).Number("pages", static_cast<long long>(font.pages.size())).Number("packed", 0)
      .Number("alphaChnl", AlphaChannel(font.info)).Number("redChnl", ColourChannel(font.info))
      .Number("greenChnl", ColourChannel(font.info)).Number("blueChnl", ColourChannel(font.info));
  return a;
}

std::optional<Attributes> DistanceFieldAttributes(Style style, const BitmapFontDescription& font) {
  const BitmapFontInfo& info = font.info;
  if (info.fieldType.empty()) return std::nullopt;
  // The range is the whole span of distances the field holds, -spread outside the outline to
  // +spread inside it, so twice the spread.
  Attributes a(style, "distanceField");
  a.Word("fieldType", info.fieldType).Number("distanceRange", 2LL * info.fieldSpread);
  return a;
}

Attributes PageAttributes(Style style, const BitmapFontDescription& font, std::size_t id) {
  Attributes a(style, "page");
  a.Number("id", static_cast<long long>(id)).String("file", font.pages[id]);
  return a;
}

Attributes CharAttributes(Style style, const BitmapFontChar& c) {
  Attributes a(style, "char");
  a.Number("id", c.id).Number("x", c.x).Number("y", c.y).Number("width", c.width).Number("height", c.height)
      .Number("xoffset", c.xoffset).Number("yoffset", c.yoffset).Number("xadvance", c.xadvance)
      .Number("page", c.page).Number("chnl", c.channel);
  return a;
}

Attributes KerningAttributes(Style style, const BitmapFontKerning& k) {
  Attributes a(style, "kerning");
  a.Number("first", k.first).Number("second", k.second).Number("amount", k.amount);
  return a;
}

}  // namespace vantor::files::bmfont
