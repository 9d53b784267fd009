#include "BakeRunner.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

namespace vantor::files {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;

using test::Bake;
using test::BakeRun;
using test::kDejaVu32;
using test::operator+;

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

// Runs each refusal with "@" standing for `dir`, and checks its exit status and the start of its message.
template <std::size_t N>
void ExpectRefused(const TempDir& dir, const Refusal (&refusals)[N]) {
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
}

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
      {kDejaVu32 + std::vector<std::string>{"-o", "@/no/x"}, 1, "The folder of @/no/x.tga does not exist."},
  };
  ExpectRefused(dir, refusals);
  EXPECT_EQ(dir.Listing(), "noise.txt wide.txt");
}

// Effect options out of range, without their effect, or with an output that cannot
// hold colour are refused before anything is written.
TEST(VantorBake, EffectRefusalsNameTheOptionAndItsRange) {
  TempDir dir;
  const std::vector<std::string> fnt = kDejaVu32 + std::vector<std::string>{"--format", "fnt", "-o", "@/x"};
  const Refusal refusals[] = {
      {fnt + std::vector<std::string>{"--outline", "0"}, 2, "--outline takes a whole number from 1 to 16, not \"0\""},
      {fnt + std::vector<std::string>{"--outline", "17"}, 2, "--outline takes a whole number from 1 to 16"},
      {fnt + std::vector<std::string>{"--outline", "2x"}, 2, "--outline takes a whole number from 1 to 16"},
      {fnt + std::vector<std::string>{"--outline"}, 2, "--outline needs a value"},
      {fnt + std::vector<std::string>{"--shadow", "17,0"}, 2, "--shadow takes DX,DY, each a whole number from -16 to 16"},
      {fnt + std::vector<std::string>{"--shadow", "2"}, 2, "--shadow takes DX,DY"},
      {fnt + std::vector<std::string>{"--shadow", "2,2,2"}, 2, "--shadow takes DX,DY"},
      {fnt + std::vector<std::string>{"--shadow", "2,2", "--shadow-blur", "9"}, 2,
       "--shadow-blur takes a whole number from 0 to 8"},
      {fnt + std::vector<std::string>{"--shadow-blur", "2"}, 2, "--shadow-blur needs --shadow DX,DY"},
      {fnt + std::vector<std::string>{"--outline-colour", "1,2,3"}, 2, "--outline-colour needs --outline N"},
      {fnt + std::vector<std::string>{"--shadow-colour", "#102030"}, 2, "--shadow-colour needs --shadow DX,DY"},
      {fnt + std::vector<std::string>{"--colour", "256,0,0"}, 2, "--colour takes R,G,B (each 0..255) or #RRGGBB"},
      {fnt + std::vector<std::string>{"--colour", "#12345"}, 2, "--colour takes R,G,B (each 0..255) or #RRGGBB"},
      {fnt + std::vector<std::string>{"--colour", "#12345G"}, 2, "--colour takes R,G,B"},
      {fnt + std::vector<std::string>{"--outline", "2", "--sdf", "6"}, 2,
       "--outline, --shadow and --colour do not go with --sdf: a shader draws outlines and glows from the distance field"},
      {kDejaVu32 + std::vector<std::string>{"--outline", "2", "-o", "@/x"}, 2,
       "--outline, --shadow and --colour need --format fnt, fnt-xml or fnt-binary: the params format keeps"},
      {fnt + std::vector<std::string>{"--format", "params", "--shadow", "1,1"}, 2, "--outline, --shadow and --colour need"},
      // Cells grow to hold the outline: past the texture's width they are refused as wide cells are.
      {fnt + std::vector<std::string>{"--layout", "cells", "--texture-width", "48", "--outline", "16"}, 2,
       "the cell of U+2030 is 66 pixels wide, wider than the page of 48 pixels"},
      {std::vector<std::string>{"--list-fonts", "--outline", "1"}, 2, "--list-fonts takes no other argument"},
  };
  ExpectRefused(dir, refusals);
  EXPECT_EQ(dir.Listing(), "");
}

