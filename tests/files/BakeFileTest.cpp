// Bake files: each [[font]] table bakes as the command line it stands for, paths
// from the bake file's folder; every kind of bad input is named by FILE:LINE and
// key, with nothing written.
#include "BakeRunner.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace vantor::files {
namespace {

using test::Bake;
using test::BakeRun;
using test::operator+;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;

const std::vector<std::string> kTableA = {"--font", "DejaVu Sans", "--height", "24", "--format", "fnt",
                                          "--chars", "32-126", "--chars", "0x410-0x44F"};
const std::vector<std::string> kTableB = {"--font", "DejaVu Serif", "--height", "17", "--italic", "--format",
                                          "fnt-xml", "--padding", "1,2,3,4", "--kerning", "-1"};

constexpr char kTwoTables[] =
    "# Two fonts of a game\n"
    "[[font]]\n"
    "font = \"DejaVu Sans\"\n"
    "height = 24\n"
    "format = \"fnt\"\n"
    "chars = [\"32-126\", \"0x410-0x44F\"]\n"
    "output = \"out/a/f\"\n"
    "\n"
    "[[font]]\n"
    "font = \"DejaVu Serif\"\n"
    "height = 17\n"
    "italic = true\n"
    "strict = false\n"
    "format = [\"fnt-xml\"]\n"
    "padding = \"1,2,3,4\"\n"
    "kerning = -1\n"
    "output = \"out/b/f\"\n";

void MakeFolders(const TempDir& dir, std::initializer_list<const char*> names) {
  for (const char* name : names) ::mkdir(dir.Path(name).c_str(), 0755);
}

TEST(BakeFile, TablesGiveTheBytesOfTheirCommandLinesWithPathsFromTheFilesFolder) {
  TempDir dir;
  MakeFolders(dir, {"game", "game/out", "game/out/a", "game/out/b", "a", "b"});
  WriteFile(dir.Path("game/fonts.toml"), kTwoTables);
  // The bake file is given from elsewhere: its paths still start from its own folder.
  const BakeRun run = Bake({"--config", dir.Path("game/fonts.toml")});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  ASSERT_EQ(Bake(kTableA + std::vector<std::string>{"-o", dir.Path("a/f")}).status, 0);
  ASSERT_EQ(Bake(kTableB + std::vector<std::string>{"-o", dir.Path("b/f")}).status, 0);
  for (const char* file : {"a/f.fnt", "a/f_0.png", "b/f.fnt", "b/f_0.png"}) {
    EXPECT_TRUE(ReadFile(dir.Path(std::string("game/out/") + file)) == ReadFile(dir.Path(file))) << file;
  }
}

TEST(BakeFile, TheCommandLineOverridesEveryTable) {
  TempDir dir;
  MakeFolders(dir, {"out", "out/a", "out/b"});
  WriteFile(dir.Path("fonts.toml"), kTwoTables);
  ASSERT_EQ(Bake({"--config", dir.Path("fonts.toml"), "--height", "12", "--format", "fnt-binary"}).status, 0);
  for (const char* file : {"out/a/f.fnt", "out/b/f.fnt"}) {
    const std::string descriptor = ReadFile(dir.Path(file));
    ASSERT_GE(descriptor.size(), 8u) << file;
    EXPECT_EQ(descriptor.substr(0, 4), std::string("BMF\3", 4)) << file;
    EXPECT_EQ(static_cast<int>(descriptor[9]), 12) << file;  // the info block's size field
  }
}

TEST(BakeFile, ATableThatFailsDoesNotStopTheOthers) {
  TempDir dir;
  MakeFolders(dir, {"out", "out/b"});
  // The first table writes into a folder that is not there.
  WriteFile(dir.Path("fonts.toml"), kTwoTables);
  const BakeRun run = Bake({"--config", dir.Path("fonts.toml")});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "vantor-bake: The folder of " + dir.Path("out/a/f.fnt") + " does not exist.\n");
  EXPECT_NE(ReadFile(dir.Path("out/b/f.fnt")), "<missing>");
}

struct BadBakeFile {
  std::string text;
  std::string message;  // after "vantor-bake: FILE"
};

