// Boxes are packed with a skyline packer (bottom-left, least waste under the
// box breaking ties), tallest boxes first. The skyline is the top edge of what
// a page holds, kept as runs of one height; each box goes where its top lies
// lowest. It was measured against a textbook MaxRects with best-short-side-fit
// on the 5,918 ink boxes of DejaVu Sans at 32 px (spacing 1, bench/packer_bench):
// both need one 2048 × 2048 page, but the skyline takes about 0.5 ms and MaxRects
// about 12 s, its free rectangles pruned pair by pair after every box. Glyph
// boxes are small beside the page, so the skyline wastes little (the boxes and
// their spacing fill 99% of the 2048 × 1071 it uses), and each box costs a walk
// over the runs across the page, not over every free rectangle left.
//
// A page is found by trying page sizes from small to large (by area, the
// squarer shape first) until one holds every box left; when even the largest
// cannot, the largest page takes what fits and the rest go on to the next page.
// Spacing is kept by packing every box grown by the spacing on a page grown by
// as much, so boxes keep apart and the page edges need no gap.
#include "engine/GlyphPacker.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace vantor {

namespace {

constexpr int kMaxSide = 1 << 30;
constexpr int kMaxSpacing = 64;

// The rules with every value in range; with powerOfTwo the largest page's sides are powers of two.
struct Limits {
  int width = 0;
  int height = 0;
  int spacingX = 0;
  int spacingY = 0;
  bool powerOfTwo = true;
};

int FloorPowerOfTwo(int value) {
  int power = 1;
  while (power <= value / 2) power *= 2;
  return power;
}

// The smallest power of two of at least `value`, which is at most 2^30.
int CeilPowerOfTwo(int value) {
  int power = 1;
  while (power < value) power *= 2;
  return power;
}

Limits Clamp(const PackRules& rules) {
  Limits limits{std::clamp(rules.maxWidth, 0, kMaxSide), std::clamp(rules.maxHeight, 0, kMaxSide),
                std::clamp(rules.spacingX, 0, kMaxSpacing), std::clamp(rules.spacingY, 0, kMaxSpacing),
                rules.powerOfTwo};
  if (limits.powerOfTwo) {
    if (limits.width > 0) limits.width = FloorPowerOfTwo(limits.width);
    if (limits.height > 0) limits.height = FloorPowerOfTwo(limits.height);
  }
  return limits;
}

bool TakesNoRoom(const BoxSize& size) { return size.width == 0 || size.height == 0; }

// One stretch of the skyline: from x, `width` wide, everything below y taken.
struct Run {
  int x = 0;
  int y = 0;
  int width = 0;
};

// A page being filled, its sides grown by the spacing, and the top edge of what it holds.
struct Skyline {
  int width = 0;
  int height = 0;
  std::vector<Run> runs;
};

// Where a box can go: its corner, and the first run it stands on.
struct Spot {
  int x = 0;
  int y = 0;
  std::size_t firstRun = 0;
};

// The spot for a box of `width` × `height` whose top lies lowest, then the one
// leaving the least area under it, then the leftmost; none when it fits nowhere.
std::optional<Spot> FindSpot(const Skyline& sky, int width, int height) {
  std::optional<Spot> best;
  std::int64_t bestWaste = 0;
  const std::vector<Run>& runs = sky.runs;
  for (std::size_t first = 0; first < runs.size(); ++first) {
    const int x = runs[first].x;
    if (width > sky.width - x) break;
    const int right = x + width;
    int y = 0;
    std::size_t end = first;
    for (; end < runs.size() && runs[end].x < right; ++end) y = std::max(y, runs[end].y);
    if (height > sky.height - y) continue;
    if (best && y > best->y) continue;
    std::int64_t waste = 0;
    for (std::size_t k = first; k < end; ++k) {
      const int covered = std::min(right, runs[k].x + runs[k].width) - runs[k].x;
      waste += static_cast<std::int64_t>(y - runs[k].y) * covered;
    }
    if (!best || y < best->y || waste < bestWaste) {
      best = Spot{x, y, first};
      bestWaste = waste;
    }
  }
  return best;
}

// Raises the skyline over a box of `width` × `height` put at `spot`.
void Place(Skyline& sky, const Spot& spot, int width, int height) {
  std::vector<Run>& runs = sky.runs;
  const int right = spot.x + width;
  std::size_t end = spot.firstRun;
  while (end < runs.size() && runs[end].x + runs[end].width <= right) ++end;
  if (end < runs.size() && runs[end].x < right) {
    runs[end].width -= right - runs[end].x;
    runs[end].x = right;
  }
  const auto first = runs.begin() + static_cast<std::ptrdiff_t>(spot.firstRun);
  const auto placed = runs.insert(runs.erase(first, runs.begin() + static_cast<std::ptrdiff_t>(end)),
                                  Run{spot.x, spot.y + height, width});
  if (placed + 1 != runs.end() && (placed + 1)->y == placed->y) {
    placed->width += (placed + 1)->width;
    runs.erase(placed + 1);
  }
  if (placed != runs.begin() && (placed - 1)->y == placed->y) {
    (placed - 1)->width += placed->width;
    runs.erase(placed);
  }
}

// One box put on a page being filled.
struct Placement {
  std::size_t index = 0;
  int x = 0;
  int y = 0;
};

// Fills a page of `width` × `height` with the boxes of `order`, in that order, and
// returns where they went. With `allOrNothing` it gives up at the first box that
// does not fit (and returns nothing); else such boxes are left over in `left`.
std::vector<Placement> FillPage(const std::vector<BoxSize>& sizes, const std::vector<std::size_t>& order,
                                const Limits& limits, int width, int height, bool allOrNothing,
                                std::vector<std::size_t>& left) {
  Skyline sky{width + limits.spacingX, height + limits.spacingY, {}};
  sky.runs.push_back({0, 0, sky.width});
  std::vector<Placement> placed;
  placed.reserve(order.size());
  // Boxes come tallest first: a box no narrower than one that missed cannot fit either.
  int narrowestMiss = kMaxSide + kMaxSpacing + 1;
  for (const std::size_t index : order) {
    const int boxWidth = sizes[index].width + limits.spacingX;
    const int boxHeight = sizes[index].height + limits.spacingY;
    const std::optional<Spot> spot =
        boxWidth >= narrowestMiss ? std::nullopt : FindSpot(sky, boxWidth, boxHeight);
    if (!spot) {
      if (allOrNothing) return {};
      narrowestMiss = std::min(narrowestMiss, boxWidth);
      left.push_back(index);
      continue;
    }
    Place(sky, *spot, boxWidth, boxHeight);
    placed.push_back({index, spot->x, spot->y});
  }
  return placed;
}

// Page sides to try: the powers of two below the largest side, and the largest side.
std::vector<int> Sides(int largest) {
  std::vector<int> sides;
  for (int side = 1; side < largest; side *= 2) sides.push_back(side);
  sides.push_back(largest);
  return sides;
}

struct PageShape {
  int width = 0;
  int height = 0;
};

// True when `a` is tried before `b`: smaller area, then squarer, then narrower.
bool TriedBefore(const PageShape& a, const PageShape& b) {
  const std::int64_t areaA = std::int64_t{a.width} * a.height;
  const std::int64_t areaB = std::int64_t{b.width} * b.height;
  if (areaA != areaB) return areaA < areaB;
  // Squarer: the long side over the short side is smaller, compared without division.
  const std::int64_t stretchA = std::int64_t{std::max(a.width, a.height)} * std::min(b.width, b.height);
  const std::int64_t stretchB = std::int64_t{std::max(b.width, b.height)} * std::min(a.width, a.height);
  if (stretchA != stretchB) return stretchA < stretchB;
  return a.width < b.width;
}

// The page shapes smaller than the largest that might hold every box of `order`,
// in the order to try them: each is as wide and as high as the largest box and
// holds at least the boxes' area (spacing included).
std::vector<PageShape> ShapesToTry(const std::vector<BoxSize>& sizes, const std::vector<std::size_t>& order,
                                   const Limits& limits) {
  int widest = 0;
  int tallest = 0;
  std::int64_t area = 0;
  const std::int64_t largestArea =
      std::int64_t{limits.width + limits.spacingX} * (limits.height + limits.spacingY);
  for (const std::size_t index : order) {
    widest = std::max(widest, sizes[index].width);
    tallest = std::max(tallest, sizes[index].height);
    // Stops adding past the largest page's area, which no smaller page holds; no overflow.
    if (area <= largestArea) {
      area += std::int64_t{sizes[index].width + limits.spacingX} * (sizes[index].height + limits.spacingY);
    }
  }
  std::vector<PageShape> shapes;
  for (const int width : Sides(limits.width)) {
    for (const int height : Sides(limits.height)) {
      if (width == limits.width && height == limits.height) continue;
      if (width < widest || height < tallest) continue;
      if (std::int64_t{width + limits.spacingX} * (height + limits.spacingY) < area) continue;
      shapes.push_back({width, height});
    }
  }
  std::sort(shapes.begin(), shapes.end(), TriedBefore);
  return shapes;
}

// The first box with a negative side or too large for the largest page.
std::optional<std::size_t> FirstRefused(const std::vector<BoxSize>& sizes, const Limits& limits) {
  for (std::size_t i = 0; i < sizes.size(); ++i) {
    const BoxSize& size = sizes[i];
    if (size.width < 0 || size.height < 0) return i;
    if (TakesNoRoom(size)) continue;
    if (size.width > limits.width || size.height > limits.height) return i;
  }
  return std::nullopt;
}

}  // namespace