// An outlined and shadowed bake keeps the advances and the line, grows each box by
// the outline on every side and the shadow on the sides it reaches, and moves the
// offsets so the glyph stays put; the info line carries the outline, the channels a colour page.
TEST(VantorBake, EffectsGrowTheBoxesAndKeepTheGlyphsWhereTheyStood) {
  TempDir dir;
  const std::vector<std::string> base = kDejaVu32 + std::vector<std::string>{"--format", "fnt", "--chars", "65-90"};
  ASSERT_EQ(Bake(base + std::vector<std::string>{"-o", dir.Path("plain")}).status, 0);
  const struct {
    int outline, dx, dy;
  } cases[] = {{2, 0, 0}, {1, 3, 2}, {3, -2, -4}};
  for (const auto& c : cases) {
    std::vector<std::string> args = base + std::vector<std::string>{"--outline", std::to_string(c.outline), "-o", dir.Path("fx")};
    if (c.dx != 0 || c.dy != 0) args = args + std::vector<std::string>{"--shadow", std::to_string(c.dx) + "," + std::to_string(c.dy)};
    ASSERT_EQ(Bake(args).status, 0);
    const std::string plain = ReadFile(dir.Path("plain.fnt"));
    const std::string fx = ReadFile(dir.Path("fx.fnt"));
    EXPECT_NE(fx.find(" outline=" + std::to_string(c.outline) + "\n"), std::string::npos);
    EXPECT_NE(fx.find("alphaChnl=2 redChnl=2 greenChnl=2 blueChnl=2"), std::string::npos);
    const auto field = [](const std::string& text, const std::string& id, const std::string& key) {
      const std::size_t line = text.find("char id=" + id + " ");
      const std::size_t at = text.find(" " + key + "=", line);
      return std::stoi(text.substr(at + key.size() + 2));
    };
    for (int id = 65; id <= 90; ++id) {
      const std::string name = std::to_string(id);
      const int n = c.outline;
      // Each side reaches the outline width beyond the glyph's pixels, and one pixel more
      // where the glyph's edge lies inside a pixel and the outline crosses into the next.
      const int left = field(plain, name, "xoffset") - field(fx, name, "xoffset");
      const int top = field(plain, name, "yoffset") - field(fx, name, "yoffset");
      const int right = field(fx, name, "xoffset") + field(fx, name, "width") - field(plain, name, "xoffset") -
                        field(plain, name, "width");
      const int bottom = field(fx, name, "yoffset") + field(fx, name, "height") - field(plain, name, "yoffset") -
                         field(plain, name, "height");
      const int reach[4] = {top, right, bottom, left};
      const int shadow[4] = {std::max(0, -c.dy), std::max(0, c.dx), std::max(0, c.dy), std::max(0, -c.dx)};
      for (int side = 0; side < 4; ++side) {
        EXPECT_GE(reach[side], n + shadow[side]) << name << " side " << side;
        EXPECT_LE(reach[side], n + shadow[side] + 1) << name << " side " << side;
      }
      EXPECT_EQ(field(fx, name, "xadvance"), field(plain, name, "xadvance")) << name;
    }
    EXPECT_EQ(plain.substr(plain.find("common lineHeight="), 24), fx.substr(fx.find("common lineHeight="), 24));
  }
}

