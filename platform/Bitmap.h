#pragma once

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

namespace vantor::platform {

/// An off-screen image, 32 bits a pixel as 0x00RRGGBB, rows top-down.
class Bitmap {
 public:
  /// Largest image made, in pixels (1 GiB of pixel data).
  static constexpr std::int64_t kMaxPixels = std::int64_t{1} << 28;

  /// A black image of width × height pixels, or null when the size is not
  /// positive, above kMaxPixels, or the memory cannot be had.
  static std::unique_ptr<Bitmap> Create(int width, int height);

  /// An image of the given size holding `pixels` (width × height of them); use Create.
  Bitmap(int width, int height, std::vector<std::uint32_t> pixels)
      : width_(width), height_(height), pixels_(std::move(pixels)) {}

  /// Width in pixels.
  int Width() const { return width_; }
  /// Height in pixels.
  int Height() const { return height_; }
  /// The colour of pixel (x, y) as 0x00RRGGBB; the caller keeps x and y inside the image.
  std::uint32_t Pixel(int x, int y) const { return pixels_[Index(x, y)]; }
  /// Row y, Width() pixels.
  const std::uint32_t* Row(int y) const { return pixels_.data() + Index(0, y); }
  /// Row y for writing, Width() pixels.
  std::uint32_t* Row(int y) { return pixels_.data() + Index(0, y); }
  /// All pixels, row after row.
  const std::uint32_t* Pixels() const { return pixels_.data(); }

 private:
  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x);
  }

  int width_;
  int height_;
  std::vector<std::uint32_t> pixels_;
};

}  // namespace vantor::platform
