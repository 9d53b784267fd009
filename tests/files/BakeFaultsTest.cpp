// vantor-bake under faults: a failed or interrupted replacement never leaves a
// texture beside a params file of another bake, nor temporary files; saving
// keeps a file's identity; the command line and the messages say what happened.
#include "BakeRunner.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <random>
#include <thread>

namespace vantor::files {
namespace {

using test::Bake;
using test::BakeRun;
using test::DeadPid;
using test::kDejaVu32;
using test::operator+;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;

// Two bakes whose pairs differ in every file.
std::vector<std::string> Small(const std::string& base) {
  return {"--font", "DejaVu Sans", "--height", "12", "--texture-width", "64", "-o", base};
}
std::vector<std::string> Large(const std::string& base) {
  return {"--font", "DejaVu Sans", "--height", "48", "--texture-width", "1024", "-o", base};
}

int ParamValue(const std::string& params, const std::string& key) {
  const std::size_t at = params.find("\r\n" + key + "=");
  return at == std::string::npos ? -1 : std::atoi(params.c_str() + at + key.size() + 3);
}

// True when BASE.tga is the texture BASE.txt describes: the sides in the TGA header
// are the params file's texture width and height.
bool PairMatches(const std::string& base) {
  const std::string tga = ReadFile(base + ".tga");
  const std::string txt = ReadFile(base + ".txt");
  if (tga.size() < 18) return false;
  const int width = static_cast<unsigned char>(tga[12]) | static_cast<unsigned char>(tga[13]) << 8;
  const int height = static_cast<unsigned char>(tga[14]) | static_cast<unsigned char>(tga[15]) << 8;
  return width == ParamValue(txt, "Texture width") && height == ParamValue(txt, "Texture height") &&
         tga.size() == 18u + 4u * width * height;
}

bool NoTemporaries(const TempDir& dir) { return dir.Listing().find(".vantor-") == std::string::npos; }

std::string EnvAppend(const char* name, const std::string& more) {
  const char* now = std::getenv(name);
  return std::string(name) + "=" + (now != nullptr && *now != '\0' ? std::string(now) + ":" : "") + more;
}

struct RenameFault {
  int error;
  std::string message;  // after "vantor-bake: @/x.txt" or the like; "@" is the folder
};

TEST(PairReplacement, ASecondRenameThatFailsPutsTheFirstBack) {
  const RenameFault faults[] = {
      {EIO, "An unknown error occurred while accessing @/x.txt. Nothing was changed."},
      {EXDEV, "@/x.txt cannot be replaced: it lies on another file system than its folder. Nothing was changed."},
  };
  for (const RenameFault& fault : faults) {
    TempDir dir;
    ASSERT_EQ(Bake(Small(dir.Path("x"))).status, 0);
    const std::string tga = ReadFile(dir.Path("x.tga"));
    const std::string txt = ReadFile(dir.Path("x.txt"));
    test::BakeSetting setting;
    setting.environment = {"LD_PRELOAD=" FAIL_RENAME, "VANTOR_FAIL_RENAME_TO=/x.txt",
                           "VANTOR_FAIL_RENAME_ERRNO=" + std::to_string(fault.error),
                           EnvAppend("ASAN_OPTIONS", "verify_asan_link_order=0")};
    const BakeRun run = Bake(Large(dir.Path("x")), setting);
    std::string message = fault.message;
    message.replace(message.find('@'), 1, dir.Path());
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "vantor-bake: " + message + "\n");
    EXPECT_TRUE(ReadFile(dir.Path("x.tga")) == tga);
    EXPECT_TRUE(ReadFile(dir.Path("x.txt")) == txt);
    EXPECT_EQ(dir.Listing(), "x.tga x.txt");
  }
}

// Signals at random moments of a bake that replaces an older, different pair. TERM,
// INT and HUP leave a whole pair and nothing else; after KILL the next bake of the
// same base puts things in order.
TEST(PairReplacement, SignalsNeverSplitThePairNorLeaveTemporaries) {
  TempDir dir;
  const std::string base = dir.Path("x");
  ASSERT_EQ(Bake(Small(base)).status, 0);
  std::mt19937 random(7);
  for (const int signal : {SIGTERM, SIGINT, SIGHUP, SIGKILL}) {
    for (int run = 0; run < 8; ++run) {
      const pid_t child = test::StartBake(run % 2 == 0 ? Large(base) : Small(base));
      std::this_thread::sleep_for(std::chrono::microseconds(random() % 60000));
      ::kill(child, signal);
      int status = 0;
      ASSERT_EQ(::waitpid(child, &status, 0), child);
      EXPECT_TRUE(PairMatches(base)) << "signal " << signal << ", run " << run;
      if (signal != SIGKILL) {
        EXPECT_TRUE(NoTemporaries(dir)) << dir.Listing();
        if (WIFEXITED(status)) {
          EXPECT_TRUE(WEXITSTATUS(status) == 0 || WEXITSTATUS(status) == 128 + signal);
        }
      }
    }
    ASSERT_EQ(Bake(Small(base)).status, 0);
    EXPECT_TRUE(PairMatches(base));
    EXPECT_TRUE(NoTemporaries(dir)) << dir.Listing();
  }
}

// Aimed, not left to chance: the bake stops itself once its first new file is
// written, while only temporaries exist; the signal comes then, every time.
TEST(PairReplacement, ASignalWhileTemporariesExistRemovesThemAndKeepsTheOldFiles) {
  for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
    for (const char* format : {"params", "fnt"}) {
      SCOPED_TRACE(std::string(format) + ", signal " + std::to_string(signal));
      TempDir dir;
      const std::vector<std::string> args = Large(dir.Path("x")) + std::vector<std::string>{"--format", format};
      ASSERT_EQ(Bake(Small(dir.Path("x")) + std::vector<std::string>{"--format", format}).status, 0);
      const std::string before = dir.Listing();
      const pid_t child = test::StartBake(args, {"LD_PRELOAD=" FAIL_RENAME, "VANTOR_STOP_AT_FSYNC=1",
                                                 EnvAppend("ASAN_OPTIONS", "verify_asan_link_order=0")});
      int status = 0;
      ASSERT_EQ(::waitpid(child, &status, WUNTRACED), child);
      ASSERT_TRUE(WIFSTOPPED(status));
      EXPECT_FALSE(NoTemporaries(dir)) << "stopped with no temporary: " << dir.Listing();
      ::kill(child, signal);
      ::kill(child, SIGCONT);
      ASSERT_EQ(::waitpid(child, &status, 0), child);
      EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 128 + signal) << status;
      EXPECT_EQ(dir.Listing(), before);
    }
  }
}