// Each failure names its own cause: not "access denied" where nothing was denied,
// nor a missing folder where the folder is there.
TEST(VantorBake, MessagesNameTheCause) {
  TempDir dir;
  ASSERT_EQ(::mkdir(dir.Path("d.tga").c_str(), 0755), 0);
  ASSERT_EQ(::mkfifo(dir.Path("p.tga").c_str(), 0644), 0);
  ASSERT_EQ(::symlink("loop1", dir.Path("loop2.tga").c_str()), 0);
  ASSERT_EQ(::symlink("loop2.tga", dir.Path("loop1").c_str()), 0);
  // 224 one-per-row cells 302 pixels apart: a texture over 65535 pixels high.
  const std::vector<std::string> tall = {"--font", "DejaVu Sans", "--height", "40", "--texture-width", "48",
                                         "--leading", "255"};
  const Refusal refusals[] = {
      {kDejaVu32 + std::vector<std::string>{"-o", "@/d"}, 1, "@/d.tga is a folder, not a file."},
      {kDejaVu32 + std::vector<std::string>{"-o", "@/p"}, 1, "@/p.tga is not a regular file."},
      {kDejaVu32 + std::vector<std::string>{"-o", "/proc/x"}, 1, "The folder of /proc/x.tga takes no new files."},
      {kDejaVu32 + std::vector<std::string>{"-o", "@/loop2"}, 1, "The symbolic links of @/loop2.tga lead round in a loop."},
      {kDejaVu32 + std::vector<std::string>{"--format", "fnt", "--chars-file", "", "-o", "@/x"}, 2,
       "--chars-file needs a file name"},
      {kDejaVu32 + std::vector<std::string>{"--format", "fnt", "--chars", "", "-o", "@/x"}, 2, "--chars needs ranges"},
      {tall + std::vector<std::string>{"--format", "fnt", "--layout", "cells", "-o", "@/t"}, 1,
       "@/t_0.png cannot hold the texture: a page of a font is at most 65535 pixels wide and high."},
      {tall + std::vector<std::string>{"-o", "@/t"}, 1,
       "@/t.tga cannot hold the texture: a TGA image is at most 65535 pixels wide and high."},
  };
  ExpectRefused(dir, refusals);
  EXPECT_EQ(dir.Listing(), "d.tga loop1 loop2.tga p.tga");
}

// A file system out of inodes is full, whichever file of the set found it out.
TEST(VantorBake, NoInodesLeftIsADiskFull) {
  TempDir dir;
  if (::geteuid() != 0 || ::mount("tmpfs", dir.Path().c_str(), "tmpfs", 0, "size=16m,nr_inodes=8") != 0) {
    GTEST_SKIP() << "needs to mount a small tmpfs";
  }
  // Room for the two temporaries of the pair and nothing more: the journal finds the file system full.
  int files = 0;
  while (::close(::open(dir.Path("f" + std::to_string(files)).c_str(), O_WRONLY | O_CREAT, 0644)) == 0) ++files;
  for (const char* name : {"/f0", "/f1"}) ::unlink((dir.Path() + name).c_str());
  const BakeRun run = Bake(kDejaVu32 + std::vector<std::string>{"-o", dir.Path("x")});
  ::umount(dir.Path().c_str());
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "vantor-bake: Disk full while accessing " + dir.Path("x.tga") + ".\n");
}

// Both files are whole before either replaces its old version: a limit that the
// texture passes and its params file does not, or one that the texture hits.
TEST(VantorBake, FileSizeLimitIsNamedAndKeepsTheOldPair) {
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
    EXPECT_EQ(run.err, "vantor-bake: " + dir.Path(failing) + " would pass the file-size limit of " +
                           std::to_string(tgaSize) + " bytes.\n");
    EXPECT_TRUE(ReadFile(dir.Path("x.tga")) == "old tga") << failing;
    EXPECT_TRUE(ReadFile(dir.Path("x.txt")) == "old txt") << failing;
    EXPECT_EQ(dir.Listing(), "x.tga x.txt");
  }
}

struct ExportFault {
  const char* name;
  std::string base;  // under the test's folder
  rlim_t sizeLimit;
  bool readOnlyFolder;
  std::string err;   // the start of the message after "vantor-bake: "
};

