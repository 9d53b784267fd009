#pragma once

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

namespace vantor::platform {

/// A rectangle of pixels: columns [left, right), rows [top, bottom).
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  /// True when the rectangle holds no pixel.
  bool Empty() const { return left >= right || top >= bottom; }
};

/// An off-screen image, 32 bits a pixel as 0x00RRGGBB, rows top-down.
/// It keeps the rectangles where anything but black was written, so that
/// painting black over it touches only those.
class Bitmap {
 public:
  /// Largest image made, in pixels (1 GiB of pixel data).
  static constexpr std::int64_t kMaxPixels = std::int64_t{1} << 28;

  /// A black image of width × height pixels, or null when the size is not
  /// positive, above kMaxPixels, or the memory cannot be had.
  static std::unique_ptr<Bitmap> Create(int width, int height);

  struct FreeDeleter {
    void operator()(std::uint32_t* pixels) const { std::free(pixels); }
  };
  using PixelBuffer = std::unique_ptr<std::uint32_t[], FreeDeleter>;

  /// A black image holding `pixels` (width × height of them, all zero); use Create.
  Bitmap(int width, int height, PixelBuffer pixels);

  /// Width in pixels.
  int Width() const { return width_; }
  /// Height in pixels.
  int Height() const { return height_; }
  /// The colour of pixel (x, y) as 0x00RRGGBB; the caller keeps x and y inside the image.
  std::uint32_t Pixel(int x, int y) const { return pixels_[Index(x, y)]; }
  /// Row y, Width() pixels.
  const std::uint32_t* Row(int y) const { return pixels_.get() + Index(0, y); }
  /// All pixels, row after row.
  const std::uint32_t* Pixels() const { return pixels_.get(); }

  /// The part of `rect` inside the image.
  Rect Clip(const Rect& rect) const;
  /// Fills `rect` (clipped) with `colour`.
  void Fill(const Rect& rect, std::uint32_t colour);
  /// Row y for writing; whatever is written other than black must lie in a rectangle passed to MarkInked first.
  std::uint32_t* MutableRow(int y) { return pixels_.get() + Index(0, y); }
  /// Records that pixels of `rect` (clipped) may be written with colours other than black.
  void MarkInked(const Rect& rect);
  /// True when every pixel of `rect` is known to be black.
  bool IsBlack(const Rect& rect) const;

 private:
  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x);
  }
  void FillClipped(const Rect& rect, std::uint32_t colour);

  int width_;
  int height_;
  PixelBuffer pixels_;
  std::vector<Rect> inked_;  // every pixel outside these is black
};

}  // namespace vantor::platform