TEST(PairReplacement, ABakeWaitingForAnotherSavesLockSaysSo) {
  TempDir dir;
  const int folder = ::open(dir.Path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  ASSERT_GE(folder, 0);
  ASSERT_EQ(::flock(folder, LOCK_EX), 0);
  std::thread release([folder] {
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    ::close(folder);
  });
  const BakeRun run = Bake(Small(dir.Path("x")));
  release.join();
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "vantor-bake: waiting for another save into " + dir.Path() + " to finish...\n");
  EXPECT_TRUE(PairMatches(dir.Path("x")));
}

// The state a SIGKILL between the two renames leaves: the new texture in place,
// the new params file still a temporary, and the journal that lists both.
TEST(PairReplacement, TheNextBakeFinishesAPairAKillLeftHalfReplaced) {
  TempDir dir;
  ASSERT_EQ(Bake(Small(dir.Path("x"))).status, 0);
  ASSERT_EQ(Bake(Large(dir.Path("new"))).status, 0);
  const std::string prefix = dir.Path(".vantor-" + std::to_string(DeadPid()) + "-");
  WriteFile(dir.Path("x.tga"), ReadFile(dir.Path("new.tga")));
  WriteFile(prefix + "2.tmp", ReadFile(dir.Path("new.txt")));
  ASSERT_EQ(::link(dir.Path("x.txt").c_str(), (prefix + "3.old").c_str()), 0);
  WriteFile(prefix + "4.tmp", "a temporary its writer never finished");
  std::string journal;
  for (const std::string& field : {prefix + "1.tmp", dir.Path("x.tga"), std::string(), prefix + "2.tmp",
                                   dir.Path("x.txt"), prefix + "3.old"}) {
    journal += field + '\0';
  }
  WriteFile(prefix + "5.journal", journal);
  ASSERT_FALSE(PairMatches(dir.Path("x")));

  ASSERT_EQ(Bake(Small(dir.Path("other"))).status, 0);
  EXPECT_TRUE(PairMatches(dir.Path("x")));
  EXPECT_TRUE(ReadFile(dir.Path("x.txt")) == ReadFile(dir.Path("new.txt")));
  EXPECT_EQ(dir.Listing(), "new.tga new.txt other.tga other.txt x.tga x.txt");
}