// The descriptor and its page are replaced together or not at all.
TEST(VantorBake, AFailedExportKeepsTheOldFilesAndLeavesNoLitter) {
  const ExportFault faults[] = {
      {"missing folder", "no/x", 0, false, "The folder of @/no/x.fnt does not exist."},
      {"file-size limit", "x", 4096, false, "@/x.fnt would pass the file-size limit of 4096 bytes."},
      {"read-only folder", "x", 0, true, "Access to @/x.fnt was denied."},
  };
  for (const ExportFault& fault : faults) {
    TempDir dir;
    WriteFile(dir.Path("x.fnt"), "old descriptor");
    WriteFile(dir.Path("x_0.png"), "old page");
    if (fault.readOnlyFolder) ::chmod(dir.Path().c_str(), 0555);
    const BakeRun run = Bake(kDejaVu32 + std::vector<std::string>{"--format", "fnt", "-o", dir.Path(fault.base)},
                             fault.sizeLimit, fault.readOnlyFolder);
    ::chmod(dir.Path().c_str(), 0700);
    std::string err = fault.err;
    err.replace(err.find('@'), 1, dir.Path());
    EXPECT_EQ(run.status, 1) << fault.name;
    EXPECT_EQ(run.err, "vantor-bake: " + err + "\n") << fault.name;
    EXPECT_EQ(ReadFile(dir.Path("x.fnt")), "old descriptor") << fault.name;
    EXPECT_EQ(ReadFile(dir.Path("x_0.png")), "old page") << fault.name;
    EXPECT_EQ(dir.Listing(), "x.fnt x_0.png") << fault.name;
  }
}

TEST(VantorBake, AnUnknownFormatIsACommandLineError) {
  TempDir dir;
  const BakeRun run = Bake(kDejaVu32 + std::vector<std::string>{"--format", "png", "-o", dir.Path("x")});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "vantor-bake: unknown format \"png\"; the formats are params, fnt, fnt-xml, fnt-binary\n");
  EXPECT_EQ(Bake(kDejaVu32 + std::vector<std::string>{"--format", "fnt", "--format", "fnt-xml", "-o", dir.Path("x")}).status, 2);
  EXPECT_EQ(dir.Listing(), "");
}

// Every refusal of a character set is a command-line error: exit 2, nothing written,
// an old descriptor and page kept.
TEST(VantorBakeCharacters, BadSetsAreRefusedAndWriteNothing) {
  TempDir dir;
  WriteFile(dir.Path("latin1.txt"), "na\xEFve\n");
  WriteFile(dir.Path("lines.txt"), "\r\n\n");
  WriteFile(dir.Path("x.fnt"), "old descriptor");
  WriteFile(dir.Path("x_0.png"), "old page");
  const std::vector<std::string> fnt = kDejaVu32 + std::vector<std::string>{"--format", "fnt", "-o", "@/x"};
  const Refusal refusals[] = {
      {fnt + std::vector<std::string>{"--chars", "0x4FF-0x400"}, 2, "The range \"0x4FF-0x400\" ends below its start."},
      {fnt + std::vector<std::string>{"--chars", "32,0x110000"}, 2, "\"0x110000\" passes the last Unicode code point"},
      {fnt + std::vector<std::string>{"--chars", "0xDC00"}, 2, "\"0xDC00\" is a surrogate"},
      {fnt + std::vector<std::string>{"--chars", "32-126", "--chars", "x"}, 2, "\"x\" is not a code point"},
      {fnt + std::vector<std::string>{"--chars-file", "@/latin1.txt"}, 2,
       "@/latin1.txt is not UTF-8 text: byte offset 2 is not part of a valid character."},
      {fnt + std::vector<std::string>{"--chars-file", "@/absent.txt"}, 2, "@/absent.txt was not found."},
      {fnt + std::vector<std::string>{"--chars-file", "@/lines.txt"}, 2, "No characters were given."},
      {fnt + std::vector<std::string>{"--chars"}, 2, "--chars needs a value"},
      {kDejaVu32 + std::vector<std::string>{"--chars", "65", "-o", "@/x"}, 2,
       "--chars and --chars-file need --format fnt, fnt-xml or fnt-binary"},
      {fnt + std::vector<std::string>{"--chars", "65", "--format", "params"}, 2,
       "--chars and --chars-file do not go with --format params"},
      {fnt + std::vector<std::string>{"--chars", "0x4E00-0x4E09"}, 1, "the face has none of the 10 characters asked for"},
      {fnt + std::vector<std::string>{"--fallback", "DejaVu Serif"}, 2, "--fallback needs --chars or --chars-file"},
      {fnt + std::vector<std::string>{"--chars", "65", "--fallback", "DejaVu Serif", "--format", "params"}, 2,
       "--fallback does not go with --format params"},
      {fnt + std::vector<std::string>{"--chars", "65", "--fallback", "DejaVu Serif", "--outline", "1"}, 2,
       "--fallback does not go with --outline, --shadow or colours yet"},
      {fnt + std::vector<std::string>{"--chars", "65", "--fallback", ""}, 2, "--fallback takes a face name"},
      {fnt + std::vector<std::string>{"--chars", "65,0x1D400", "--fallback", "No Such Face At All", "--strict"}, 2,
       "warning: no face is named \"No Such Face At All\"; its characters come from"},
  };
  ExpectRefused(dir, refusals);
  EXPECT_EQ(ReadFile(dir.Path("x.fnt")), "old descriptor");
  EXPECT_EQ(ReadFile(dir.Path("x_0.png")), "old page");
  EXPECT_EQ(dir.Listing(), "latin1.txt lines.txt x.fnt x_0.png");
}

