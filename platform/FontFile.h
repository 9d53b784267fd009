#pragma once

#include "platform/CellSize.h"
#include "platform/Handles.h"

#include <memory>
#include <string>

namespace vantor::platform {

/// A FreeType library set up as every font of the program expects; null when FreeType cannot start.
std::shared_ptr<FT_LibraryRec_> StartFreeType();

/// One opened face of a font file; fonts of several sizes share it.
class FontFile {
 public:
  /// Opens face `index` of the file at `path`; null when FreeType cannot.
  static std::shared_ptr<FontFile> Open(std::shared_ptr<FT_LibraryRec_> library, const std::string& path,
                                        int index);

  /// Takes ownership of an opened face, face `index` of the file at `path`; the library
  /// is kept alive as long as the face.
  FontFile(std::shared_ptr<FT_LibraryRec_> library, FreeTypeFacePtr face, std::string path = {}, int index = 0);

  /// The same face opened again on a FreeType library of its own, for use on another
  /// thread; null when it cannot be.
  std::shared_ptr<FontFile> Reopen() const;

  /// The FreeType face.
  FT_Face Face() const { return face_.get(); }
  /// The face's vertical metrics in font units, as used for sizing.
  const FaceMetrics& Metrics() const { return metrics_; }

 private:
  std::shared_ptr<FT_LibraryRec_> library_;  // released after the face
  FreeTypeFacePtr face_;
  FaceMetrics metrics_;
  std::string path_;
  int index_ = 0;
};

}  // namespace vantor::platform
