#include "TestFiles.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

namespace vantor::files {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;

struct BakeRun {
  int status = -1;
  std::string out;
  std::string err;
};

// Runs vantor-bake with `args`, under a file-size limit when `sizeLimit` is not 0.
BakeRun Bake(const std::vector<std::string>& args, rlim_t sizeLimit = 0) {
  const TempDir streams;
  const pid_t child = ::fork();
  if (child == 0) {
    const int out = ::open(streams.Path("out").c_str(), O_WRONLY | O_CREAT, 0600);
    const int err = ::open(streams.Path("err").c_str(), O_WRONLY | O_CREAT, 0600);
    const rlimit limit{sizeLimit, sizeLimit};
    if (out < 0 || err < 0 || ::dup2(out, 1) < 0 || ::dup2(err, 2) < 0) ::_exit(126);
    if (sizeLimit != 0 && ::setrlimit(RLIMIT_FSIZE, &limit) != 0) ::_exit(126);
    std::vector<char*> argv{const_cast<char*>(VANTOR_BAKE)};
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    ::execv(VANTOR_BAKE, argv.data());
    ::_exit(127);
  }
  BakeRun run;
  int status = 0;
  if (child > 0 && ::waitpid(child, &status, 0) == child) run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128;
  run.out = ReadFile(streams.Path("out"));
  // The program's own message is one line; a sanitizer build may add its report after it.
  run.err = ReadFile(streams.Path("err"));
  run.err = run.err.substr(0, run.err.find('\n') + 1);
  return run;
}

const std::vector<std::string> kDejaVu32 = {"--font", "DejaVu Sans", "--height", "32"};

std::vector<std::string> operator+(std::vector<std::string> args, const std::vector<std::string>& more) {
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

TEST(VantorBake, OptionsGiveATextureAndItsParamsFile) {
  TempDir dir;
  const BakeRun run = Bake(kDejaVu32 + std::vector<std::string>{"--texture-width", "512", "-o", dir.Path("dv")});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string txt = ReadFile(dir.Path("dv.txt"));
  EXPECT_EQ(txt.substr(0, 34), "; Font params:\r\nFont=DejaVu Sans\r\n");
  EXPECT_NE(txt.find("\r\nHeight=32\r\n"), std::string::npos);
  EXPECT_NE(txt.find("\r\nTexture width=512\r\nTexture height=256\r\n"), std::string::npos);
  EXPECT_EQ(ReadFile(dir.Path("dv.tga")).size(), 18u + 4u * 512u * 256u);
  EXPECT_EQ(dir.Listing(), "dv.tga dv.txt");
}

TEST(VantorBake, AParamsFileBakesTheSameBytesOnEveryRun) {
  TempDir dir;
  ASSERT_EQ(Bake(kDejaVu32 + std::vector<std::string>{"--italic", "--kerning", "2", "-o", dir.Path("a")}).status, 0);
  ASSERT_EQ(Bake({dir.Path("a.txt"), "-o", dir.Path("b")}).status, 0);
  ASSERT_EQ(Bake({dir.Path("a.txt"), "-o", dir.Path("c")}).status, 0);
  for (const char* base : {"b", "c"}) {
    EXPECT_EQ(ReadFile(dir.Path(std::string(base) + ".tga")), ReadFile(dir.Path("a.tga"))) << base;
    EXPECT_EQ(ReadFile(dir.Path(std::string(base) + ".txt")), ReadFile(dir.Path("a.txt"))) << base;
  }
  // Without -o the output goes beside the params file, named after it.
  WriteFile(dir.Path("d.params"), ReadFile(dir.Path("a.txt")));
  ASSERT_EQ(Bake({dir.Path("d.params")}).status, 0);
  EXPECT_EQ(ReadFile(dir.Path("d.tga")), ReadFile(dir.Path("a.tga")));
}

TEST(VantorBake, ListsTheInstalledFaces) {
  const BakeRun run = Bake({"--list-fonts"});
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("\nDejaVu Sans\n"), std::string::npos);
}

struct Refusal {
  std::vector<std::string> args;  // "@" stands for the test's folder
  int status;
  std::string err;                // the start of the message after "vantor-bake: "
};

TEST(VantorBake, RefusalsSayWhyAndWriteNothing) {
  TempDir dir;
  WriteFile(dir.Path("noise.txt"), std::string(4096, '\x9C'));
  WriteFile(dir.Path("wide.txt"), "Height=32\r\nTexture width=5000\r\n");
  const Refusal refusals[] = {
      {{}, 2, "nothing to do"},
      {{"--bogus"}, 2, "unknown option --bogus"},
      {{"--font", "DejaVu Sans", "-o", "@/x"}, 2, "--font needs --height"},
      {{"--font", "DejaVu Sans", "--height", "32"}, 2, "--font needs -o BASE"},
      {{"--font", "DejaVu Sans", "--height", "512", "-o", "@/x"}, 2, "--height takes a whole number from 1 to 511"},
      {{"--font", "DejaVu Sans", "--height", "9999999999", "-o", "@/x"}, 2, "--height takes"},
      {{"--font", "DejaVu Sans", "--height", "32", "--texture-width", "4097", "-o", "@/x"}, 2, "--texture-width"},
      {{"@/a.txt", "--height", "32"}, 2, "a params file and font options"},
      {{"@/missing.txt"}, 1, "@/missing.txt was not found."},
      {{"@/noise.txt", "-o", "@/x"}, 1, "@/noise.txt is not a font params file."},
      {{"@/wide.txt", "-o", "@/x"}, 1, "The \"Texture width\" value in @/wide.txt is missing or out of range."},
      {kDejaVu32 + std::vector<std::string>{"-o", "@/no/x"}, 1, "@/no/x.tga contains an invalid path."},
  };
  for (const Refusal& refusal : refusals) {
    std::vector<std::string> args = refusal.args;
    for (std::string& arg : args) {
      if (arg[0] == '@') arg = dir.Path() + arg.substr(1);
    }
    std::string err = refusal.err;
    for (std::size_t at; (at = err.find('@')) != std::string::npos;) err.replace(at, 1, dir.Path());
    const BakeRun run = Bake(args);
    EXPECT_EQ(run.status, refusal.status) << run.err;
    EXPECT_EQ(run.err.substr(0, 13 + err.size()), "vantor-bake: " + err);
  }
  EXPECT_EQ(dir.Listing(), "noise.txt wide.txt");
}

// Both files are whole before either replaces its old version: a limit that the
// texture passes and its params file does not, or one that the texture hits.
TEST(VantorBake, FileSizeLimitIsDiskFullAndKeepsTheOldPair) {
  TempDir dir;
  const std::vector<std::string> tiny = {"--font", "DejaVu Sans", "--height", "1", "--texture-width", "8", "-o"};
  ASSERT_EQ(Bake(tiny + std::vector<std::string>{dir.Path("probe")}).status, 0);
  const std::size_t tgaSize = ReadFile(dir.Path("probe.tga")).size();
  ASSERT_LT(tgaSize, ReadFile(dir.Path("probe.txt")).size());
  ::unlink(dir.Path("probe.tga").c_str());
  ::unlink(dir.Path("probe.txt").c_str());

  WriteFile(dir.Path("x.tga"), "old tga");
  WriteFile(dir.Path("x.txt"), "old txt");
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {tiny + std::vector<std::string>{dir.Path("x")}, "x.txt"},
      {kDejaVu32 + std::vector<std::string>{"-o", dir.Path("x")}, "x.tga"},
  };
  for (const auto& [args, failing] : cases) {
    const BakeRun run = Bake(args, tgaSize);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "vantor-bake: Disk full while accessing " + dir.Path(failing) + ".\n");
    EXPECT_TRUE(ReadFile(dir.Path("x.tga")) == "old tga") << failing;
    EXPECT_TRUE(ReadFile(dir.Path("x.txt")) == "old txt") << failing;
    EXPECT_EQ(dir.Listing(), "x.tga x.txt");
  }
}

// The params file holds the 224 characters of an 8-bit set, so a character set
// never goes into one; nothing is read or written.
TEST(VantorBakeCharacters, AreRefusedForTheParamsFile) {
  TempDir dir;
  const BakeRun run = Bake(kDejaVu32 + std::vector<std::string>{"--chars", "32-126", "-o", dir.Path("x")});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "vantor-bake: --chars and --chars-file need a descriptor format: a params file holds only 224 characters\n");
  EXPECT_EQ(dir.Listing(), "");
}

}  // namespace
}  // namespace vantor::files
