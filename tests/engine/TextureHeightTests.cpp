#include "engine/TextureHeight.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

TEST(TextureHeight, IsTheSmallestPowerOfTwoOfAtLeastTwo) {
  const std::pair<std::int64_t, std::int64_t> cases[] = {
      {-1000, 2}, {0, 2}, {1, 2}, {2, 2}, {3, 4}, {32, 32}, {33, 64}, {144, 256}, {4096, 4096},
      {std::int64_t{1} << 30, std::int64_t{1} << 30}};
  for (const auto& [need, height] : cases) EXPECT_EQ(TextureHeight(need), height) << need;
}

TEST(TextureHeight, NeedsBeyondTwoToTheThirtyGetNoImage) {
  EXPECT_EQ(TextureHeight((std::int64_t{1} << 30) + 1), 0);
  EXPECT_EQ(TextureHeight(std::int64_t{1} << 40), 0);
}

}  // namespace
}  // namespace vantor
