// Draws a text with the export window's sample drawing from a written text
// descriptor and its PNG pages, read here on their own, and writes it over
// black as the LÖVE script does: pen at (4, 8), red channel, binary PGM.
//   sample_dump FONT.fnt TEXT WIDTH HEIGHT SCALE > sample.pgm
#include "files/export/SampleImage.h"
#include "files/export/SampleLayout.h"
#include "tests/files/TextDescriptor.h"

#include <spng.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

namespace {

using namespace vantor;

std::shared_ptr<const ColourImage> ReadPng(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  spng_ctx* context = spng_ctx_new(0);
  spng_set_png_buffer(context, bytes.data(), bytes.size());
  spng_ihdr header{};
  std::size_t size = 0;
  auto image = std::make_shared<ColourImage>();
  if (spng_get_ihdr(context, &header) == 0 && spng_decoded_image_size(context, SPNG_FMT_RGBA8, &size) == 0) {
    image->width = static_cast<int>(header.width);
    image->height = static_cast<int>(header.height);
    image->rgba.resize(size);
    if (spng_decode_image(context, image->rgba.data(), size, SPNG_FMT_RGBA8, 0) != 0) image->rgba.clear();
  }
  spng_ctx_free(context);
  return image;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 6) return 2;
  const std::string descriptor = argv[1];
  const std::string folder = descriptor.substr(0, descriptor.find_last_of('/') + 1);
  std::ifstream lines(descriptor);
  std::vector<std::string> pageFiles;
  const files::BitmapFontDescription font = files::test::ReadTextDescriptor(lines, &pageFiles);
  std::vector<std::shared_ptr<const ColourImage>> pages;
  for (const std::string& file : pageFiles) pages.push_back(ReadPng(folder + file));
  std::u32string text;
  for (const char* p = argv[2]; *p != 0;) {  // UTF-8 to code points, for the test's own texts
    const auto byte = static_cast<unsigned char>(*p);
    const int length = byte < 0x80 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
    char32_t code = length == 1 ? byte : byte & (0x7F >> length);
    for (int i = 1; i < length; ++i) code = (code << 6) | (static_cast<unsigned char>(p[i]) & 0x3F);
    text += code;
    p += length;
  }
  const int width = std::stoi(argv[3]);
  const int height = std::stoi(argv[4]);
  const int scale = std::stoi(argv[5]);
  const files::SampleImage sample = files::DrawSample(files::LayOutSample(font, text, 8), pages, {scale, false});
  std::string grey(static_cast<std::size_t>(width) * height, '\0');
  for (int y = 0; y < sample.height; ++y) {
    for (int x = 0; x < sample.width; ++x) {
      const int cx = 4 + x - sample.penX;
      const int cy = 8 + y - sample.penY;
      if (cx >= 0 && cy >= 0 && cx < width && cy < height) grey[static_cast<std::size_t>(cy) * width + cx] = static_cast<char>(sample.Pixel(x, y)[0]);
    }
  }
  std::printf("P5\n%d %d\n255\n", width, height);
  std::fwrite(grey.data(), 1, grey.size(), stdout);
  return 0;
}
