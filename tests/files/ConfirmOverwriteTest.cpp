#include "files/disk/ConfirmOverwrite.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <vector>

namespace vantor::files {
namespace {

// Answers the question with `answer` and notes every file name asked about.
struct User {
  bool answer;
  std::vector<std::string> asked;
  OverwriteQuestion Ask() {
    return [this](const std::string& fileName) {
      asked.push_back(fileName);
      return answer;
    };
  }
};

TEST(ConfirmOverwrite, AsksAboutAnExistingFileByItsNameAndReturnsTheAnswer) {
  test::TempDir dir;
  test::WriteFile(dir.Path("font.tga"), "old");
  for (const bool answer : {true, false}) {
    User user{answer, {}};
    EXPECT_EQ(ConfirmOverwrite(dir.Path("font.tga"), "font.tga", user.Ask()), answer);
    EXPECT_EQ(user.asked, std::vector<std::string>{"font.tga"});
  }
  EXPECT_EQ(test::ReadFile(dir.Path("font.tga")), "old");
}

TEST(ConfirmOverwrite, GoesOnWithoutAskingWhenNothingCanBeOpenedForReading) {
  test::TempDir dir;
  User user{false, {}};
  EXPECT_TRUE(ConfirmOverwrite(dir.Path("new.tga"), "new.tga", user.Ask()));
  EXPECT_TRUE(ConfirmOverwrite(dir.Path(), "folder", user.Ask()));
  EXPECT_TRUE(user.asked.empty());

  // A file that exists but cannot be read is not asked about.
  test::WriteFile(dir.Path("secret.tga"), "old");
  ::chmod(dir.Path("secret.tga").c_str(), 0200);
  EXPECT_TRUE(test::InChild([&] { return ConfirmOverwrite(dir.Path("secret.tga"), "secret.tga", user.Ask()); },
                            /*unprivileged=*/true));
}

}  // namespace
}  // namespace vantor::files
