#include "PackChecks.h"

#include "engine/GlyphPacker.h"

#include <gtest/gtest.h>

#include <cctype>
#include <climits>
#include <cstdint>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace vantor {
namespace {

using testing_support::BrokenPromise;

// Box sizes drawn from a fixed seed: widths and heights in 0..maxSide, about one in
// `emptyOneIn` of them zero wide or zero high.
std::vector<BoxSize> RandomBoxes(std::uint32_t seed, int count, int maxWidth, int maxHeight, int emptyOneIn) {
  std::mt19937 random(seed);
  std::vector<BoxSize> boxes;
  for (int i = 0; i < count; ++i) {
    BoxSize box{1 + static_cast<int>(random() % static_cast<std::uint32_t>(maxWidth)),
                1 + static_cast<int>(random() % static_cast<std::uint32_t>(maxHeight))};
    if (random() % static_cast<std::uint32_t>(emptyOneIn) == 0) (random() % 2 ? box.width : box.height) = 0;
    boxes.push_back(box);
  }
  return boxes;
}

struct PageCase {
  int maxWidth;
  int maxHeight;
};
struct BoxCase {
  int count;
  int maxWidth;  // box sides drawn in 1..max
  int maxHeight;
};

constexpr PageCase kPages[] = {{64, 64}, {256, 128}, {128, 512}, {100, 70}, {1000, 1000}, {4096, 4096}};
constexpr BoxCase kBoxes[] = {{1, 40, 40}, {60, 12, 16}, {300, 24, 30}, {200, 60, 8}, {150, 6, 64}};

TEST(GlyphPacker, RandomBoxesKeepEveryPromiseForEveryPageSpacingAndRounding) {
  std::uint32_t seed = 1;
  for (const PageCase page : kPages) {
    for (const BoxCase box : kBoxes) {
      for (int spacing = 0; spacing <= 4; ++spacing) {
        for (const bool powerOfTwo : {true, false}) {
          const PackRules rules{page.maxWidth, page.maxHeight, spacing, 4 - spacing, powerOfTwo};
          const std::vector<BoxSize> sizes = RandomBoxes(++seed, box.count, std::min(box.maxWidth, page.maxWidth),
                                                         std::min(box.maxHeight, page.maxHeight), 9);
          const PackedPages packed = PackBoxes(sizes, rules);
          ASSERT_EQ(BrokenPromise(sizes, rules, packed), "")
              << page.maxWidth << "x" << page.maxHeight << " spacing " << spacing << " powerOfTwo " << powerOfTwo
              << " seed " << seed;
          ASSERT_EQ(PackBoxes(std::vector<BoxSize>(sizes), rules), packed) << "seed " << seed;
        }
      }
    }
  }
}

struct GridCase {
  int side;     // every box side × side
  int spacing;  // both ways
  int page;     // largest page, square
  int count;
  std::size_t pages;
  TextureSize last;  // size of the last page
};

void PrintTo(const GridCase& c, std::ostream* out) {
  *out << c.count << " squares of " << c.side << " spaced " << c.spacing << " on " << c.page;
}

// Equal squares fill rows and pages without a gap; the count of pages is known.
class GlyphPackerGrid : public testing::TestWithParam<GridCase> {};

TEST_P(GlyphPackerGrid, EqualSquaresTakeNoMorePagesThanTheyFill) {
  const GridCase c = GetParam();
  const PackRules rules{c.page, c.page, c.spacing, c.spacing, true};
  const std::vector<BoxSize> sizes(static_cast<std::size_t>(c.count), BoxSize{c.side, c.side});
  const PackedPages packed = PackBoxes(sizes, rules);
  ASSERT_EQ(BrokenPromise(sizes, rules, packed), "");
  ASSERT_EQ(packed.pages.size(), c.pages);
  EXPECT_EQ(packed.pages.back(), c.last);
}

INSTANTIATE_TEST_SUITE_P(
    Squares, GlyphPackerGrid,
    testing::Values(GridCase{16, 0, 64, 16, 1, {64, 64}},       // 4 × 4 fill the page
                    GridCase{16, 0, 64, 17, 2, {16, 16}},       // one more starts a page
                    GridCase{15, 1, 64, 16, 1, {64, 64}},       // 4 × 15 + 3 gaps = 63
                    GridCase{16, 1, 64, 16, 2, {64, 64}},       // rows of 3 now: 9 + 7
                    GridCase{10, 2, 256, 420, 1, {256, 256}},   // 21 × 20 rows
                    GridCase{32, 0, 256, 200, 4, {64, 128}},    // 64 a page; 8 on the last, 2 × 4
                    GridCase{64, 0, 4096, 1, 1, {64, 64}}));   // small first: not the largest page

struct RefusalCase {
  const char* what;
  PackRules rules;
  std::vector<BoxSize> sizes;
  std::optional<std::size_t> refused;
};

void PrintTo(const RefusalCase& c, std::ostream* out) { *out << c.what; }

class GlyphPackerRefusal : public testing::TestWithParam<RefusalCase> {};

TEST_P(GlyphPackerRefusal, NamesTheFirstBoxNoPageHoldsAndPlacesNothing) {
  const RefusalCase& c = GetParam();
  const PackedPages packed = PackBoxes(c.sizes, c.rules);
  EXPECT_EQ(packed.refused, c.refused);
  if (c.refused) {
    EXPECT_TRUE(packed.boxes.empty());
    EXPECT_TRUE(packed.pages.empty());
  } else {
    EXPECT_EQ(BrokenPromise(c.sizes, c.rules, packed), "");
  }
}

const PackRules k64{64, 64, 1, 1, true};
const PackRules k1000Cropped{1000, 700, 1, 1, false};

INSTANTIATE_TEST_SUITE_P(
    Boxes, GlyphPackerRefusal,
    testing::Values(
        RefusalCase{"exactly the page", k64, {{3, 3}, {64, 64}}, std::nullopt},
        RefusalCase{"one wider", k64, {{3, 3}, {65, 1}, {99, 99}}, 1},
        RefusalCase{"one taller", k64, {{1, 65}}, 0},
        RefusalCase{"negative width", k64, {{3, 3}, {3, 3}, {-1, 5}}, 2},
        RefusalCase{"negative height, zero width", k64, {{0, INT_MIN}}, 0},
        RefusalCase{"huge", k64, {{INT_MAX, INT_MAX}}, 0},
        RefusalCase{"power of two rounds the largest page down", {1000, 1000, 0, 0, true}, {{600, 10}}, 0},
        RefusalCase{"cropped pages keep the largest page", k1000Cropped, {{1000, 700}, {600, 10}}, std::nullopt},
        RefusalCase{"no page at all", {0, -5, 1, 1, true}, {{0, 0}, {1, 1}}, 1},
        RefusalCase{"only empty boxes on no page", {-3, 0, 1, 1, true}, {{0, 0}, {0, 9}}, std::nullopt},
        RefusalCase{"huge pages and spacing", {INT_MAX, INT_MAX, INT_MAX, INT_MIN, true},
                    {{INT_MAX, 1}, {1 << 30, 1 << 30}}, 0},
        RefusalCase{"huge sides within huge pages", {INT_MAX, INT_MAX, INT_MAX, INT_MAX, false},
                    {{1 << 30, 1 << 30}, {1 << 30, 1}, {1, 1 << 30}}, std::nullopt}),
    [](const testing::TestParamInfo<RefusalCase>& info) {
      std::string name = info.param.what;
      for (char& c : name) c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
      return name;
    });

TEST(GlyphPacker, EmptyBoxesTakeNoRoom) {
  const std::vector<BoxSize> onlyEmpty{{0, 0}, {0, 12}, {7, 0}};
  const PackedPages empty = PackBoxes(onlyEmpty, PackRules{});
  EXPECT_EQ(empty.boxes, std::vector<PackedBox>(3));
  EXPECT_EQ(empty.pages, std::vector<TextureSize>{(TextureSize{1, 1})});

  // Among others they change nothing: the page is that of the others alone.
  const PackedPages mixed = PackBoxes({{0, 5}, {20, 20}, {0, 0}, {20, 20}}, PackRules{});
  EXPECT_EQ(mixed.pages, std::vector<TextureSize>{(TextureSize{32, 64})});  // one above the other
  EXPECT_EQ(mixed.boxes[0], PackedBox{});
  EXPECT_EQ(mixed.boxes[2], PackedBox{});

  EXPECT_EQ(PackBoxes({}, PackRules{}), PackedPages{});
}

}  // namespace
}  // namespace vantor
