#include "platform/FontSystem.h"
#include "platform/MemoryContext.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

namespace vantor::platform {
namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;

class MemoryContextTest : public testing::Test {
 protected:
  MemoryContextTest() {
    LOGFONTA desc;
    desc.lfHeight = 20;
    desc.lfCharSet = 1;
    SetFaceName(desc, "DejaVu Sans");
    font = Font::Create(system, desc);
    bitmap = Bitmap::Create(64, 32);
    context.SelectFont(font.get());
    context.SelectBitmap(bitmap.get());
    context.SetTextColor(kWhite);
  }

  int Lit() const {
    int lit = 0;
    for (int y = 0; y < bitmap->Height(); ++y) {
      for (int x = 0; x < bitmap->Width(); ++x) lit += bitmap->Pixel(x, y) != 0;
    }
    return lit;
  }

  FontSystem system;
  std::unique_ptr<Font> font;
  std::unique_ptr<Bitmap> bitmap;
  MemoryContext context{system};
};

TEST_F(MemoryContextTest, ExtentIsTheAdvanceAndTheCell) {
  const Extent m = context.GetTextExtent('M');
  const Extent i = context.GetTextExtent('i');
  EXPECT_GT(m.cx, i.cx);
  EXPECT_EQ(m.cy, 20);
  EXPECT_EQ(i.cy, 20);
}

TEST_F(MemoryContextTest, TextOutPaintsTheBoxThenTheCharacter) {
  context.SetBkColor(0x123456);
  context.FillOpaque(0, 0, 64, 32);
  context.SetBkColor(0);
  context.TextOut(10, 5, 'H');
  const Extent h = context.GetTextExtent('H');
  // Corners of the box are background; outside it the earlier fill stays.
  EXPECT_EQ(bitmap->Pixel(10, 5), 0u);
  EXPECT_EQ(bitmap->Pixel(10 + h.cx - 1, 5 + h.cy - 1), 0u);
  EXPECT_EQ(bitmap->Pixel(9, 5), 0x123456u);
  EXPECT_EQ(bitmap->Pixel(10, 5 + h.cy), 0x123456u);
  // The stem of the H is fully covered somewhere in the middle row.
  bool white = false;
  for (int x = 10; x < 10 + h.cx; ++x) white |= bitmap->Pixel(x, 5 + 10) == kWhite;
  EXPECT_TRUE(white);
}

TEST_F(MemoryContextTest, DrawingIsClippedToTheImage) {
  const std::int64_t far = std::int64_t{INT_MAX} * 4;
  for (auto [x, y] : {std::pair<std::int64_t, std::int64_t>{-5, -5}, {60, 28}, {-far, 0}, {far, far}, {0, -far}}) {
    context.TextOut(x, y, 'W');
  }
  context.FillOpaque(-far, -far, far, far);
  EXPECT_EQ(Lit(), 0);
}

TEST_F(MemoryContextTest, NoImageDrawsNowhere) {
  context.SelectBitmap(nullptr);
  context.TextOut(0, 0, 'A');
  context.FillOpaque(0, 0, 10, 10);
  EXPECT_EQ(Lit(), 0);
}

TEST_F(MemoryContextTest, UnusableFontFallsBackToTheDefaultFont) {
  LOGFONTA huge;
  huge.lfHeight = 100000;
  auto refused = Font::Create(system, huge);
  ASSERT_FALSE(refused->IsUsable());
  context.SelectFont(refused.get());
  EXPECT_EQ(context.GetTextExtent('A').cy, 16);
  EXPECT_STREQ(context.GetCurrentFontDescription().lfFaceName, system.DefaultDescription().lfFaceName);
}

// A code point draws and measures exactly as the byte of the same character,
// in every rendering the quality and the synthesis can ask for.
struct CodePointCase {
  std::uint8_t charset;
  std::uint8_t byte;
  char32_t codePoint;
  std::uint8_t quality;
  std::int32_t weight;
  std::uint8_t italic;
};

class CodePointDrawing : public testing::TestWithParam<CodePointCase> {};

TEST_P(CodePointDrawing, MatchesTheByteOfTheSameCharacter) {
  const CodePointCase c = GetParam();
  FontSystem system;
  LOGFONTA desc;
  desc.lfHeight = 24;
  desc.lfCharSet = c.charset;
  desc.lfQuality = c.quality;
  desc.lfWeight = c.weight;
  desc.lfItalic = c.italic;
  SetFaceName(desc, "DejaVu Sans");
  const auto font = Font::Create(system, desc);
  const auto byByte = Bitmap::Create(48, 40);
  const auto byCodePoint = Bitmap::Create(48, 40);
  MemoryContext context(system);
  context.SelectFont(font.get());
  context.SetTextColor(kWhite);
  context.SelectBitmap(byByte.get());
  context.TextOut(6, 4, c.byte);
  context.SelectBitmap(byCodePoint.get());
  context.TextOutCodePoint(6, 4, c.codePoint);

  EXPECT_TRUE(context.HasCodePoint(c.codePoint));
  EXPECT_EQ(context.GetCodePointExtent(c.codePoint).cx, context.GetTextExtent(c.byte).cx);
  EXPECT_EQ(context.GetCodePointExtent(c.codePoint).cy, 24);
  int lit = 0;
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 48; ++x) {
      ASSERT_EQ(byCodePoint->Pixel(x, y), byByte->Pixel(x, y)) << x << "," << y;
      lit += byByte->Pixel(x, y) != 0;
    }
  }
  EXPECT_GT(lit, 20);
}