TEST(PairReplacement, TwoBakesOfOneBaseAtOnceLeaveOneBakesPair) {
  TempDir dir;
  const std::string base = dir.Path("x");
  for (int run = 0; run < 30; ++run) {
    const pid_t first = test::StartBake(Small(base));
    const pid_t second = test::StartBake(Large(base));
    int status = 0;
    ASSERT_EQ(::waitpid(first, &status, 0), first);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_EQ(::waitpid(second, &status, 0), second);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_TRUE(PairMatches(base)) << "run " << run;
  }
  EXPECT_EQ(dir.Listing(), "x.tga x.txt");
}

struct stat StatOf(const std::string& path) {
  struct stat info {};
  ::lstat(path.c_str(), &info);
  return info;
}

TEST(SavingKeepsIdentity, OtherHardLinksSeeTheNewContent) {
  TempDir dir;
  ASSERT_EQ(Bake(Small(dir.Path("x"))).status, 0);
  ASSERT_EQ(::link(dir.Path("x.txt").c_str(), dir.Path("linked.txt").c_str()), 0);
  ASSERT_EQ(Bake(Large(dir.Path("x"))).status, 0);
  EXPECT_TRUE(PairMatches(dir.Path("x")));
  EXPECT_TRUE(ReadFile(dir.Path("linked.txt")) == ReadFile(dir.Path("x.txt")));
  EXPECT_EQ(StatOf(dir.Path("x.txt")).st_ino, StatOf(dir.Path("linked.txt")).st_ino);
}

TEST(SavingKeepsIdentity, ADanglingLinkGetsItsTargetWritten) {
  TempDir dir;
  ASSERT_EQ(::symlink("real.tga", dir.Path("x.tga").c_str()), 0);
  ASSERT_EQ(Bake(Small(dir.Path("x"))).status, 0);
  EXPECT_TRUE(S_ISLNK(StatOf(dir.Path("x.tga")).st_mode));
  EXPECT_TRUE(PairMatches(dir.Path("x")));
  EXPECT_EQ(dir.Listing(), "real.tga x.tga x.txt");
  // A link into a folder that does not exist names the file it would have written.
  ASSERT_EQ(::symlink("gone/real.tga", dir.Path("y.tga").c_str()), 0);
  const BakeRun run = Bake(Small(dir.Path("y")));
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "vantor-bake: The folder of " + dir.Path("gone/real.tga") + " does not exist.\n");
}

// Ownership and permissions only matter when the tests run as root.
TEST(SavingKeepsIdentity, OwnerAndAReadOnlyFolderAreKept) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to hand files to another user";
  constexpr uid_t kNobody = 65534;
  TempDir dir;
  ASSERT_EQ(Bake(Small(dir.Path("x"))).status, 0);
  for (const char* name : {"x.tga", "x.txt"}) ASSERT_EQ(::chown(dir.Path(name).c_str(), kNobody, kNobody), 0);
  ASSERT_EQ(Bake(Large(dir.Path("x"))).status, 0);
  EXPECT_EQ(StatOf(dir.Path("x.tga")).st_uid, kNobody);
  EXPECT_EQ(StatOf(dir.Path("x.txt")).st_gid, kNobody);

  // Nobody owns the files but may not write the folder: the files are rewritten in place.
  ::chmod(dir.Path().c_str(), 0755);
  const BakeRun run = Bake(Small(dir.Path("x")), 0, /*unprivileged=*/true);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(PairMatches(dir.Path("x")));
  EXPECT_EQ(ParamValue(ReadFile(dir.Path("x.txt")), "Height"), 12);
  EXPECT_EQ(dir.Listing(), "x.tga x.txt");
}

struct Refusal {
  std::vector<std::string> args;  // "@" stands for the test's folder
  int status;
  std::string err;                // the message after "vantor-bake: "
};

