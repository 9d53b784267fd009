#pragma once

// One drawing context for each face a Unicode set is drawn from: the font's
// face and its fallback faces, all measuring and drawing on the font's line.

#include "engine/Fonter.h"
#include "platform/MemoryContext.h"

#include <memory>
#include <vector>

namespace vantor {

class FaceContexts {
 public:
  /// Contexts for the font of `engine` and each of its fallback faces, with its field spread.
  explicit FaceContexts(Fonter& engine);

  /// The context of face `face` (0: the font's).
  platform::MemoryContext& operator[](int face) { return *contexts_[static_cast<std::size_t>(face)]; }
  /// Pixels face `face` is drawn lower than its own cell puts it, so that its
  /// baseline is the font's.
  int Shift(int face) const { return shifts_[static_cast<std::size_t>(face)]; }
  /// Selects `image` into every context.
  void SelectBitmap(platform::Bitmap* image);

 private:
  std::vector<std::unique_ptr<platform::MemoryContext>> contexts_;
  std::vector<int> shifts_;
};

}  // namespace vantor
