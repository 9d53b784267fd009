#include "files/disk/FileReplacement.h"
#include "files/disk/ReplaceFiles.h"
#include "files/export/SaveFile.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>

namespace vantor::files {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;

std::function<bool(ByteSink&)> Content(const std::string& bytes) {
  return [bytes](ByteSink& out) { return out.Write(bytes); };
}

mode_t ModeOf(const std::string& path) {
  struct stat info {};
  ::stat(path.c_str(), &info);
  return info.st_mode & 07777;
}

TEST(FileReplacement, ReplacesTheWholeFileAndKeepsItsPermissions) {
  TempDir dir;
  WriteFile(dir.Path("f.txt"), "a much longer old content");
  ::chmod(dir.Path("f.txt").c_str(), 0640);
  ASSERT_TRUE(ReplaceFile(dir.Path("f.txt"), Content("new")).Ok());
  EXPECT_EQ(ReadFile(dir.Path("f.txt")), "new");
  EXPECT_EQ(ModeOf(dir.Path("f.txt")), 0640u);
  EXPECT_EQ(dir.Listing(), "f.txt");
}

TEST(FileReplacement, ThroughASymbolicLinkTheLinkedFileIsReplaced) {
  TempDir dir;
  WriteFile(dir.Path("real.txt"), "old");
  ASSERT_EQ(::symlink("real.txt", dir.Path("link.txt").c_str()), 0);
  ASSERT_TRUE(ReplaceFile(dir.Path("link.txt"), Content("new")).Ok());
  EXPECT_EQ(ReadFile(dir.Path("real.txt")), "new");
  struct stat info {};
  ASSERT_EQ(::lstat(dir.Path("link.txt").c_str(), &info), 0);
  EXPECT_TRUE(S_ISLNK(info.st_mode));
}

TEST(FileReplacement, AWriterThatFailsMidwayLeavesTheOldFileAndNoTemporary) {
  TempDir dir;
  WriteFile(dir.Path("f.txt"), "old");
  const FileResult result = ReplaceFile(dir.Path("f.txt"), [](ByteSink& out) { return out.Write("half") && false; });
  EXPECT_EQ(result.status, FileStatus::UnknownError);
  EXPECT_EQ(ReadFile(dir.Path("f.txt")), "old");
  EXPECT_EQ(dir.Listing(), "f.txt");
}

TEST(FileReplacement, UnusableTargetsAreRefusedWithTheirCause) {
  TempDir dir;
  ::mkdir(dir.Path("folder").c_str(), 0755);
  const std::tuple<std::string, FileStatus, std::string> cases[] = {
      {dir.Path("missing/f.tga"), FileStatus::FolderMissing, "The folder of " + dir.Path("missing/f.tga") + " does not exist."},
      {dir.Path(std::string(300, 'n')), FileStatus::NameTooLong, "The name " + dir.Path(std::string(300, 'n')) + " is too long for its file system."},
      {dir.Path("folder"), FileStatus::IsFolder, dir.Path("folder") + " is a folder, not a file."},
      {dir.Path("folder/"), FileStatus::IsFolder, dir.Path("folder/") + " is a folder, not a file."},
      {"", FileStatus::InvalidPath, " contains an invalid path."},
      {"/dev/null", FileStatus::NotRegularFile, "/dev/null is not a regular file."},
  };
  for (const auto& [path, status, message] : cases) {
    const FileResult result = ReplaceFile(path, Content("new"));
    EXPECT_EQ(result.status, status) << path;
    EXPECT_EQ(result.message, message);
  }
  EXPECT_EQ(dir.Listing(), "folder");
}

// Permissions do not hold for root, so these run as nobody when the tests run as root.
TEST(FileReplacement, ReadOnlyTargetsAndFoldersAreRefusedAndKept) {
  TempDir dir;
  WriteFile(dir.Path("locked.tga"), "old");
  ::chmod(dir.Path("locked.tga").c_str(), 0444);
  ::mkdir(dir.Path("shut").c_str(), 0555);
  const auto refused = [](const std::string& path) {
    return ReplaceFile(path, Content("new")).status == FileStatus::AccessDenied;
  };
  EXPECT_TRUE(test::InChild([&] { return refused(dir.Path("locked.tga")); }, /*unprivileged=*/true));
  EXPECT_TRUE(test::InChild([&] { return refused(dir.Path("shut/f.tga")); }, /*unprivileged=*/true));
  EXPECT_EQ(ReadFile(dir.Path("locked.tga")), "old");
  EXPECT_EQ(dir.Listing(), "locked.tga shut");
}

// A size limit hit midway, in a large write or in the last flush of a small file:
// the write fails naming the limit, and the old file stays whole.
TEST(FileReplacement, FileSizeLimitMidWriteNamesTheLimitAndKeepsTheOldFile) {
  TempDir dir;
  WriteFile(dir.Path("font.tga"), "old texture");
  const auto texture = platform::Bitmap::Create(256, 256);
  const auto diskFull = [&](const FileResult& result) {
    return result.status == FileStatus::FileSizeLimit &&
           result.message == dir.Path("font.tga") + " would pass the file-size limit of 1000 bytes.";
  };
  EXPECT_TRUE(test::InChild(
      [&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{1000, 1000};
        return ::setrlimit(RLIMIT_FSIZE, &limit) == 0 && diskFull(WriteTextureTga(dir.Path("font.tga"), texture.get())) &&
               diskFull(ReplaceFile(dir.Path("font.tga"), Content(std::string(5000, 'x'))));
      },
      /*unprivileged=*/false));
  EXPECT_EQ(ReadFile(dir.Path("font.tga")), "old texture");
  EXPECT_EQ(dir.Listing(), "font.tga");
}

}  // namespace
}  // namespace vantor::files
