#include "platform/CellSize.h"

#include <gtest/gtest.h>

#include <ostream>

namespace vantor::platform {
namespace {

// DejaVu Sans: 2048 units a em, usWinAscent 1901, usWinDescent 483.
constexpr FaceMetrics kDejaVu{2048, 1901, 483, 1038};

struct CellCase {
  std::int64_t requested;
  int ppem;
  int cellHeight;
};

void PrintTo(const CellCase& c, std::ostream* out) { *out << "height " << c.requested; }


class CellSizeTest : public testing::TestWithParam<CellCase> {};

TEST_P(CellSizeTest, SizesTheCell) {
  const CellCase& c = GetParam();
  const auto size = ComputeCellSize(kDejaVu, c.requested);
  ASSERT_TRUE(size.has_value());
  EXPECT_EQ(size->ppem, c.ppem);
  EXPECT_EQ(size->Height(), c.cellHeight);
}

INSTANTIATE_TEST_SUITE_P(Heights, CellSizeTest,
                         testing::Values(
                             // A positive height is the cell: the em is scaled down by the cell's share.
                             CellCase{32, 27, 31}, CellCase{16, 14, 16}, CellCase{511, 439, 511},
                             CellCase{1, 1, 1},
                             // A negative height is the em itself.
                             CellCase{-32, 32, 38}, CellCase{-1, 1, 1},
                             // Zero counts as a cell of 16.
                             CellCase{0, 14, 16}));

TEST(CellSize, NeverExceedsTheRequestedCell) {
  for (int height = 1; height <= 600; ++height) {
    const auto size = ComputeCellSize(kDejaVu, height);
    ASSERT_TRUE(size.has_value()) << height;
    EXPECT_LE(size->Height(), height) << height;
  }
}

TEST(CellSize, RefusesCellsAbove4096AndBrokenFaces) {
  EXPECT_TRUE(ComputeCellSize(kDejaVu, 4096).has_value());
  EXPECT_FALSE(ComputeCellSize(kDejaVu, -4096).has_value());  // em 4096 makes a taller cell
  EXPECT_FALSE(ComputeCellSize(kDejaVu, INT32_MIN).has_value());
  EXPECT_TRUE(ComputeCellSize(kDejaVu, INT32_MAX) == std::nullopt);
  EXPECT_FALSE(ComputeCellSize(FaceMetrics{0, 0, 0, 0}, 32).has_value());
}

TEST(CellSize, FaceWithoutCellMetricsUsesTheEm) {
  const auto size = ComputeCellSize(FaceMetrics{1000, 0, 0, 0}, 20);
  ASSERT_TRUE(size.has_value());
  EXPECT_EQ(size->ppem, 20);
}

}  // namespace
}  // namespace vantor::platform
