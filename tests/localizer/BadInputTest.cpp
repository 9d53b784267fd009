#include "LanguageFolder.h"
#include "LocalizerFixture.h"

#include <chrono>
#include <cstdint>
#include <random>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using namespace std::string_literals;
using LocalizerBadInput = LocalizerFixture;

const std::string kGoodFile = LanguageSection("EN", "en") + "[A]\r\nen:a\r\n";

std::string RandomBytes(std::size_t size, std::uint32_t seed)
{
    std::mt19937 generator(seed);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string bytes(size, '\0');
    for (char& b : bytes) {
        b = static_cast<char>(byte(generator));
    }
    return bytes;
}

TEST_F(LocalizerBadInput, MissingFolderLoadsNothing)
{
    localizer.Load("/nonexistent-folder/deeper/*.lng", "");
    EXPECT_EQ(localizer.GetLanguageCount(), 0);
    localizer.Load("/", "");
    EXPECT_EQ(localizer.GetLanguageCount(), 0);
    localizer.Load(nullptr, nullptr);
    EXPECT_EQ(localizer.GetLanguageCount(), 0);
}

TEST_F(LocalizerBadInput, EntriesThatCannotBeReadAreSkipped)
{
    LanguageFolder folder;
    folder.Write("b.lng", kGoodFile);
    folder.Write("a-folder.lng/inside", "");
    ASSERT_EQ(symlink("/nonexistent-target", (folder.Path() + "/a-dangling.lng").c_str()), 0);
    ASSERT_EQ(mkfifo((folder.Path() + "/a-fifo.lng").c_str(), 0600), 0);
    ASSERT_EQ(symlink("/dev/zero", (folder.Path() + "/a-device.lng").c_str()), 0);
    folder.Write("a-unreadable.lng", LanguageSection("NO", "no"));
    ASSERT_EQ(chmod((folder.Path() + "/a-unreadable.lng").c_str(), 0), 0);
    const bool unreadable = access((folder.Path() + "/a-unreadable.lng").c_str(), R_OK) != 0;  // root reads all

    Reload(folder.Mask(), "EN");
    EXPECT_EQ(localizer.GetLanguageCount(), unreadable ? 1 : 2);
    EXPECT_EQ(Tr("A"), "a");
}

TEST_F(LocalizerBadInput, EmptyFilesContributeNothing)
{
    LanguageFolder folder;
    folder.Write("a.lng", "");
    Reload(folder.Mask(), "");
    EXPECT_EQ(localizer.GetLanguageCount(), 0);

    folder.Write("b.lng", kGoodFile);
    folder.Write("c.lng", "");
    Reload(folder.Mask(), "EN");
    EXPECT_EQ(localizer.GetLanguageCount(), 1);
    EXPECT_EQ(Tr("A"), "a");
}

TEST_F(LocalizerBadInput, RandomBytesNeverBreakALoad)
{
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        SCOPED_TRACE(seed);
        LanguageFolder folder;
        folder.Write("a.lng", RandomBytes(16384, seed));
        folder.Write("b.lng", kGoodFile);
        Reload(folder.Mask(), "EN");
        EXPECT_GE(localizer.GetLanguageCount(), 1);
        Tr("A");
    }
}

struct TruncatedCase {
    const char* what;
    std::string contents;
};

// Files that end in the middle of every kind of item; none may read past its end.
const TruncatedCase kTruncatedCases[] = {
    {"after '['", kGoodFile + "["},
    {"inside a header", kGoodFile + "[B"},
    {"after a header", kGoodFile + "[B]"},
    {"after a label", kGoodFile + "[B]\r\nen:"},
    {"after blanks", kGoodFile + "[B]\r\nen: \t "},
    {"inside a comment", kGoodFile + "[B]\r\nen:b;comment"},
    {"after ';'", kGoodFile + "[B];"},
    {"after a key", "TEXT_DEFAULT=" + kGoodFile + "LANG_DEFAULT="},
    {"after [LANGUAGE]", kGoodFile + "[LANGUAGE]"},
    {"after NAME=", kGoodFile + "[LANGUAGE]\r\nNAME="},
    {"inside a key", kGoodFile + "[LANGUAGE]\r\nNAME=X\r\nLABEL"},
    {"inside [LANGUAGE", kGoodFile + "[LANGUA"},
    {"NUL bytes", kGoodFile + "[B\0C]\r\nen:b\0c\r\n[\0]\r\nen:\0\r\n"s},
};