INSTANTIATE_TEST_SUITE_P(Renderings, CodePointDrawing,
                         testing::Values(CodePointCase{0, 'g', U'g', 0, 400, 0},
                                         CodePointCase{204, 0xC6, 0x416, 4, 400, 0},      // Cyrillic Zhe
                                         CodePointCase{0, 0xE9, 0xE9, 3, 700, 1},         // mono, bold italic
                                         CodePointCase{161, 0xE1, 0x3B1, 5, 400, 1},      // Greek alpha, subpixel
                                         CodePointCase{1, 0x80, 0x20AC, 0, 700, 0}));     // the euro sign

// A combining accent has no advance: its ink lies in the box before it. Where its
// distance field meets the field already there, the texture keeps the higher value.
TEST(DistanceFieldDrawing, FieldsMeetAtTheHigherValue) {
  FontSystem system;
  LOGFONTA desc;
  desc.lfHeight = 24;
  SetFaceName(desc, "DejaVu Sans");
  const auto font = Font::Create(system, desc);
  MemoryContext context(system);
  context.SelectFont(font.get());
  context.SetTextColor(kWhite);
  context.SetFieldSpread(6);
  const std::int64_t second = context.GetTextExtent('a').cx;
  const auto bitmap = [&] {
    auto made = Bitmap::Create(96, 48);
    context.SelectBitmap(made.get());
    return made;
  };
  const auto letter = bitmap();
  context.TextOut(0, 4, 'a');
  const auto accent = bitmap();
  context.TextOutCodePoint(second, 4, 0x301);
  const auto both = bitmap();
  context.TextOut(0, 4, 'a');
  context.TextOutCodePoint(second, 4, 0x301);
  int met = 0;
  for (int y = 0; y < 48; ++y) {
    for (int x = 0; x < second; ++x) {
      const std::uint32_t a = letter->Pixel(x, y) & 0xFF;
      const std::uint32_t b = accent->Pixel(x, y) & 0xFF;
      ASSERT_EQ(both->Pixel(x, y), std::max(a, b) * 0x010101u) << x << "," << y;
      met += a > 0 && b > 0;
    }
  }
  EXPECT_GT(met, 10);
}

TEST_F(MemoryContextTest, CodePointsTheFaceLacksAreMissing) {
  EXPECT_TRUE(context.HasCodePoint(U'A'));
  EXPECT_TRUE(context.HasCodePoint(0x416));
  EXPECT_FALSE(context.HasCodePoint(0x4E00));
  EXPECT_FALSE(context.HasCodePoint(0x10FFFF));
  EXPECT_FALSE(context.HasCodePoint(0x7FFFFFFF));
}

TEST(Bitmap, RefusesSizesItCannotHold) {
  EXPECT_EQ(Bitmap::Create(0, 10), nullptr);
  EXPECT_EQ(Bitmap::Create(10, -1), nullptr);
  EXPECT_EQ(Bitmap::Create(1 << 15, 1 << 14), nullptr);  // 2^29 pixels
  const auto bitmap = Bitmap::Create(3, 2);
  ASSERT_NE(bitmap, nullptr);
  EXPECT_EQ(bitmap->Pixel(2, 1), 0u);
}

}  // namespace
}  // namespace vantor::platform
