#include "platform/CodePage.h"

#include <gtest/gtest.h>

#include <ostream>

namespace vantor::platform {
namespace {

struct ByteCase {
  std::uint8_t charset;
  std::uint8_t byte;
  std::int32_t codePoint;  // -1: the code page defines no character
};

void PrintTo(const ByteCase& c, std::ostream* out) { *out << "charset " << int(c.charset) << " byte " << int(c.byte); }


class CodePageTest : public testing::TestWithParam<ByteCase> {};

TEST_P(CodePageTest, DecodesOneByte) {
  const ByteCase& c = GetParam();
  EXPECT_EQ(BuildCharsetMapping(c.charset).codePoints[c.byte], c.codePoint);
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, CodePageTest,
    testing::Values(ByteCase{0, 'A', 'A'}, ByteCase{1, 0x80, 0x20AC}, ByteCase{1, 0x81, -1},
                    ByteCase{1, 0xE9, 0xE9},
                    ByteCase{204, 0xC0, 0x0410},   // Cyrillic A
                    ByteCase{161, 0xC1, 0x0391},   // Greek Alpha
                    ByteCase{238, 0xA3, 0x0141},   // Polish L with stroke
                    ByteCase{255, 0xB0, 0x2591},   // OEM shade block
                    ByteCase{77, 0xA5, 0x2022},    // Mac bullet
                    ByteCase{128, 0x81, -1},       // a lone Shift-JIS lead byte
                    ByteCase{128, 0xB1, 0xFF71},   // half-width katakana
                    ByteCase{129, 0xB0, -1},       // a lone Korean lead byte
                    ByteCase{3, 0x80, 0x20AC}));   // values no table holds read as CP1252

TEST(CodePage, EveryCharsetOfTheListHasAConversion) {
  for (int charset : {0, 1, 77, 128, 129, 130, 134, 136, 161, 162, 163, 177, 178, 186, 204, 222, 238, 255}) {
    const CharsetMapping mapping = BuildCharsetMapping(static_cast<std::uint8_t>(charset));
    EXPECT_FALSE(mapping.symbol);
    EXPECT_EQ(mapping.codePoints['A'], 'A') << charset;
  }
}

TEST(CodePage, SymbolSetGoesThroughTheSymbolMap) {
  const CharsetMapping mapping = BuildCharsetMapping(2);
  EXPECT_TRUE(mapping.symbol);
  EXPECT_EQ(CodePageName(2), nullptr);
}

}  // namespace
}  // namespace vantor::platform
