#include "platform/Bitmap.h"

#include <new>

namespace vantor::platform {

std::unique_ptr<Bitmap> Bitmap::Create(int width, int height) {
  if (width <= 0 || height <= 0) return nullptr;
  const std::int64_t pixels = std::int64_t{width} * height;
  if (pixels > kMaxPixels) return nullptr;
  try {
    std::vector<std::uint32_t> data(static_cast<std::size_t>(pixels), 0u);
    return std::make_unique<Bitmap>(width, height, std::move(data));
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

}  // namespace vantor::platform
