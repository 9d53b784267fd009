#include "platform/Bitmap.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace vantor::platform {

namespace {

Rect Intersect(const Rect& a, const Rect& b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
}

bool Overlap(const Rect& a, const Rect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool Contains(const Rect& outer, const Rect& inner) {
  return outer.left <= inner.left && outer.top <= inner.top && outer.right >= inner.right &&
         outer.bottom >= inner.bottom;
}

// A big image is drawn on in many places: asked for in 2 MiB pages, its first
// touches fault a few hundred times instead of many thousand. Only a hint.
void AskForHugePages(void* start, std::size_t bytes) {
  constexpr std::uintptr_t kHugePage = std::uintptr_t{2} << 20;
  const auto begin = (reinterpret_cast<std::uintptr_t>(start) + kHugePage - 1) & ~(kHugePage - 1);
  const auto end = (reinterpret_cast<std::uintptr_t>(start) + bytes) & ~(kHugePage - 1);
  if (end > begin) ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
}

}  // namespace

std::unique_ptr<Bitmap> Bitmap::Create(int width, int height) {
  if (width <= 0 || height <= 0) return nullptr;
  const std::int64_t pixels = std::int64_t{width} * height;
  if (pixels > kMaxPixels) return nullptr;
  // calloc hands large blocks over as fresh zero pages: a big black image
  // costs nothing until it is drawn on.
  PixelBuffer buffer(static_cast<std::uint32_t*>(std::calloc(static_cast<std::size_t>(pixels), sizeof(std::uint32_t))));
  if (!buffer) return nullptr;
  AskForHugePages(buffer.get(), static_cast<std::size_t>(pixels) * sizeof(std::uint32_t));
  return std::make_unique<Bitmap>(width, height, std::move(buffer));
}

Bitmap::Bitmap(int width, int height, PixelBuffer pixels)
    : width_(width), height_(height), pixels_(std::move(pixels)) {}

Rect Bitmap::Clip(const Rect& rect) const { return Intersect(rect, Rect{0, 0, width_, height_}); }

void Bitmap::FillClipped(const Rect& rect, std::uint32_t colour) {
  if (rect.Empty()) return;
  const auto count = static_cast<std::size_t>(rect.right - rect.left);
  for (int y = rect.top; y < rect.bottom; ++y) {
    std::uint32_t* row = MutableRow(y) + rect.left;
    if (colour == 0) {
      std::memset(row, 0, count * sizeof *row);
    } else {
      std::fill(row, row + count, colour);
    }
  }
}

void Bitmap::Fill(const Rect& rect, std::uint32_t colour) {
  const Rect clipped = Clip(rect);
  if (clipped.Empty()) return;
  if (colour != 0) {
    FillClipped(clipped, colour);
    inked_.push_back(clipped);
    return;
  }
  // Black over black changes nothing: paint only where ink may be.
  for (const Rect& ink : inked_) {
    if (Overlap(ink, clipped)) FillClipped(Intersect(ink, clipped), 0);
  }
  std::erase_if(inked_, [&](const Rect& ink) { return Contains(clipped, ink); });
}

bool Bitmap::IsBlack(const Rect& rect) const {
  return std::none_of(inked_.begin(), inked_.end(), [&](const Rect& ink) { return Overlap(ink, rect); });
}

void Bitmap::MarkInked(const Rect& rect) {
  const Rect clipped = Clip(rect);
  if (!clipped.Empty()) inked_.push_back(clipped);
}

}  // namespace vantor::platform
