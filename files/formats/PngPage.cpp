#include "files/formats/PngPage.h"

#include "files/formats/WhiteAlpha.h"

#include <spng.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

namespace vantor::files {

namespace {

struct SpngDeleter {
  void operator()(spng_ctx* context) const { spng_ctx_free(context); }
};
using SpngPtr = std::unique_ptr<spng_ctx, SpngDeleter>;

// Texture rows are mostly transparent white, FF FF FF 00 again and again. The
// Sub filter turns such runs into zeros, which zlib's run-length strategy packs
// at a fraction of the cost of a full match search.
// Colour pages (glyph, outline and shadow) change all four bytes of a pixel at
// once at every edge, where Sub leaves four differences for one; and their runs
// of one colour repeat every four bytes, which only a match search finds.
// Unfiltered, with zlib's usual strategy at its fastest level, they pack a third
// smaller than so and as soon.
constexpr int kDefaultStrategy = 0;    // Z_DEFAULT_STRATEGY
constexpr int kRunLengthStrategy = 3;  // Z_RLE
constexpr int kFastestLevel = 1;

int WriteToSink(spng_ctx*, void* user, void* data, std::size_t length) {
  return static_cast<ByteSink*>(user)->Write(data, length) ? 0 : SPNG_IO_ERROR;
}

// Writes a width × height RGBA PNG whose row y `fillRow` writes into `row` (width × 4 bytes),
// each row filtered by `filter` (an SPNG_FILTER_CHOICE) and packed with zlib's `strategy`.
template <typename FillRow>
bool EncodeRgba(ByteSink& out, int width, int height, int filter, int strategy, FillRow fillRow) {
  SpngPtr context(spng_ctx_new(SPNG_CTX_ENCODER));
  if (!context) return false;
  spng_ctx* ctx = context.get();
  spng_ihdr header{};
  header.width = static_cast<std::uint32_t>(width);
  header.height = static_cast<std::uint32_t>(height);
  header.bit_depth = 8;
  header.color_type = SPNG_COLOR_TYPE_TRUECOLOR_ALPHA;
  if (spng_set_png_stream(ctx, WriteToSink, &out) != 0 || spng_set_ihdr(ctx, &header) != 0 ||
      spng_set_option(ctx, SPNG_FILTER_CHOICE, filter) != 0 ||
      spng_set_option(ctx, SPNG_IMG_COMPRESSION_STRATEGY, strategy) != 0 ||
      spng_set_option(ctx, SPNG_IMG_COMPRESSION_LEVEL, kFastestLevel) != 0 ||
      spng_encode_image(ctx, nullptr, 0, SPNG_FMT_PNG, SPNG_ENCODE_PROGRESSIVE | SPNG_ENCODE_FINALIZE) != 0) {
    return false;
  }
  std::vector<std::uint32_t> row(static_cast<std::size_t>(width));
  for (int y = 0; y < height; ++y) {
    fillRow(y, row.data());
    const int status = spng_encode_row(ctx, row.data(), row.size() * 4);
    if (status != 0 && status != SPNG_EOI) return false;
  }
  return true;
}

}  // namespace

bool WritePngPage(ByteSink& out, const platform::Bitmap* texture) {
  if (texture == nullptr) return false;
  const auto width = static_cast<std::size_t>(texture->Width());
  return EncodeRgba(out, texture->Width(), texture->Height(), SPNG_FILTER_CHOICE_SUB, kRunLengthStrategy,
                    [&](int y, std::uint32_t* row) { WhiteAlphaRow(texture->Row(y), row, width); });
}

bool WriteColourPngPage(ByteSink& out, const ColourImage* image) {
  if (image == nullptr || image->width <= 0 || image->height <= 0) return false;
  const std::size_t rowBytes = static_cast<std::size_t>(image->width) * 4;
  return EncodeRgba(out, image->width, image->height, SPNG_FILTER_CHOICE_NONE, kDefaultStrategy,
                    [&](int y, std::uint32_t* row) {
                      std::memcpy(row, image->rgba.data() + static_cast<std::size_t>(y) * rowBytes, rowBytes);
                    });
}

}  // namespace vantor::files