PackedPages PackBoxes(const std::vector<BoxSize>& sizes, const PackRules& rules) {
  const Limits limits = Clamp(rules);
  PackedPages packed;
  packed.refused = FirstRefused(sizes, limits);
  if (packed.refused || sizes.empty()) return packed;
  packed.boxes.resize(sizes.size());

  // Tallest first, then widest, then in input order: the same order on every run.
  std::vector<std::size_t> order;
  for (std::size_t i = 0; i < sizes.size(); ++i) {
    if (!TakesNoRoom(sizes[i])) order.push_back(i);
  }
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    if (sizes[a].height != sizes[b].height) return sizes[a].height > sizes[b].height;
    return sizes[a].width > sizes[b].width;
  });

  if (order.empty()) packed.pages.push_back({1, 1});
  while (!order.empty()) {
    std::vector<std::size_t> left;
    std::vector<Placement> placed;
    for (const PageShape& shape : ShapesToTry(sizes, order, limits)) {
      placed = FillPage(sizes, order, limits, shape.width, shape.height, true, left);
      if (!placed.empty()) break;
    }
    if (placed.empty()) placed = FillPage(sizes, order, limits, limits.width, limits.height, false, left);

    const int page = static_cast<int>(packed.pages.size());
    TextureSize used{1, 1};
    for (const Placement& box : placed) {
      packed.boxes[box.index] = {page, box.x, box.y};
      used.width = std::max(used.width, box.x + sizes[box.index].width);
      used.height = std::max(used.height, box.y + sizes[box.index].height);
    }
    if (limits.powerOfTwo) used = {CeilPowerOfTwo(used.width), CeilPowerOfTwo(used.height)};
    packed.pages.push_back(used);
    order = std::move(left);
  }
  return packed;
}

}  // namespace vantor