TEST(BakeCommandLine, RefusesWhatWouldHurtAndSaysWhatHappened) {
  TempDir dir;
  ASSERT_EQ(Bake(Small(dir.Path("p"))).status, 0);
  ::mkdir(dir.Path("sub").c_str(), 0755);
  ::mkfifo(dir.Path("pipe").c_str(), 0600);
  WriteFile(dir.Path("huge.txt"), "Height=12\r\n" + std::string(2 << 20, ' '));
  const Refusal refusals[] = {
      {kDejaVu32 + std::vector<std::string>{"--font", "Sans\r\nHeight=400", "-o", "@/x"}, 2,
       "--font takes a name without control characters"},
      {kDejaVu32 + std::vector<std::string>{"-o", "@/"}, 2,
       "-o takes a file name without its extension, such as fonts/title, not the folder \"@/\""},
      {{"@/p.txt"}, 2, "the output @/p.txt is the params file read; give -o BASE to write elsewhere"},
      {{"@/../" + dir.Path().substr(dir.Path().rfind('/') + 1) + "/p.txt", "-o", "@/p"}, 2,
       "the output @/p.txt is the params file read; give -o BASE to write elsewhere"},
      {{"@/sub", "-o", "@/x"}, 1, "@/sub is a folder, not a file."},
      {{"@/pipe", "-o", "@/x"}, 1, "@/pipe is not a regular file."},
      {{"@/huge.txt", "-o", "@/x"}, 1, "@/huge.txt is larger than the 1048576 bytes a params file can be."},
      {{"--font", "", "--height", "32", "--strict", "-o", "@/x"}, 2,
       "--strict needs a face name: an empty one names no face"},
      {{"--list-fonts", "--sdf", "4", "--format", "fnt"}, 2, "--list-fonts takes no other argument but --font-file"},
      {{"--list-fonts", "--strict"}, 2, "--list-fonts takes no other argument but --font-file"},
      {{"--list-fonts", "--layout", "cells"}, 2, "--list-fonts takes no other argument but --font-file"},
      {{"--list-fonts", "--fallback", "DejaVu Serif"}, 2, "--list-fonts takes no other argument but --font-file"},
      {kDejaVu32 + std::vector<std::string>{"-o", "@/" + std::string(300, 'n')}, 1,
       "The name @/" + std::string(300, 'n') + ".tga is too long for its file system."},
  };
  for (const Refusal& refusal : refusals) {
    std::vector<std::string> args = refusal.args;
    for (std::string& arg : args) {
      if (arg[0] == '@') arg = dir.Path() + arg.substr(1);
    }
    std::string err = refusal.err;
    for (std::size_t at; (at = err.find('@')) != std::string::npos;) err.replace(at, 1, dir.Path());
    const BakeRun run = Bake(args);
    EXPECT_EQ(run.status, refusal.status) << err;
    EXPECT_EQ(run.err, "vantor-bake: " + err + "\n");
  }
  EXPECT_EQ(dir.Listing(), "huge.txt p.tga p.txt pipe sub");
}

// Outputs that are one file through a link, and names a descriptor cannot carry, are
// refused before anything is written.
TEST(BakeCommandLine, RefusesOutputsThatAreOneFileOrCannotBeNamed) {
  TempDir dir;
  ASSERT_EQ(Bake(kDejaVu32 + std::vector<std::string>{"--format", "fnt", "--format", "params", "-o", dir.Path("x")}).status, 0);
  const std::string descriptor = ReadFile(dir.Path("x.fnt"));
  ASSERT_EQ(::unlink(dir.Path("x_0.png").c_str()), 0);
  ASSERT_EQ(::symlink("x.fnt", dir.Path("x_0.png").c_str()), 0);
  ASSERT_EQ(::unlink(dir.Path("x.txt").c_str()), 0);
  ASSERT_EQ(::link(dir.Path("x.tga").c_str(), dir.Path("x.txt").c_str()), 0);
  struct Case {
    std::vector<std::string> args;
    std::string err;
  };
  const Case cases[] = {
      {{"--format", "fnt", "-o", dir.Path("x")},
       "the outputs " + dir.Path("x.fnt") + " and " + dir.Path("x_0.png") + " are one file (a link); writing both would lose one"},
      {{"-o", dir.Path("x")},
       "the outputs " + dir.Path("x.tga") + " and " + dir.Path("x.txt") + " are one file (a link); writing both would lose one"},
      {{"--format", "fnt", "-o", dir.Path("with \"quote")},
       "-o takes a name in UTF-8 without control characters or '\"' for a descriptor: it names its pages with it"},
      {{"--format", "fnt-xml", "-o", dir.Path("new\nline")},
       "-o takes a name in UTF-8 without control characters or '\"' for a descriptor: it names its pages with it"},
      {{"--format", "fnt-xml", "-o", dir.Path("x\xFFy")},
       "-o takes a name in UTF-8 without control characters or '\"' for a descriptor: it names its pages with it"},
      {{"--font", "Caf\xE9", "--height", "32", "--format", "fnt", "-o", dir.Path("c")}, "--font takes a name in UTF-8"},
  };
  for (const Case& c : cases) {
    const BakeRun run = Bake((c.args[0] == "--font" ? std::vector<std::string>{} : kDejaVu32) + c.args);
    EXPECT_EQ(run.status, 2) << c.err;
    EXPECT_EQ(run.err, "vantor-bake: " + c.err + "\n");
  }
  EXPECT_EQ(ReadFile(dir.Path("x.fnt")), descriptor);
  EXPECT_EQ(dir.Listing(), "x.fnt x.tga x.txt x_0.png");
}

