#include "files/formats/CharacterSet.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>
#include <vector>

namespace vantor::files {
namespace {

using test::TempDir;
using test::WriteFile;

struct RangesCase {
  const char* ranges;
  CharacterStatus status;
  std::size_t size;     // characters in the set afterwards
  char32_t first;       // the smallest, when any
  char32_t last;        // the largest, when any
};

class Ranges : public testing::TestWithParam<RangesCase> {};

TEST_P(Ranges, AreReadOrRefusedWhole) {
  const RangesCase c = GetParam();
  CharacterSet set;
  const CharacterResult result = set.AddRanges(c.ranges);
  EXPECT_EQ(result.status, c.status) << result.message;
  EXPECT_EQ(result.Ok(), result.message.empty()) << result.message;
  ASSERT_EQ(set.Size(), c.size);
  const std::vector<char32_t> codePoints = set.CodePoints();
  ASSERT_EQ(codePoints.size(), c.size);
  if (c.size == 0) return;
  EXPECT_EQ(codePoints.front(), c.first);
  EXPECT_EQ(codePoints.back(), c.last);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Ranges,
    testing::Values(
        RangesCase{"65", CharacterStatus::Ok, 1, 65, 65}, RangesCase{"32-126", CharacterStatus::Ok, 95, 32, 126},
        RangesCase{"32-126,0x400-0x4FF", CharacterStatus::Ok, 95 + 256, 32, 0x4FF},
        RangesCase{"0X41-0x5a , 0x61", CharacterStatus::Ok, 27, 'A', 'a'},
        RangesCase{" 0x10FFFF ", CharacterStatus::Ok, 1, 0x10FFFF, 0x10FFFF},
        RangesCase{"0-0x10FFFF", CharacterStatus::Ok, 0x110000 - 0x800, 0, 0x10FFFF},  // surrogates left out
        RangesCase{"0xD7FF-0xE000", CharacterStatus::Ok, 2, 0xD7FF, 0xE000},
        RangesCase{"40-50,45-60,50", CharacterStatus::Ok, 21, 40, 60},  // overlaps count once
        RangesCase{"", CharacterStatus::NotANumber, 0, 0, 0}, RangesCase{"32,", CharacterStatus::NotANumber, 0, 0, 0},
        RangesCase{"32,,33", CharacterStatus::NotANumber, 0, 0, 0},
        RangesCase{"-5", CharacterStatus::NotANumber, 0, 0, 0}, RangesCase{"5-", CharacterStatus::NotANumber, 0, 0, 0},
        RangesCase{"1-2-3", CharacterStatus::NotANumber, 0, 0, 0},
        RangesCase{"0x", CharacterStatus::NotANumber, 0, 0, 0}, RangesCase{"0x4G", CharacterStatus::NotANumber, 0, 0, 0},
        RangesCase{"+5", CharacterStatus::NotANumber, 0, 0, 0}, RangesCase{"A", CharacterStatus::NotANumber, 0, 0, 0},
        RangesCase{"65 66", CharacterStatus::NotANumber, 0, 0, 0},
        RangesCase{"32-126,100-90", CharacterStatus::Reversed, 0, 0, 0},  // nothing of the list is kept
        RangesCase{"0x110000", CharacterStatus::BeyondUnicode, 0, 0, 0},
        RangesCase{"32-0x110000", CharacterStatus::BeyondUnicode, 0, 0, 0},
        RangesCase{"99999999999999999999999", CharacterStatus::BeyondUnicode, 0, 0, 0},
        RangesCase{"0xD800", CharacterStatus::Surrogate, 0, 0, 0},
        RangesCase{"0xDFFF", CharacterStatus::Surrogate, 0, 0, 0},
        RangesCase{"32-0xDC00", CharacterStatus::Surrogate, 0, 0, 0}));

TEST(Ranges, MessagesNameTheEntry) {
  CharacterSet set;
  EXPECT_EQ(set.AddRanges("32-126, 0x4FF-0x400").message, "The range \"0x4FF-0x400\" ends below its start.");
  EXPECT_EQ(set.AddRanges("0xD800").message, "\"0xD800\" is a surrogate (0xD800-0xDFFF), not a character.");
  EXPECT_EQ(set.AddRanges("1114112").message, "\"1114112\" passes the last Unicode code point, 0x10FFFF.");
}

TEST(Ranges, RepeatedListsGrowOneSortedSet) {
  CharacterSet set;
  ASSERT_TRUE(set.AddRanges("0x400-0x40F").Ok());
  ASSERT_TRUE(set.AddRanges("65,0x405,66").Ok());
  EXPECT_TRUE(set.Contains(0x405));
  EXPECT_FALSE(set.Contains(67));
  EXPECT_FALSE(set.Contains(0x7FFFFFFF));
  const std::vector<char32_t> codePoints = set.CodePoints();
  ASSERT_EQ(codePoints.size(), 18u);
  EXPECT_EQ(codePoints[0], U'A');
  EXPECT_EQ(codePoints[1], U'B');
  EXPECT_EQ(codePoints[2], char32_t{0x400});
}

struct Utf8Case {
  std::string text;
  CharacterStatus status;
  std::vector<char32_t> codePoints;  // when read
  std::size_t offset;                // of the first bad byte, when refused
};

class Utf8Text : public testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8Text, IsDecodedOrRefusedAtItsFirstBadByte) {
  const Utf8Case& c = GetParam();
  CharacterSet set;
  const CharacterResult result = set.AddUtf8(c.text, "chars.txt");
  ASSERT_EQ(result.status, c.status) << result.message;
  if (c.status == CharacterStatus::Ok) {
    EXPECT_EQ(set.CodePoints(), c.codePoints);
  } else {
    EXPECT_EQ(result.message, "chars.txt is not UTF-8 text: byte offset " + std::to_string(c.offset) +
                                  " is not part of a valid character.");
    EXPECT_EQ(set.Size(), 0u);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, Utf8Text,
    testing::Values(
        Utf8Case{"", CharacterStatus::Ok, {}, 0},
        Utf8Case{"ba\r\nab\n", CharacterStatus::Ok, {'a', 'b'}, 0},
        Utf8Case{"\t \xC3\xA9", CharacterStatus::Ok, {'\t', ' ', 0xE9}, 0},
        Utf8Case{"\xEF\xBB\xBF" "\xD0\x96\xE2\x82\xAC\xF0\x9F\x98\x80", CharacterStatus::Ok, {0x416, 0x20AC, 0x1F600}, 0},
        Utf8Case{"x\xEF\xBB\xBF", CharacterStatus::Ok, {'x', 0xFEFF}, 0},  // only a leading mark is skipped
        Utf8Case{"\xF4\x8F\xBF\xBF", CharacterStatus::Ok, {0x10FFFF}, 0},
        Utf8Case{std::string("a\0b", 3), CharacterStatus::Ok, {0, 'a', 'b'}, 0},
        Utf8Case{"ab\xFF", CharacterStatus::NotUtf8, {}, 2},
        Utf8Case{"\x80", CharacterStatus::NotUtf8, {}, 0},
        Utf8Case{"ok\xC3", CharacterStatus::NotUtf8, {}, 2},           // cut short
        Utf8Case{"\xE2\x82", CharacterStatus::NotUtf8, {}, 0},
        Utf8Case{"\xC0\xAF", CharacterStatus::NotUtf8, {}, 0},         // overlong
        Utf8Case{"\xE0\x80\xAF", CharacterStatus::NotUtf8, {}, 0},     // overlong
        Utf8Case{"\xED\xA0\x80", CharacterStatus::NotUtf8, {}, 0},     // a surrogate
        Utf8Case{"abc\xF4\x90\x80\x80", CharacterStatus::NotUtf8, {}, 3},  // past U+10FFFF
        Utf8Case{"\xC3\x28", CharacterStatus::NotUtf8, {}, 0},         // a lead without its follower
        Utf8Case{"\xF8\x88\x80\x80\x80", CharacterStatus::NotUtf8, {}, 0}));

TEST(CharacterFile, AddsItsCharactersToTheSet) {
  TempDir dir;
  WriteFile(dir.Path("chars.txt"), "\xD0\x96\xD0\x96 A\r\n");
  CharacterSet set;
  ASSERT_TRUE(set.AddRanges("66").Ok());
  ASSERT_TRUE(set.AddFile(dir.Path("chars.txt")).Ok());
  EXPECT_EQ(set.CodePoints(), (std::vector<char32_t>{' ', 'A', 'B', 0x416}));
}

TEST(CharacterFile, FailuresNameTheFile) {
  TempDir dir;
  WriteFile(dir.Path("latin1.txt"), "caf\xE9\n");
  ASSERT_EQ(::mkfifo(dir.Path("pipe").c_str(), 0600), 0);
  const struct {
    std::string path;
    CharacterStatus status;
    std::string message;
  } cases[] = {
      {dir.Path("latin1.txt"), CharacterStatus::NotUtf8,
       dir.Path("latin1.txt") + " is not UTF-8 text: byte offset 3 is not part of a valid character."},
      {dir.Path("absent.txt"), CharacterStatus::FileUnread, dir.Path("absent.txt") + " was not found."},
      {dir.Path(), CharacterStatus::FileUnread, dir.Path() + " is a folder, not a file."},
      {dir.Path("pipe"), CharacterStatus::FileUnread, dir.Path("pipe") + " is not a regular file."},
  };
  for (const auto& c : cases) {
    CharacterSet set;
    const CharacterResult result = set.AddFile(c.path);
    EXPECT_EQ(result.status, c.status) << c.path;
    EXPECT_EQ(result.message, c.message);
    EXPECT_EQ(set.Size(), 0u);
  }
}

TEST(CharacterFile, ALargerFileThanTheLimitIsRefusedUnread) {
  TempDir dir;
  WriteFile(dir.Path("big.txt"), std::string(kMaxCharacterFileSize + 1, 'a'));
  CharacterSet set;
  const CharacterResult result = set.AddFile(dir.Path("big.txt"));
  EXPECT_EQ(result.status, CharacterStatus::FileTooLarge);
  EXPECT_EQ(result.message, dir.Path("big.txt") + " is larger than the 16777216 bytes a characters file can be.");
}

TEST(CharacterFile, AnEmptySetIsRefused) {
  const CharacterResult result = EmptyCharacterSet();
  EXPECT_EQ(result.status, CharacterStatus::Empty);
  EXPECT_EQ(result.message, "No characters were given.");
}

}  // namespace
}  // namespace vantor::files
