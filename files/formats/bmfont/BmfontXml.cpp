#include "files/formats/bmfont/BmfontFields.h"
#include "files/formats/bmfont/BmfontWriters.h"

namespace vantor::files {

bool WriteBmfontXml(ByteSink& out, const BitmapFontDescription& font) {
  using bmfont::Style;
  std::string head = "<?xml version=\"1.0\"?>\n<font>\n  " + bmfont::InfoAttributes(Style::Xml, font).Close("/>\n") +
                     "  " + bmfont::CommonAttributes(Style::Xml, font).Close("/>\n");
  if (const auto field = bmfont::DistanceFieldAttributes(Style::Xml, font)) head += "  " + field->Close("/>\n");
  head += "  <pages>\n";
  for (std::size_t id = 0; id < font.pages.size(); ++id) {
    head += "    " + bmfont::PageAttributes(Style::Xml, font, id).Close("/>\n");
  }
  head += "  </pages>\n  " +
          bmfont::Attributes(Style::Xml, "chars").Number("count", static_cast<long long>(font.chars.size())).Close(">\n");
  if (!out.Write(head)) return false;
  for (const BitmapFontChar& c : font.chars) {
    if (!out.Write("    " + bmfont::CharAttributes(Style::Xml, c).Close("/>\n"))) return false;
  }
  if (!out.Write("  </chars>\n  " + bmfont::Attributes(Style::Xml, "kernings")
                                        .Number("count", static_cast<long long>(font.kernings.size()))
                                        .Close(">\n"))) {
    return false;
  }
  for (const BitmapFontKerning& k : font.kernings) {
    if (!out.Write("    " + bmfont::KerningAttributes(Style::Xml, k).Close("/>\n"))) return false;
  }
  return out.Write("  </kernings>\n</font>\n");
}

}  // namespace vantor::files