// The refusal covers every page a set is laid out on, not only the first.
TEST(BakeCommandLine, RefusesToWriteAPageOverTheParamsFileRead) {
  TempDir dir;
  ASSERT_EQ(Bake(kDejaVu32 + std::vector<std::string>{"--texture-width", "64", "-o", dir.Path("p")}).status, 0);
  ASSERT_EQ(::link(dir.Path("p.txt").c_str(), dir.Path("q_1.png").c_str()), 0);
  const std::string params = ReadFile(dir.Path("p.txt"));
  const BakeRun run =
      Bake({dir.Path("p.txt"), "--format", "fnt", "--layout", "cells", "--chars", "0x20-0x24F", "-o", dir.Path("q")});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "vantor-bake: the output " + dir.Path("q_1.png") + " is the params file read; give -o BASE to write elsewhere\n");
  EXPECT_EQ(ReadFile(dir.Path("p.txt")), params);
  EXPECT_EQ(dir.Listing(), "p.tga p.txt q_1.png");
}

TEST(BakeCommandLine, RefusesToWriteOverTheCharactersFileRead) {
  TempDir dir;
  WriteFile(dir.Path("x.fnt"), "ABC");
  ASSERT_EQ(::link(dir.Path("x.fnt").c_str(), dir.Path("list.txt").c_str()), 0);
  for (const char* given : {"x.fnt", "list.txt"}) {
    const BakeRun run =
        Bake(kDejaVu32 + std::vector<std::string>{"--format", "fnt", "--chars-file", dir.Path(given), "-o", dir.Path("x")});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "vantor-bake: the output " + dir.Path("x.fnt") + " is the characters file " + dir.Path(given) +
                           "; writing it would lose it\n");
  }
  EXPECT_EQ(ReadFile(dir.Path("x.fnt")), "ABC");
  EXPECT_EQ(dir.Listing(), "list.txt x.fnt");
}

TEST(BakeCommandLine, ASubstitutedFaceIsNamedAndStrictRefusesIt) {
  TempDir dir;
  const std::vector<std::string> misspelt = {"--font", "DejaVu Sanz", "--height", "12", "-o"};
  const BakeRun warned = Bake(misspelt + std::vector<std::string>{dir.Path("w")});
  EXPECT_EQ(warned.status, 0);
  EXPECT_EQ(warned.err.rfind("vantor-bake: warning: no face is named \"DejaVu Sanz\"; the texture is drawn with \"", 0), 0u)
      << warned.err;
  const BakeRun strict = Bake(misspelt + std::vector<std::string>{dir.Path("s"), "--strict"});
  EXPECT_EQ(strict.status, 2);
  EXPECT_EQ(Bake(Small(dir.Path("named")) + std::vector<std::string>{"--strict"}).err, "");
  EXPECT_EQ(dir.Listing(), "named.tga named.txt w.tga w.txt");
}

