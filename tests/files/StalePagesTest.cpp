// A bake into a base that held a font of more pages removes the pages the old
// descriptor named beyond the new count, with the set: all or nothing, and
// nothing but that base's own page names.
#include "BakeRunner.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vantor::files {
namespace {

using test::Bake;
using test::DeadPid;
using test::kDejaVu32;
using test::operator+;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;

constexpr const char* kFormats[] = {"fnt", "fnt-xml", "fnt-binary"};

// Several pages, then one.
std::vector<std::string> Many(const std::string& format, const std::string& base) {
  return kDejaVu32 + std::vector<std::string>{"--format", format, "--chars", "32-126,160-591", "--page-size", "256", "-o", base};
}
std::vector<std::string> One(const std::string& format, const std::string& base) {
  return kDejaVu32 + std::vector<std::string>{"--format", format, "--chars", "65-70", "-o", base};
}

bool Exists(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0;
}

TEST(StalePages, FewerPagesRemoveTheOldOnesInEveryFormatFromEveryFormat) {
  for (const char* before : kFormats) {
    for (const char* after : kFormats) {
      SCOPED_TRACE(std::string(before) + " then " + after);
      TempDir dir;
      ASSERT_EQ(Bake(Many(before, dir.Path("f"))).status, 0);
      ASSERT_TRUE(Exists(dir.Path("f_3.png"))) << dir.Listing();
      ASSERT_EQ(Bake(One(after, dir.Path("f"))).status, 0);
      EXPECT_EQ(dir.Listing(), "f.fnt f_0.png");
    }
  }
}

TEST(StalePages, OnlyThisBasesOwnPageNamesBesideItAreRemoved) {
  TempDir dir;
  ASSERT_EQ(::mkdir(dir.Path("sub").c_str(), 0755), 0);
  // An old descriptor naming other files: another font's page, one up, a name of its own.
  WriteFile(dir.Path("sub/f.fnt"), "info face=\"x\"\ncommon pages=5\npage id=0 file=\"f_0.png\"\n"
                                    "page id=1 file=\"g_1.png\"\npage id=2 file=\"../f_2.png\"\n"
                                    "page id=3 file=\"f_3.png.keep\"\npage id=4 file=\"f_4.png\"\n");
  for (const char* name : {"sub/g_1.png", "f_2.png", "sub/f_3.png.keep", "sub/f_4.png", "sub/f_5.png"}) {
    WriteFile(dir.Path(name), "mine");
  }
  ASSERT_EQ(Bake(One("fnt", dir.Path("sub/f"))).status, 0);
  EXPECT_FALSE(Exists(dir.Path("sub/f_4.png")));
  for (const char* kept : {"sub/g_1.png", "f_2.png", "sub/f_3.png.keep", "sub/f_5.png"}) {
    EXPECT_EQ(ReadFile(dir.Path(kept)), "mine") << kept;
  }
}

TEST(StalePages, AFailedBakeKeepsTheOldPages) {
  // A rename of the new set failing, and a removal failing after another was done.
  const std::pair<const char*, const char*> faults[] = {{"VANTOR_FAIL_RENAME_TO", "/f_0.png"},
                                                        {"VANTOR_FAIL_UNLINK", "/f_2.png"}};
  for (const auto& [variable, path] : faults) {
    SCOPED_TRACE(variable);
    TempDir dir;
    ASSERT_EQ(Bake(Many("fnt", dir.Path("f"))).status, 0);
    const std::string listing = dir.Listing();
    const std::string descriptor = ReadFile(dir.Path("f.fnt"));
    const std::string firstStale = ReadFile(dir.Path("f_1.png"));
    test::BakeSetting setting;
    setting.environment = {"LD_PRELOAD=" FAIL_RENAME, std::string(variable) + "=" + path, "VANTOR_FAIL_RENAME_ERRNO=5",
                           "ASAN_OPTIONS=verify_asan_link_order=0"};
    const test::BakeRun run = Bake(One("fnt", dir.Path("f")), setting);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Nothing was changed."), std::string::npos) << run.err;
    EXPECT_EQ(dir.Listing(), listing);
    EXPECT_EQ(ReadFile(dir.Path("f.fnt")), descriptor);
    EXPECT_EQ(ReadFile(dir.Path("f_1.png")), firstStale);
  }
}

// A journal a killed bake left, whose set removes two pages: the next save into
// the folder removes the one its backup still links to, and not the other,
// which was replaced by another file since (the journal is not trusted with it).
TEST(StalePages, TheNextSaveFinishesTheRemovalsOfAJournal) {
  TempDir dir;
  const std::string prefix = dir.Path(".vantor-" + std::to_string(DeadPid()) + "-");
  WriteFile(dir.Path("f_1.png"), "old page");
  WriteFile(dir.Path("f_2.png"), "old page");
  ASSERT_EQ(::link(dir.Path("f_1.png").c_str(), (prefix + "1.old").c_str()), 0);
  ASSERT_EQ(::link(dir.Path("f_2.png").c_str(), (prefix + "2.old").c_str()), 0);
  ASSERT_EQ(::unlink(dir.Path("f_2.png").c_str()), 0);
  WriteFile(dir.Path("f_2.png"), "written since");
  std::string journal;
  for (const std::string& field : {std::string(), dir.Path("f_1.png"), prefix + "1.old", std::string(),
                                   dir.Path("f_2.png"), prefix + "2.old"}) {
    journal += field + '\0';
  }
  WriteFile(prefix + "3.journal", journal);
  ASSERT_EQ(Bake(One("fnt", dir.Path("other"))).status, 0);
  EXPECT_EQ(dir.Listing(), "f_2.png other.fnt other_0.png");
  EXPECT_EQ(ReadFile(dir.Path("f_2.png")), "written since");
}

}  // namespace
}  // namespace vantor::files
