#include "files/formats/bmfont/BmfontFields.h"
#include "files/formats/bmfont/BmfontWriters.h"

namespace vantor::files {

using bmfont::Style;

bool WriteBmfontText(ByteSink& out, const BitmapFontDescription& font) {
  std::string head = bmfont::InfoAttributes(Style::Text, font).Close("\n") +
                     bmfont::CommonAttributes(Style::Text, font).Close("\n");
  if (const auto field = bmfont::DistanceFieldAttributes(Style::Text, font)) head += field->Close("\n");
  for (std::size_t id = 0; id < font.pages.size(); ++id) head += bmfont::PageAttributes(Style::Text, font, id).Close("\n");
  head += bmfont::Attributes(Style::Text, "chars").Number("count", static_cast<long long>(font.chars.size())).Close("\n");
  if (!out.Write(head)) return false;
  for (const BitmapFontChar& c : font.chars) {
    if (!out.Write(bmfont::CharAttributes(Style::Text, c).Close("\n"))) return false;
  }
  if (!out.Write(bmfont::Attributes(Style::Text, "kernings")
                     .Number("count", static_cast<long long>(font.kernings.size()))
                     .Close("\n"))) {
    return false;
  }
  for (const BitmapFontKerning& k : font.kernings) {
    if (!out.Write(bmfont::KerningAttributes(Style::Text, k).Close("\n"))) return false;
  }
  return true;
}

bool WriteBmfont(ByteSink& out, const BitmapFontDescription& font, OutputFormat format) {
  switch (format) {
    case OutputFormat::BmfontText:
      return WriteBmfontText(out, font);
    case OutputFormat::BmfontXml:
      return WriteBmfontXml(out, font);
    case OutputFormat::BmfontBinary:
      return WriteBmfontBinary(out, font);
    case OutputFormat::Params:
      break;
  }
  return false;
}

}  // namespace vantor::files
