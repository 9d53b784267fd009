#include "files/export/FieldRefusal.h"

namespace vantor::files {

std::string RefusedField(const Fonter& engine) {
  if (engine.GetQuality() == platform::kClearTypeQuality) {
    return "cannot draw quality 5 (ClearType): a distance field has one channel, subpixel colour needs three";
  }
  if (engine.font && !engine.font->Match().outline) {
    return "needs a face with outlines; \"" + engine.font->Match().family + "\" has bitmaps only";
  }
  return {};
}

}  // namespace vantor::files