// With fallback faces stderr says how many characters each face drew, then what none has;
// every descriptor format and distance fields take them.
TEST(VantorBakeCharacters, FallbackFacesSayWhatEachDrew) {
  TempDir dir;
  for (const std::vector<std::string>& more : {std::vector<std::string>{"--format", "fnt"},
                                               std::vector<std::string>{"--format", "fnt-xml", "--sdf", "4"},
                                               std::vector<std::string>{"--format", "fnt-binary", "--layout", "cells"}}) {
    const BakeRun run = Bake(kDejaVu32 + more + std::vector<std::string>{"--chars", "65-90,0x1D400-0x1D419,0x4E00",
                                                                          "--fallback", "DejaVu Math TeX Gyre", "-o",
                                                                          dir.Path("x")});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "vantor-bake: characters drawn: 26 from \"DejaVu Sans\", 26 from \"DejaVu Math TeX Gyre\"\n");
  }
}

// The descriptor and all pages are replaced together: a failure keeps every old file.
TEST(VantorBakeCharacters, AFailedBakeKeepsEveryOldPage) {
  TempDir dir;
  for (const char* name : {"x.fnt", "x_0.png", "x_1.png", "x_2.png"}) WriteFile(dir.Path(name), "old");
  const BakeRun run = Bake(kDejaVu32 + std::vector<std::string>{"--texture-width", "32", "--layout", "cells", "--chars",
                                                                "32-126,0x400-0x4FF", "--format", "fnt", "-o", dir.Path("x")},
                           53000);  // the descriptor and the first page pass, the second does not
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err.find("vantor-bake: "), 0u) << run.err;
  for (const char* name : {"x.fnt", "x_0.png", "x_1.png", "x_2.png"}) EXPECT_EQ(ReadFile(dir.Path(name)), "old") << name;
  EXPECT_EQ(dir.Listing(), "x.fnt x_0.png x_1.png x_2.png");

  // Without the limit, the same bake replaces them all and lists every page.
  ASSERT_EQ(Bake(kDejaVu32 + std::vector<std::string>{"--texture-width", "32", "--layout", "cells", "--chars",
                                                      "32-126,0x400-0x4FF", "--format", "fnt", "-o", dir.Path("x")})
                .status,
            0);
  const std::string descriptor = ReadFile(dir.Path("x.fnt"));
  EXPECT_NE(descriptor.find("pages=3 "), std::string::npos);
  EXPECT_NE(descriptor.find("page id=2 file=\"x_2.png\""), std::string::npos);
  for (const char* name : {"x_0.png", "x_1.png", "x_2.png"}) EXPECT_EQ(ReadFile(dir.Path(name)).substr(1, 3), "PNG") << name;
}

