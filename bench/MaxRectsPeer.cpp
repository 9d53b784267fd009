#include "MaxRectsPeer.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace vantor::bench {

namespace {

struct Rect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

bool Contains(const Rect& outer, const Rect& inner) {
  return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.width <= outer.x + outer.width &&
         inner.y + inner.height <= outer.y + outer.height;
}

// Cuts `used` out of `free`, adding the up to four maximal rectangles left; false when they miss.
bool Split(const Rect& free, const Rect& used, std::vector<Rect>& out) {
  if (used.x >= free.x + free.width || used.x + used.width <= free.x || used.y >= free.y + free.height ||
      used.y + used.height <= free.y) {
    return false;
  }
  if (used.x > free.x) out.push_back({free.x, free.y, used.x - free.x, free.height});
  if (used.x + used.width < free.x + free.width) {
    out.push_back({used.x + used.width, free.y, free.x + free.width - used.x - used.width, free.height});
  }
  if (used.y > free.y) out.push_back({free.x, free.y, free.width, used.y - free.y});
  if (used.y + used.height < free.y + free.height) {
    out.push_back({free.x, used.y + used.height, free.width, free.y + free.height - used.y - used.height});
  }
  return true;
}

// Packs every box of `order` in a bin of `binWidth` × `binHeight`; the used extent, or none.
std::optional<TextureSize> PackAll(const std::vector<BoxSize>& boxes, int binWidth, int binHeight) {
  std::vector<Rect> freeRects{{0, 0, binWidth, binHeight}};
  TextureSize used{1, 1};
  for (const BoxSize& box : boxes) {
    // Best short side fit: the free rectangle leaving the least on its shorter leftover side.
    int bestShort = std::numeric_limits<int>::max();
    int bestLong = std::numeric_limits<int>::max();
    const Rect* best = nullptr;
    for (const Rect& free : freeRects) {
      if (box.width > free.width || box.height > free.height) continue;
      const int leftX = free.width - box.width;
      const int leftY = free.height - box.height;
      const int shortSide = std::min(leftX, leftY);
      const int longSide = std::max(leftX, leftY);
      if (shortSide < bestShort || (shortSide == bestShort && longSide < bestLong)) {
        best = &free;
        bestShort = shortSide;
        bestLong = longSide;
      }
    }
    if (best == nullptr) return std::nullopt;
    const Rect placed{best->x, best->y, box.width, box.height};
    used.width = std::max(used.width, placed.x + placed.width);
    used.height = std::max(used.height, placed.y + placed.height);

    std::vector<Rect> next;
    next.reserve(freeRects.size() + 4);
    for (const Rect& free : freeRects) {
      if (!Split(free, placed, next)) next.push_back(free);
    }
    // Prune: drop every free rectangle another contains (the textbook all-pairs pass).
    std::vector<bool> dropped(next.size(), false);
    for (std::size_t i = 0; i < next.size(); ++i) {
      if (dropped[i]) continue;
      for (std::size_t j = i + 1; j < next.size(); ++j) {
        if (dropped[j]) continue;
        if (Contains(next[i], next[j])) {
          dropped[j] = true;
        } else if (Contains(next[j], next[i])) {
          dropped[i] = true;
          break;
        }
      }
    }
    freeRects.clear();
    for (std::size_t i = 0; i < next.size(); ++i) {
      if (!dropped[i]) freeRects.push_back(next[i]);
    }
  }
  return used;
}

int CeilPowerOfTwo(int value) {
  int power = 1;
  while (power < value) power *= 2;
  return power;
}

}  // namespace

std::optional<TextureSize> PackOnePageMaxRects(const std::vector<BoxSize>& sizes, const PackRules& rules) {
  // Boxes grown by the spacing on bins grown by as much, tallest first, as PackBoxes does.
  std::vector<BoxSize> boxes;
  std::int64_t area = 0;
  for (const BoxSize& size : sizes) {
    if (size.width <= 0 || size.height <= 0) continue;
    boxes.push_back({size.width + rules.spacingX, size.height + rules.spacingY});
    area += std::int64_t{boxes.back().width} * boxes.back().height;
  }
  std::stable_sort(boxes.begin(), boxes.end(), [](const BoxSize& a, const BoxSize& b) {
    return a.height != b.height ? a.height > b.height : a.width > b.width;
  });
  std::vector<TextureSize> shapes;
  for (int width = 1; width <= rules.maxWidth; width *= 2) {
    for (int height = 1; height <= rules.maxHeight; height *= 2) {
      if (std::int64_t{width + rules.spacingX} * (height + rules.spacingY) >= area) shapes.push_back({width, height});
    }
  }
  std::stable_sort(shapes.begin(), shapes.end(), [](const TextureSize& a, const TextureSize& b) {
    const std::int64_t areaA = std::int64_t{a.width} * a.height;
    const std::int64_t areaB = std::int64_t{b.width} * b.height;
    if (areaA != areaB) return areaA < areaB;
    return std::abs(a.width - a.height) < std::abs(b.width - b.height) ||
           (std::abs(a.width - a.height) == std::abs(b.width - b.height) && a.width < b.width);
  });
  for (const TextureSize& shape : shapes) {
    const std::optional<TextureSize> used = PackAll(boxes, shape.width + rules.spacingX, shape.height + rules.spacingY);
    if (used) return TextureSize{CeilPowerOfTwo(used->width - rules.spacingX), CeilPowerOfTwo(used->height - rules.spacingY)};
  }
  return std::nullopt;
}

}  // namespace vantor::bench