TEST_F(LocalizerBadInput, TruncatedFilesLoadWhatTheyHold)
{
    for (const TruncatedCase& truncatedCase : kTruncatedCases) {
        SCOPED_TRACE(truncatedCase.what);
        LanguageFolder folder;
        folder.Write("a.lng", truncatedCase.contents);
        Reload(folder.Mask(), "EN");
        EXPECT_EQ(localizer.GetLanguageCount(), 1);
        EXPECT_EQ(Tr("A"), "a");
        Tr("B");
    }
}

TEST_F(LocalizerBadInput, HeaderWithoutBracketEndsOnlyItsFile)
{
    LanguageFolder folder;
    folder.Write("a.lng", kGoodFile + "[B\r\nen:b\r\n[C]\r\nen:c\r\n");
    folder.Write("b.lng", "[D]\r\nen:d\r\n");
    Reload(folder.Mask(), "EN");
    EXPECT_EQ(Tr("A"), "a");
    EXPECT_EQ(Tr("B"), "?");
    EXPECT_EQ(Tr("C"), "?");
    EXPECT_EQ(Tr("D"), "d");
}

TEST_F(LocalizerBadInput, HalfMegabyteValuesAreKeptWhole)
{
    const std::string huge(1 << 19, 'v');
    const std::string hugeNumber(1 << 19, '9');
    LanguageFolder folder;
    folder.Write("a.lng", "TEXT_DEFAULT=" + huge + "\r\n[LANGUAGE]\r\nNAME=" + huge + "\r\nLABEL=" + huge +
                              "\r\nFONT=" + huge + "\r\nWIDTH=" + hugeNumber + "\r\n[A]\r\n" + huge + ":" + huge + "x\r\n");
    Reload(folder.Mask(), "");
    ASSERT_EQ(localizer.GetLanguageCount(), 1);
    EXPECT_EQ(std::string(localizer.GetLanguageName(0)), huge);
    EXPECT_EQ(std::string(localizer.GetFontName()), "Times New Roman");
    EXPECT_EQ(Tr("missing"), huge);

    Reload(folder.Mask(), huge);
    EXPECT_EQ(std::string(localizer.GetFontName()), huge);
    EXPECT_EQ(localizer.GetFontWidth(), 2147483647);
    EXPECT_EQ(Tr("A"), huge + "x");
}

// A file past the 4 MiB cap is skipped as if it were not there; the files beside it still load.
TEST_F(LocalizerBadInput, AFileLargerThanTheCapIsSkipped)
{
    LanguageFolder folder;
    folder.Write("a.lng", kGoodFile + "[B]\r\nen:b\r\n" + std::string((4 << 20) + 1, '\r'));
    folder.Write("b.lng", "[LANGUAGE]\r\nNAME=OTHER\r\nLABEL=ot\r\n[B]\r\not:other b\r\n");
    Reload(folder.Mask(), "OTHER");
    EXPECT_EQ(localizer.GetLanguageCount(), 1);
    EXPECT_EQ(Tr("B"), "other b");
}

std::string Repeat(std::string_view text, std::size_t count)
{
    std::string result;
    result.reserve(text.size() * count);
    for (std::size_t i = 0; i < count; ++i) {
        result += text;
    }
    return result;
}

struct RunOnCase {
    const char* what;
    std::string contents;
    int languageCount;
    std::size_t firstNameSize;  // of language 0, the name of the selected one
    std::size_t textSize;       // of the translation of the empty source text
};

// Without a CR, every value runs on to the end of the file across all later sections; such
// files must still load in time and memory in proportion to their size, not its square.
const RunOnCase kRunOnCases[] = {
    {"fifty thousand languages", Repeat("[LANGUAGE]NAME=LABEL=", 50000), 49999, 50000 * 21 - 15, 1},
    {"a hundred thousand texts", LanguageSection("X", "x") + Repeat("[]x:v", 100000) + "end", 1, 1,
     100000 * 5 - 1},
    {"a hundred thousand texts before a megabyte of blanks",
     LanguageSection("X", "x") + Repeat("[]x:v", 100000) + std::string(1 << 20, ' '), 1, 1, 100000 * 5 - 4},
};

TEST_F(LocalizerBadInput, ValuesThatRunOnOverManySectionsLoadInLinearTime)
{
    for (const RunOnCase& runOnCase : kRunOnCases) {
        SCOPED_TRACE(runOnCase.what);
        LanguageFolder folder;
        folder.Write("a.lng", runOnCase.contents);
        const auto start = std::chrono::steady_clock::now();
        Reload(folder.Mask(), "X");
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
        EXPECT_EQ(localizer.GetLanguageCount(), runOnCase.languageCount);
        EXPECT_EQ(std::string(localizer.GetLanguageName(0)).size(), runOnCase.firstNameSize);
        EXPECT_EQ(Tr("").size(), runOnCase.textSize);
    }
}

}  // namespace