// Engine fonts refuse what would break their lines, advances or pages, and the
// glyph-box options what they cannot take; nothing is written. The limits named are the font's.
TEST(VantorBakeLayout, RefusesWhatBreaksTheLineTheAdvanceOrThePage) {
  TempDir dir;
  const std::vector<std::string> fnt = kDejaVu32 + std::vector<std::string>{"--format", "fnt", "-o", dir.Path("x")};
  struct Case {
    std::vector<std::string> args;
    std::string err;  // after "vantor-bake: "
  };
  const Case cases[] = {
      {{"--leading", "-31"}, "a leading of -31 makes the line height 0 pixels; this font takes a leading of at least -30"},
      {{"--leading", "-40", "--layout", "cells"},
       "a leading of -40 makes the line height -9 pixels; this font takes a leading of at least -30"},
      {{"--kerning", "-255"},
       "a kerning of -255 makes the advance of U+0027 -248 pixels; this font takes a kerning of at least -6"},
      // Combining marks keep their zero advance: only the A counts.
      {{"--kerning", "-18", "--chars", "0x300-0x36F,65"},
       "a kerning of -18 makes the advance of U+0041 0 pixels; this font takes a kerning of at least -17"},
      {{"--texture-width", "16", "--layout", "cells"},
       "the cell of U+2030 is 36 pixels wide, wider than the page of 16 pixels; give a wider texture or lay the font out "
       "in glyph boxes"},
      {{"--page-size", "16"}, "the box of U+0021 is 3 x 20 pixels; no page of at most 16 x 16 holds it"},
      {{"--padding", "65"}, "--padding takes N or UP,RIGHT,DOWN,LEFT, each a whole number from 0 to 64, not \"65\""},
      {{"--padding", "1,2"}, "--padding takes N or UP,RIGHT,DOWN,LEFT, each a whole number from 0 to 64, not \"1,2\""},
      {{"--spacing", "1,2,3"}, "--spacing takes N or H,V, each a whole number from 0 to 64, not \"1,2,3\""},
      {{"--spacing", "-1"}, "--spacing takes N or H,V, each a whole number from 0 to 64, not \"-1\""},
      {{"--page-size", "4097"}, "--page-size takes W or WxH, each a whole number from 8 to 4096, not \"4097\""},
      {{"--page-size", "64x"}, "--page-size takes W or WxH, each a whole number from 8 to 4096, not \"64x\""},
      {{"--layout", "grid"}, "--layout takes packed or cells, not \"grid\""},
      {{"--layout", "cells", "--spacing", "2"}, "--spacing sets glyph boxes; --layout cells keeps the texture's cells"},
  };
  for (const Case& c : cases) {
    const BakeRun run = Bake(fnt + c.args);
    EXPECT_EQ(run.status, 2) << c.err;
    EXPECT_EQ(run.err, "vantor-bake: " + c.err + "\n");
  }
  const BakeRun params = Bake(kDejaVu32 + std::vector<std::string>{"--no-pot", "-o", dir.Path("x")});
  EXPECT_EQ(params.status, 2);
  EXPECT_EQ(params.err.find("vantor-bake: --layout, --padding, --spacing, --page-size and --no-pot need --format fnt"), 0u);
  EXPECT_EQ(dir.Listing(), "");
  // The smallest values named are taken; the params pair keeps any leading in range.
  EXPECT_EQ(Bake(fnt + std::vector<std::string>{"--leading", "-30", "--kerning", "-6"}).status, 0);
  EXPECT_EQ(Bake(kDejaVu32 + std::vector<std::string>{"--leading", "-40", "-o", dir.Path("p")}).status, 0);
  EXPECT_EQ(dir.Listing(), "p.tga p.txt x.fnt x_0.png");
}

}  // namespace
}  // namespace vantor::files