TEST(BakeFile, BadInputNamesFileLineAndKeyAndWritesNothing) {
  const std::string table = "[[font]]\nfont = \"DejaVu Sans\"\noutput = \"x\"\n";
  const BadBakeFile cases[] = {
      {table + "heigt = 24\n", ":4: unknown key \"heigt\"; the keys are params, font, font-file,"},
      {table + "height = \"24\"\n", ":4: height takes a whole number"},
      {table + "height = 24.5\n", ":4: height takes a whole number"},
      {table + "height = 24\nitalic = \"yes\"\n", ":5: italic takes true or false"},
      {table + "height = 24\nchars = [65, true]\n", ":5: chars takes a text, a whole number or a list of them"},
      {"[[font]]\nfont = \"DejaVu Sans\"\nheight = 24\noutput = 3\n", ":4: output takes a file name in quotes"},
      {table + "height = 600\n", ":4: height: --height takes a whole number from 1 to 511, not \"600\""},
      {table + "height = 24\nformat = [\"fnt\", \"png\"]\n", ":5: format: unknown format \"png\""},
      {table + "height = 24\n[[font]]\nheight = 24\noutput = \"y\"\n", ":5: [[font]]: nothing to do"},
      {"[[font]]\nfont = \"DejaVu Sans\"\nheight = 24\n", ":1: [[font]]: --font needs -o BASE"},
      {"height = 24\n", ":1: \"height\" is not a bake: each bake is a [[font]] table"},
      {"[font]\nheight = 24\n", ":1: \"font\" is not a bake: each bake is a [[font]] table"},
      {"# nothing\n", ":1: no [[font]] table: nothing to bake"},
      {table + "height = 24\nheight = 25\n", ":5: "},
      {"[[font]\n", ":1: "},
      {table + "chars = \"\\xff\"\n", ":4: "},
  };
  for (const BadBakeFile& bad : cases) {
    TempDir dir;
    WriteFile(dir.Path("fonts.toml"), bad.text);
    const BakeRun run = Bake({"--config", dir.Path("fonts.toml")});
    EXPECT_EQ(run.status, 2) << bad.text;
    const std::string expected = "vantor-bake: " + dir.Path("fonts.toml") + bad.message;
    EXPECT_EQ(run.err.substr(0, expected.size()), expected) << bad.text;
    EXPECT_EQ(dir.Listing(), "fonts.toml") << bad.text;
  }
}

// The keys a bake file lists and the options the command line reads are one list:
// every key is an option the command line knows, and a key that takes a value in a
// bake file is an option that needs one on the command line.
TEST(BakeFile, EveryKeyIsACommandLineOptionTakingWhatTheKeyTakes) {
  TempDir dir;
  const std::string table = "[[font]]\nfont = \"DejaVu Sans\"\nheight = 24\noutput = \"x\"\n";
  WriteFile(dir.Path("fonts.toml"), table + "nokey = 1\n");
  std::string listed = Bake({"--config", dir.Path("fonts.toml")}).err;
  if (!listed.empty() && listed.back() == '\n') listed.pop_back();
  const std::string lead = "; the keys are ";
  ASSERT_NE(listed.find(lead), std::string::npos) << listed;
  std::vector<std::string> keys;
  for (std::size_t at = listed.find(lead) + lead.size(); at < listed.size();) {
    const std::size_t comma = std::min(listed.find(", ", at), listed.size());
    keys.push_back(listed.substr(at, comma - at));
    at = comma + 2;
  }
  ASSERT_GT(keys.size(), 20u);
  for (const std::string& key : keys) {
    if (key == "params" || key == "output" || key == "font" || key == "height") continue;
    // A key given true is refused exactly when the key takes a value.
    WriteFile(dir.Path("fonts.toml"), table + key + " = true\n");
    const std::string refused = Bake({"--config", dir.Path("fonts.toml")}).err;
    const bool takesValue = refused.find(": " + key + " takes ") != std::string::npos;
    const BakeRun alone = Bake({"--" + key});
    const BakeRun given = takesValue ? Bake({"--" + key, "1"}) : alone;
    EXPECT_EQ(given.err.find("unknown option"), std::string::npos) << key << ": " << given.err;
    EXPECT_EQ(alone.err.starts_with("vantor-bake: --" + key + " needs a value\n"), takesValue) << key << ": " << alone.err;
  }
}

TEST(BakeFile, FilesThatAreNotBakeFilesAreRefused) {
  TempDir dir;
  ::mkdir(dir.Path("folder").c_str(), 0755);
  const std::pair<std::string, std::string> cases[] = {
      {dir.Path("missing.toml"), ": no such bake file"},
      {dir.Path("folder"), ": a folder, not a bake file"},
      {"/dev/zero", ": "},
  };
  for (const auto& [path, message] : cases) {
    const BakeRun run = Bake({"--config", path});
    EXPECT_EQ(run.status, 2) << path;
    EXPECT_EQ(run.err.substr(0, 13 + path.size() + message.size()), "vantor-bake: " + path + message) << run.err;
  }
  EXPECT_EQ(Bake({"--config"}).err, "vantor-bake: --config needs a bake file\n");
}

TEST(BakeRun, QuietSaysNothingButErrors) {
  TempDir dir;
  // A substituted face and characters the face lacks: a warning and a note, unless quiet.
  const std::vector<std::string> noisy = {"--font", "No Such Face", "--height", "20", "--format", "fnt",
                                          "--chars", "65,0x4E00", "-o", dir.Path("x")};
  EXPECT_NE(Bake(noisy).err, "");
  const BakeRun quiet = Bake(noisy + std::vector<std::string>{"--quiet"});
  EXPECT_EQ(quiet.status, 0);
  EXPECT_EQ(quiet.err, "");
  const BakeRun failed = Bake(noisy + std::vector<std::string>{"--quiet", "--strict"});
  EXPECT_EQ(failed.status, 2);
  EXPECT_EQ(failed.err, "vantor-bake: --strict: nothing was written\n");
}

}  // namespace
}  // namespace vantor::files
