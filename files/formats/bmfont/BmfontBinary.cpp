#include "files/formats/bmfont/BmfontFields.h"
#include "files/formats/bmfont/BmfontWriters.h"

#include <cstdint>
#include <limits>
#include <string>

namespace vantor::files {

namespace {

enum Block : std::uint8_t { kInfo = 1, kCommon = 2, kPages = 3, kChars = 4, kKerning = 5 };

// Info flags, numbered from the high bit as readers of the format expect.
constexpr std::uint8_t kSmooth = 0x80;
constexpr std::uint8_t kUnicode = 0x40;
constexpr std::uint8_t kItalic = 0x20;
constexpr std::uint8_t kBold = 0x10;

// Little-endian fields; `fits` turns false when a value does not fit its field.
class Encoder {
 public:
  template <typename T>
  void Put(long long value) {
    if (value < static_cast<long long>(std::numeric_limits<T>::min()) ||
        value > static_cast<long long>(std::numeric_limits<T>::max())) {
      fits = false;
    }
    const auto bits = static_cast<unsigned long long>(value);
    for (std::size_t i = 0; i < sizeof(T); ++i) bytes += static_cast<char>((bits >> (8 * i)) & 0xFF);
  }
  void Text(const std::string& text) {
    // A name ends at its first zero byte, so one inside would cut it.
    for (const char c : text) bytes += c == '\0' ? '?' : c;
    bytes += '\0';
  }
  void BlockStart(Block type) {
    Put<std::uint8_t>(type);
    sizeAt_ = bytes.size();
    Put<std::uint32_t>(0);
  }
  void BlockEnd() {
    const std::size_t size = bytes.size() - sizeAt_ - 4;
    if (size > std::numeric_limits<std::uint32_t>::max()) fits = false;
    for (std::size_t i = 0; i < 4; ++i) bytes[sizeAt_ + i] = static_cast<char>((size >> (8 * i)) & 0xFF);
  }

  std::string bytes;
  bool fits = true;

 private:
  std::size_t sizeAt_ = 0;
};

void EncodeInfo(Encoder& e, const BitmapFontDescription& font) {
  const BitmapFontInfo& info = font.info;
  e.BlockStart(kInfo);
  e.Put<std::int16_t>(info.size);
  e.Put<std::uint8_t>((info.smooth ? kSmooth : 0) | (info.unicode ? kUnicode : 0) | (info.italic ? kItalic : 0) |
                      (info.bold ? kBold : 0));
  e.Put<std::uint8_t>(0);  // character set: none, the ids are Unicode
  e.Put<std::uint16_t>(bmfont::kStretchH);
  e.Put<std::uint8_t>(bmfont::Supersampling(info));
  for (const int side : info.padding) e.Put<std::uint8_t>(side);
  for (const int gap : info.spacing) e.Put<std::uint8_t>(gap);
  e.Put<std::uint8_t>(info.outline);
  e.Text(info.face);
  e.BlockEnd();
}

void EncodeCommon(Encoder& e, const BitmapFontDescription& font) {
  e.BlockStart(kCommon);
  e.Put<std::uint16_t>(font.lineHeight);
  e.Put<std::uint16_t>(font.base);
  e.Put<std::uint16_t>(font.scaleW);
  e.Put<std::uint16_t>(font.scaleH);
  e.Put<std::uint16_t>(static_cast<long long>(font.pages.size()));
  e.Put<std::uint8_t>(0);  // not packed
  e.Put<std::uint8_t>(bmfont::AlphaChannel(font.info));
  for (int channel = 0; channel < 3; ++channel) e.Put<std::uint8_t>(bmfont::ColourChannel(font.info));
  e.BlockEnd();
}

void EncodePages(Encoder& e, const BitmapFontDescription& font) {
  // Every name has the same length in this block; readers step by the first one's.
  for (const std::string& name : font.pages) {
    if (name.size() != font.pages.front().size()) e.fits = false;
  }
  e.BlockStart(kPages);
  for (const std::string& name : font.pages) e.Text(name);
  e.BlockEnd();
}

void EncodeChars(Encoder& e, const BitmapFontDescription& font) {
  e.BlockStart(kChars);
  for (const BitmapFontChar& c : font.chars) {
    e.Put<std::uint32_t>(c.id);
    e.Put<std::uint16_t>(c.x);
    e.Put<std::uint16_t>(c.y);
    e.Put<std::uint16_t>(c.width);
    e.Put<std::uint16_t>(c.height);
    e.Put<std::int16_t>(c.xoffset);
    e.Put<std::int16_t>(c.yoffset);
    e.Put<std::int16_t>(c.xadvance);
    e.Put<std::uint8_t>(c.page);
    e.Put<std::uint8_t>(c.channel);
  }
  e.BlockEnd();
}

void EncodeKernings(Encoder& e, const BitmapFontDescription& font) {
  if (font.kernings.empty()) return;
  e.BlockStart(kKerning);
  for (const BitmapFontKerning& k : font.kernings) {
    e.Put<std::uint32_t>(k.first);
    e.Put<std::uint32_t>(k.second);
    e.Put<std::int16_t>(k.amount);
  }
  e.BlockEnd();
}

}  // namespace

bool WriteBmfontBinary(ByteSink& out, const BitmapFontDescription& font) {
  Encoder e;
  e.bytes = "BMF";
  e.Put<std::uint8_t>(3);
  EncodeInfo(e, font);
  EncodeCommon(e, font);
  EncodePages(e, font);
  EncodeChars(e, font);
  EncodeKernings(e, font);
  return e.fits && out.Write(e.bytes);
}

}  // namespace vantor::files
