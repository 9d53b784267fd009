#include "files/formats/ReaderKeyFile.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cerrno>
#include <climits>

namespace vantor::files {
namespace {

using namespace std::string_literals;

struct LookUp {
  const char* name;
  std::string data;
  const char* key;
  std::string value;   // GetString
  std::int32_t number;  // GetInt
};

const LookUp kLookUps[] = {
    {"FirstLineWins", "Width=1\r\nWidth=2\r\n", "Width", "1", 1},
    {"KeysAreCaseSensitive", "font=Arial\r\n", "Font", "", 0},
    {"BlankBeforeEqualsBelongsToTheName", "Width =5\r\n", "Width", "", 0},
    {"BlankAfterEqualsIsSkippedByTheNumber", "Width= 5\r\n", "Width", " 5", 5},
    {"BlankAfterEqualsStartsTheFaceName", "Font= Arial\r\n", "Font", " Arial", 0},
    {"FurtherEqualsStayInTheValue", "Width=1=2\r\n", "Width", "1=2", 1},
    {"DigitsThenLetters", "Width=12abc\r\n", "Width", "12abc", 12},
    {"LettersOnly", "Width=abc\r\n", "Width", "abc", 0},
    {"PlusSign", "Width=+7\r\n", "Width", "+7", 7},
    {"AboveInt32", "Width=99999999999\r\n", "Width", "99999999999", INT32_MAX},
    {"BelowInt32", "Width=-99999999999\r\n", "Width", "-99999999999", INT32_MIN},
    {"Int32Ends", "A=2147483647\r\nB=-2147483648\r\n", "B", "-2147483648", INT32_MIN},
    {"FarBeyondInt32", "Width=" + std::string(400, '9') + "\r\n", "Width", std::string(400, '9'), INT32_MAX},
    {"LastLineWithoutLineEnd", "Leading=1\r\nKerning=-3", "Kerning", "-3", -3},
    {"LineWithoutEqualsNeverMatches", "Width\r\nWidth=3\r\n", "Width", "3", 3},
    {"FirstByteIsNameEvenWhenEquals", " =0,0,9\r\n==9,0,9\r\n", "=", "9,0,9", 9},
    {"CommentLinesAreLinesWithoutEquals", "; Width=4\r\nWidth=5\r\n", "Width", "5", 5},
    {"EmptyData", "", "Width", "", 0},
    {"TextStopsAtNul", "Font=Ari\0al\r\nWid\0x=4\r\n"s, "Wid", "4", 4},
    // Line ends written on other systems, and empty lines, read as the program's own.
    {"BareLineFeeds", "Font=A\nWidth=5\nHeight=9\n", "Height", "9", 9},
    {"BareCarriageReturns", "Font=A\rWidth=5\rHeight=9\r", "Height", "9", 9},
    {"EmptyLineBeforeAKey", "Italic=0\r\n\r\nTexture width=512\r\n", "Texture width", "512", 512},
    {"SeveralEmptyLines", "\r\n\n\r\r\nLeading=4\r\n", "Leading", "4", 4},
};

class ReaderLookUp : public testing::TestWithParam<LookUp> {};

TEST_P(ReaderLookUp, GivesTheValue) {
  const ReaderKeyFile reader = ReaderKeyFile::FromBytes(GetParam().data);
  EXPECT_EQ(reader.GetString(GetParam().key), GetParam().value);
  EXPECT_EQ(reader.GetInt(GetParam().key), GetParam().number);
}

INSTANTIATE_TEST_SUITE_P(Cases, ReaderLookUp, testing::ValuesIn(kLookUps),
                         [](const testing::TestParamInfo<LookUp>& info) { return info.param.name; });

TEST(ReaderKeyFile, HasKeyAlsoForAnEmptyValue) {
  const ReaderKeyFile reader = ReaderKeyFile::FromBytes("Font=\r\nWidth\r\n");
  EXPECT_TRUE(reader.HasKey("Font"));
  EXPECT_FALSE(reader.HasKey("Width"));
}

TEST(ReaderKeyFile, FilesThatCannotBeReadLeaveItEmpty) {
  test::TempDir dir;
  const ReaderKeyFile missing(dir.Path("missing.txt"));
  EXPECT_FALSE(missing.Opened());
  EXPECT_EQ(missing.Error(), ENOENT);

  const ReaderKeyFile folder(dir.Path());
  EXPECT_EQ(folder.Error(), EISDIR);

  // A named pipe is refused without being opened, so it cannot wait for a writer.
  ASSERT_EQ(::mkfifo(dir.Path("pipe").c_str(), 0600), 0);
  const ReaderKeyFile pipe(dir.Path("pipe"));
  EXPECT_EQ(pipe.Error(), ENODEV);
  EXPECT_EQ(pipe.Size(), 0u);

  test::WriteFile(dir.Path("large.txt"), "Width=5\r\n" + std::string(1 << 20, 'x'));
  const ReaderKeyFile large(dir.Path("large.txt"));
  EXPECT_EQ(large.Error(), EFBIG);
  EXPECT_EQ(large.Size(), 0u);
  EXPECT_EQ(large.GetInt("Width"), 0);
}

}  // namespace
}  // namespace vantor::files
