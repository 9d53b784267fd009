#include "EveryPairKerning.h"
#include "platform/Font.h"
#include "platform/FontSystem.h"
#include "platform/Kerning.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <random>
#include <sstream>
#include <string>

namespace vantor::platform {

void PrintTo(const KerningPair& pair, std::ostream* out) {
  *out << std::hex << "U+" << pair.first << " U+" << pair.second << std::dec << " " << pair.amount;
}

namespace {

struct FaceCase {
  const char* face;
  std::int32_t weight;
  bool italic;
  bool kerned;  // whether the face has kerning the shaper reads
};

std::unique_ptr<Font> Open(FontSystem& system, const FaceCase& c, std::int32_t height = 32) {
  LOGFONTA desc;
  desc.lfHeight = height;
  desc.lfWeight = c.weight;
  desc.lfItalic = c.italic ? 1 : 0;
  desc.lfCharSet = 1;
  SetFaceName(desc, c.face);
  return Font::Create(system, desc);
}

// Basic Latin, Latin-1, Greek and most of Cyrillic: several scripts, a few hundred characters.
std::vector<std::uint32_t> EuropeanSet() {
  std::vector<std::uint32_t> set;
  for (std::uint32_t c = 0x20; c < 0x7F; ++c) set.push_back(c);
  for (std::uint32_t c = 0xA0; c < 0x100; ++c) set.push_back(c);
  for (std::uint32_t c = 0x370; c < 0x400; ++c) set.push_back(c);
  for (std::uint32_t c = 0x400; c < 0x460; ++c) set.push_back(c);
  return set;
}

// The pairs only one of the lists holds, or holds with another amount; empty when they are equal.
std::string Differences(const std::vector<KerningPair>& actual, const std::vector<KerningPair>& expected) {
  std::ostringstream out;
  const auto only = [&](const std::vector<KerningPair>& from, const std::vector<KerningPair>& other, const char* label) {
    for (const KerningPair& pair : from) {
      if (std::find(other.begin(), other.end(), pair) != other.end()) continue;
      out << label;
      PrintTo(pair, &out);
      out << "\n";
    }
  };
  only(actual, expected, "unexpected ");
  only(expected, actual, "missing ");
  if (out.str().empty() && actual != expected) out << "same pairs, other order\n";
  return out.str();
}

std::string Describe(const FaceCase& c) { return std::string(c.face) + " " + std::to_string(c.weight) + (c.italic ? " italic" : ""); }

// Faces with GPOS class kerning and a kern table (DejaVu), with pair lists (the URW faces), and none.
constexpr FaceCase kFaces[] = {
    {"DejaVu Sans", 400, false, true},  {"DejaVu Serif", 400, false, true},         {"DejaVu Sans Mono", 400, false, false},
    {"DejaVu Sans", 700, true, true},   {"DejaVu Serif", 700, false, true},         {"DejaVu Sans Condensed", 400, true, true},
    {"DejaVu Sans", 200, false, true},  {"DejaVu Math TeX Gyre", 400, false, false}, {"C059", 400, true, true},
    {"URW Gothic", 400, false, true},   {"Nimbus Mono PS", 400, false, false},
};

TEST(FaceKerning, EqualsShapingEveryPair) {
  FontSystem system;
  const std::vector<std::uint32_t> set = EuropeanSet();
  for (const FaceCase& c : kFaces) {
    const auto font = Open(system, c);
    ASSERT_TRUE(font->IsUsable()) << Describe(c);
    const std::vector<KerningPair> expected = EveryPairKerning(*font->Face(), set);
    EXPECT_EQ(Differences(FaceKerning(*font->Face(), set), expected), "") << Describe(c);
    EXPECT_EQ(expected.empty(), !c.kerned) << Describe(c);
  }
}

// The pairs of a set are those of any larger set between its characters, whatever the order.
TEST(FaceKerning, PairsOfASubsetAreThoseOfTheWholeSetAmongIt) {
  FontSystem system;
  const std::vector<std::uint32_t> whole = EuropeanSet();
  std::mt19937 random(7);
  for (const FaceCase& c : {kFaces[0], kFaces[1], kFaces[8]}) {
    const auto font = Open(system, c, 57);
    const std::vector<KerningPair> all = FaceKerning(*font->Face(), whole);
    ASSERT_FALSE(all.empty()) << Describe(c);
    for (int round = 0; round < 4; ++round) {
      std::vector<std::uint32_t> part = whole;
      std::shuffle(part.begin(), part.end(), random);
      part.resize(part.size() / 3);
      std::vector<KerningPair> expected;
      const auto in = [&](std::uint32_t cp) { return std::find(part.begin(), part.end(), cp) != part.end(); };
      std::copy_if(all.begin(), all.end(), std::back_inserter(expected), [&](const KerningPair& p) { return in(p.first) && in(p.second); });
      EXPECT_EQ(Differences(FaceKerning(*font->Face(), part), expected), "") << Describe(c) << " round " << round;
    }
  }
}

TEST(FaceKerning, PairsAreSortedDistinctAndNeverZero) {
  FontSystem system;
  const auto font = Open(system, kFaces[0]);
  const std::vector<KerningPair> pairs = FaceKerning(*font->Face(), EuropeanSet());
  ASSERT_FALSE(pairs.empty());
  EXPECT_TRUE(std::none_of(pairs.begin(), pairs.end(), [](const KerningPair& p) { return p.amount == 0; }));
  EXPECT_TRUE(std::adjacent_find(pairs.begin(), pairs.end(), [](const KerningPair& l, const KerningPair& r) {
                return std::pair(l.first, l.second) >= std::pair(r.first, r.second);
              }) == pairs.end());
  EXPECT_TRUE(FaceKerning(*font->Face(), {}).empty());
}

}  // namespace
}  // namespace vantor::platform