TEST(DistanceFieldBake, RepeatsByteForByteAndRefusesWhatItCannotDraw) {
  TempDir dir;
  const std::vector<std::string> field = kDejaVu32 + std::vector<std::string>{"--sdf", "6", "--format", "params",
                                                                               "--format", "fnt-binary", "-o"};
  // The same base in two folders, so the descriptors name the same page.
  ::mkdir(dir.Path("a").c_str(), 0755);
  ::mkdir(dir.Path("b").c_str(), 0755);
  const BakeRun first = Bake(field + std::vector<std::string>{dir.Path("a/f")});
  ASSERT_EQ(first.status, 0);
  // The params file cannot hold the spread; the bake says so.
  EXPECT_EQ(first.err, "vantor-bake: note: the params file does not record --sdf 6; bake it again with --sdf 6 to get "
                       "the same distance fields\n");
  ASSERT_EQ(Bake(field + std::vector<std::string>{dir.Path("b/f")}).status, 0);
  for (const char* name : {"f.tga", "f.txt", "f_0.png", "f.fnt"}) {
    EXPECT_TRUE(ReadFile(dir.Path(std::string("a/") + name)) == ReadFile(dir.Path(std::string("b/") + name))) << name;
  }
  const Refusal refusals[] = {
      {kDejaVu32 + std::vector<std::string>{"--sdf", "1", "-o", "@/x"}, 2, "--sdf takes a whole number from 2 to 32, not \"1\""},
      {kDejaVu32 + std::vector<std::string>{"--sdf", "33", "-o", "@/x"}, 2, "--sdf takes a whole number from 2 to 32, not \"33\""},
      {kDejaVu32 + std::vector<std::string>{"--sdf", "8", "--quality", "5", "-o", "@/x"}, 2,
       "--sdf cannot draw quality 5 (ClearType): a distance field has one channel, subpixel colour needs three"},
  };
  for (const Refusal& refusal : refusals) {
    std::vector<std::string> args = refusal.args;
    for (std::string& arg : args) {
      if (arg[0] == '@') arg = dir.Path() + arg.substr(1);
    }
    const BakeRun run = Bake(args);
    EXPECT_EQ(run.status, refusal.status);
    EXPECT_EQ(run.err, "vantor-bake: " + refusal.err + "\n");
  }
  EXPECT_EQ(dir.Listing(), "a b");
  // Mono hinting and synthetic italic go into the field.
  EXPECT_EQ(Bake(field + std::vector<std::string>{dir.Path("m"), "--quality", "3", "--italic"}).status, 0);
}

// A face of bitmaps only, the one face fontconfig is shown.
TEST(DistanceFieldBake, RefusesAFaceOfBitmapsOnly) {
  TempDir dir;
  WriteFile(dir.Path("dots.bdf"),
            "STARTFONT 2.1\nFONT -misc-Dots-medium-r-normal--8-80-75-75-c-80-iso10646-1\nSIZE 8 75 75\n"
            "FONTBOUNDINGBOX 8 8 0 -1\nSTARTPROPERTIES 3\nFAMILY_NAME \"Dots\"\nFONT_ASCENT 7\nFONT_DESCENT 1\n"
            "ENDPROPERTIES\nCHARS 1\nSTARTCHAR A\nENCODING 65\nSWIDTH 500 0\nDWIDTH 8 0\nBBX 8 8 0 -1\nBITMAP\n"
            "18\n24\n42\n7E\n42\n42\n42\n00\nENDCHAR\nENDFONT\n");
  WriteFile(dir.Path("fonts.conf"), "<?xml version=\"1.0\"?>\n<fontconfig><dir>" + dir.Path() + "</dir><cachedir>" +
                                        dir.Path("cache") + "</cachedir></fontconfig>\n");
  test::BakeSetting setting;
  setting.environment = {"FONTCONFIG_FILE=" + dir.Path("fonts.conf")};
  const BakeRun run = Bake({"--font", "Dots", "--height", "8", "--sdf", "4", "-o", dir.Path("x")}, setting);
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "vantor-bake: --sdf needs a face with outlines; \"Dots\" has bitmaps only\n");
  EXPECT_EQ(dir.Listing().find("x."), std::string::npos) << dir.Listing();
}

TEST(BakeCommandLine, AnOutputExtensionIsTakenOffTheBase) {
  TempDir dir;
  ASSERT_EQ(Bake(Small(dir.Path("x.tga"))).status, 0);
  ASSERT_EQ(Bake(kDejaVu32 + std::vector<std::string>{"--format", "fnt", "-o", dir.Path("y.fnt")}).status, 0);
  EXPECT_EQ(dir.Listing(), "x.tga x.txt y.fnt y_0.png");
}

}  // namespace
}  // namespace vantor::files
