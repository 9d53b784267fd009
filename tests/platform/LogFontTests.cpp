#include "platform/LogFont.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cstring>
#include <string>

namespace vantor::platform {
namespace {

struct CutCase {
  std::string text;
  std::size_t maxBytes;
  std::size_t expected;
};

void PrintTo(const CutCase& c, std::ostream* out) { *out << c.text.size() << " bytes cut to " << c.maxBytes; }


class Utf8PrefixTest : public testing::TestWithParam<CutCase> {};

TEST_P(Utf8PrefixTest, CutsAtACharacterBoundary) {
  const CutCase& c = GetParam();
  EXPECT_EQ(Utf8PrefixLength(c.text.data(), c.text.size(), c.maxBytes), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Utf8PrefixTest,
    testing::Values(CutCase{"short", 31, 5}, CutCase{"abcdef", 3, 3},
                    // "é" is two bytes: a cut after its first byte steps back before it.
                    CutCase{"ab\xC3\xA9", 3, 2}, CutCase{"ab\xC3\xA9z", 4, 4},
                    // A four-byte character cut after one, two or three of its bytes.
                    CutCase{"a\xF0\x9F\x98\x80z", 2, 1}, CutCase{"a\xF0\x9F\x98\x80z", 3, 1},
                    CutCase{"a\xF0\x9F\x98\x80z", 4, 1}, CutCase{"a\xF0\x9F\x98\x80z", 5, 5},
                    // Bytes that are not UTF-8 (a run of continuation bytes) are cut where they are.
                    CutCase{"\x80\x80\x80\x80\x80\x80", 5, 5}));

TEST(SetFaceName, KeepsAtMost31BytesAndTheTerminator) {
  LOGFONTA desc;
  std::memset(desc.lfFaceName, 'x', sizeof desc.lfFaceName);
  SetFaceName(desc, "DejaVu Sans");
  EXPECT_STREQ(desc.lfFaceName, "DejaVu Sans");
  EXPECT_EQ(desc.lfFaceName[31], '\0');

  // 15 Cyrillic letters (30 bytes) and one more: the 16th does not fit whole.
  std::string cyrillic;
  for (int i = 0; i < 16; ++i) cyrillic += "\xD0\x96";
  SetFaceName(desc, cyrillic.c_str());
  EXPECT_EQ(std::strlen(desc.lfFaceName), 30u);
  EXPECT_EQ(std::string(desc.lfFaceName), cyrillic.substr(0, 30));
}

}  // namespace
}  // namespace vantor::platform
