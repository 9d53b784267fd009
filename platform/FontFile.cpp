#include "platform/FontFile.h"

#include FT_LCD_FILTER_H
#include FT_TRUETYPE_TABLES_H

#include <cstdlib>

namespace vantor::platform {

namespace {

FaceMetrics ReadMetrics(FT_Face face) {
  FaceMetrics metrics;
  metrics.unitsPerEm = face->units_per_EM;
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  if (os2 != nullptr && os2->version != 0xFFFF && (os2->usWinAscent != 0 || os2->usWinDescent != 0)) {
    metrics.ascent = os2->usWinAscent;
    metrics.descent = os2->usWinDescent;
  } else {
    metrics.ascent = face->ascender;
    metrics.descent = -face->descender;
  }
  if (os2 != nullptr && os2->version != 0xFFFF) metrics.averageWidth = std::abs(os2->xAvgCharWidth);
  return metrics;
}

}  // namespace

std::shared_ptr<FontFile> FontFile::Open(std::shared_ptr<FT_LibraryRec_> library, const std::string& path,
                                         int index) {
  FT_Face face = nullptr;
  if (!library || FT_New_Face(library.get(), path.c_str(), index, &face) != 0) return nullptr;
  return std::make_shared<FontFile>(std::move(library), FreeTypeFacePtr(face), path, index);
}

FontFile::FontFile(std::shared_ptr<FT_LibraryRec_> library, FreeTypeFacePtr face, std::string path, int index)
    : library_(std::move(library)),
      face_(std::move(face)),
      metrics_(ReadMetrics(face_.get())),
      path_(std::move(path)),
      index_(index) {}

std::shared_ptr<FontFile> FontFile::Reopen() const {
  if (path_.empty()) return nullptr;
  return Open(StartFreeType(), path_, index_);
}

std::shared_ptr<FT_LibraryRec_> StartFreeType() {
  FT_Library library = nullptr;
  if (FT_Init_FreeType(&library) != 0) return nullptr;
  // Without subpixel support compiled in, FreeType renders LCD glyphs its own
  // way and refuses the filter; either way red, green and blue differ.
  FT_Library_SetLcdFilter(library, FT_LCD_FILTER_DEFAULT);
  return std::shared_ptr<FT_LibraryRec_>(library, FreeTypeLibraryDeleter{});
}

}  // namespace vantor::platform
