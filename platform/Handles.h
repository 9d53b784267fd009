#pragma once

// Owning handles for the C libraries the platform layer is built on. Each is a
// std::unique_ptr with a deleter, so a handle is released exactly once and can
// be moved but never copied.

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SIZES_H
#include FT_GLYPH_H
#include FT_STROKER_H
#include <iconv.h>

#include <memory>

namespace vantor::platform {

struct FreeTypeLibraryDeleter {
  void operator()(FT_Library library) const { FT_Done_FreeType(library); }
};
struct FreeTypeFaceDeleter {
  void operator()(FT_Face face) const { FT_Done_Face(face); }
};
struct FreeTypeSizeDeleter {
  void operator()(FT_Size size) const { FT_Done_Size(size); }
};
struct FreeTypeStrokerDeleter {
  void operator()(FT_Stroker stroker) const { FT_Stroker_Done(stroker); }
};
struct FreeTypeGlyphDeleter {
  void operator()(FT_Glyph glyph) const { FT_Done_Glyph(glyph); }
};
struct FcPatternDeleter {
  void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
struct FcFontSetDeleter {
  void operator()(FcFontSet* set) const { FcFontSetDestroy(set); }
};
struct FcObjectSetDeleter {
  void operator()(FcObjectSet* set) const { FcObjectSetDestroy(set); }
};
struct FcConfigDeleter {
  void operator()(FcConfig* config) const { FcConfigDestroy(config); }
};

using FreeTypeLibraryPtr = std::unique_ptr<FT_LibraryRec_, FreeTypeLibraryDeleter>;
using FreeTypeFacePtr = std::unique_ptr<FT_FaceRec_, FreeTypeFaceDeleter>;
using FreeTypeSizePtr = std::unique_ptr<FT_SizeRec_, FreeTypeSizeDeleter>;
using FreeTypeStrokerPtr = std::unique_ptr<FT_StrokerRec_, FreeTypeStrokerDeleter>;
using FreeTypeGlyphPtr = std::unique_ptr<FT_GlyphRec_, FreeTypeGlyphDeleter>;
using FcPatternPtr = std::unique_ptr<FcPattern, FcPatternDeleter>;
using FcFontSetPtr = std::unique_ptr<FcFontSet, FcFontSetDeleter>;
using FcObjectSetPtr = std::unique_ptr<FcObjectSet, FcObjectSetDeleter>;
using FcConfigPtr = std::unique_ptr<FcConfig, FcConfigDeleter>;

/// An open iconv conversion; closed when the handle goes.
class IconvHandle {
 public:
  /// Opens a conversion from `from` to `to`; Valid() tells whether iconv knows both.
  IconvHandle(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~IconvHandle() {
    if (Valid()) iconv_close(cd_);
  }
  IconvHandle(const IconvHandle&) = delete;
  IconvHandle& operator=(const IconvHandle&) = delete;

  /// True when the conversion could be opened.
  bool Valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
  /// The raw descriptor, for iconv calls.
  iconv_t Get() const { return cd_; }

 private:
  iconv_t cd_;
};

/// The current fontconfig configuration with a reference held (loads it on first use).
FcConfigPtr ReferenceFontConfig();

}  // namespace vantor::platform
