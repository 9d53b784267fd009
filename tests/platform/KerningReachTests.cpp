#include "platform/KerningReach.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace vantor::platform {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Glyphs = std::optional<std::vector<std::uint32_t>>;  // nullopt: every glyph
constexpr std::uint32_t kBiggestGlyph = 80;

void Put16(Bytes& bytes, int value) {
  bytes.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
  bytes.push_back(static_cast<std::uint8_t>(value & 0xFF));
}
Bytes Words(std::initializer_list<int> words) {
  Bytes bytes;
  for (const int w : words) Put16(bytes, w);
  return bytes;
}
Bytes Join(std::initializer_list<Bytes> parts) {
  Bytes bytes;
  for (const Bytes& part : parts) bytes.insert(bytes.end(), part.begin(), part.end());
  return bytes;
}

// A GPOS table of one lookup of `type` holding one subtable.
Bytes Gpos(int type, const Bytes& subtable) {
  return Join({Words({1, 0, 0, 0, 10}), Words({1, 4}), Words({type, 0, 1, 8}), subtable});
}
// Glyph 5 kerned against 7 and 9, listed pair by pair.
const Bytes kPairList = Join({Words({1, 12, 4, 0, 1, 18}), Words({1, 1, 5}), Words({2, 7, -50, 9, -20})});
// The same pairs, each moving its second glyph as well.
const Bytes kPairListMovingSeconds = Join({Words({1, 12, 4, 4, 1, 18}), Words({1, 1, 5}), Words({2, 7, -50, 10, 9, -20, 0})});
// Glyphs 10-12 in two first classes, 20-21 in second class 1 and 30 in class 2; `row0` and
// `row1` are the moves of each first class against second classes 0, 1 and 2.
Bytes ClassPairs(std::initializer_list<int> row0, std::initializer_list<int> row1) {
  return Join({Words({2, 28, 4, 0, 38, 50, 2, 3}), Words(row0), Words(row1), Words({2, 1, 10, 12, 0}),
               Words({1, 10, 3, 0, 1, 1}), Words({2, 2, 20, 21, 1, 30, 30, 2})});
}
Bytes Extension(int type, const Bytes& subtable) { return Join({Words({1, type, 0, 8}), subtable}); }
Bytes Cut(Bytes bytes, std::size_t keep) {
  bytes.resize(keep);
  return bytes;
}

// A kern table of one format 0 subtable: glyph 3 against 4 and 6.
Bytes KernTable(int coverage) { return Join({Words({0, 1}), Words({0, 26, coverage, 2, 12, 1, 0}), Words({3, 4, -30, 3, 6, -10})}); }
const Bytes kAppleKernTable = Join({Words({1, 0, 0, 1}), Words({0, 28, 0, 0}), Words({2, 12, 1, 0}), Words({3, 4, -30, 3, 6, -10})});

struct ReachCase {
  const char* name;
  bool gpos;  // else a kern table
  Bytes table;
  Glyphs firsts;
  Glyphs seconds;
  bool movesSeconds = false;
};

void ExpectGlyphs(const GlyphSet& set, const Glyphs& expected, const std::string& what) {
  ASSERT_EQ(set.Every(), !expected.has_value()) << what;
  if (!expected) return;
  for (std::uint32_t glyph = 0; glyph <= kBiggestGlyph; ++glyph) {
    const bool listed = std::find(expected->begin(), expected->end(), glyph) != expected->end();
    EXPECT_EQ(set.Has(glyph), listed) << what << " glyph " << glyph;
  }
}

TEST(KerningReach, NamesTheGlyphsEachTableCanMoveFirstAndSecond) {
  const ReachCase cases[] = {
      {"pair list", true, Gpos(2, kPairList), {{5}}, {{7, 9}}},
      {"pair classes", true, Gpos(2, ClassPairs({0, -10, 0}, {0, 0, 0})), {{10, 11, 12}}, {{20, 21}}},
      {"pair classes, class 2 only", true, Gpos(2, ClassPairs({0, 0, 0}, {0, 0, 4})), {{10, 11, 12}}, {{30}}},
      {"pair classes, unlisted seconds move", true, Gpos(2, ClassPairs({0, 0, 0}, {-3, 0, 0})), {{10, 11, 12}}, std::nullopt},
      {"extension of pair list", true, Gpos(9, Extension(2, kPairList)), {{5}}, {{7, 9}}},
      {"pair list moving seconds", true, Gpos(2, kPairListMovingSeconds), {{5}}, {{7, 9}}, true},
      {"single adjustment", true, Gpos(1, kPairList), std::nullopt, std::nullopt},
      {"extension of chained context", true, Gpos(9, Extension(8, kPairList)), std::nullopt, std::nullopt},
      {"pair list cut short", true, Cut(Gpos(2, kPairList), 40), std::nullopt, std::nullopt},
      {"kern pairs", false, KernTable(0x0001), {{3}}, {{4, 6}}},
      {"Apple kern pairs", false, kAppleKernTable, {{3}}, {{4, 6}}},
      {"kern class table", false, KernTable(0x0201), std::nullopt, std::nullopt},
      {"kern pairs cut short", false, Cut(KernTable(0x0001), 26), std::nullopt, std::nullopt},
  };
  for (const ReachCase& c : cases) {
    KerningReach reach;
    if (c.gpos) {
      AddPairLookupReach(c.table, 0, reach);
    } else {
      AddKernTableReach(c.table, reach);
    }
    ExpectGlyphs(reach.firsts, c.firsts, std::string(c.name) + " firsts");
    ExpectGlyphs(reach.seconds, c.seconds, std::string(c.name) + " seconds");
    EXPECT_EQ(reach.movesSeconds, c.movesSeconds) << c.name;
  }
}

TEST(KerningReach, ALookupTheTableLacksReachesEveryGlyph) {
  KerningReach reach;
  AddPairLookupReach(Gpos(2, kPairList), 1, reach);
  EXPECT_TRUE(reach.firsts.Every());
  EXPECT_TRUE(reach.seconds.Every());
}

// Any prefix of a table either reads as the whole table does or gives every glyph: a short table never loses a glyph.
TEST(KerningReach, EveryPrefixOfATableReachesAtLeastTheWholeTablesGlyphs) {
  for (const Bytes& table : {Gpos(2, kPairList), Gpos(2, ClassPairs({0, -10, 0}, {0, 0, 4}))}) {
    KerningReach whole;
    AddPairLookupReach(table, 0, whole);
    for (std::size_t keep = 0; keep < table.size(); ++keep) {
      KerningReach part;
      AddPairLookupReach(Cut(table, keep), 0, part);
      for (std::uint32_t glyph = 0; glyph <= kBiggestGlyph; ++glyph) {
        EXPECT_TRUE(!whole.firsts.Has(glyph) || part.firsts.Has(glyph)) << keep << " " << glyph;
        EXPECT_TRUE(!whole.seconds.Has(glyph) || part.seconds.Has(glyph)) << keep << " " << glyph;
      }
    }
  }
}

}  // namespace
}  // namespace vantor::platform
