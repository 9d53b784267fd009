#pragma once

#include "engine/GlyphPacker.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

namespace vantor::testing_support {

/// The largest page side `rules` allow: clamped to 0..2^30, and rounded down to a power of two with powerOfTwo.
inline int LargestSide(int side, bool powerOfTwo) {
  side = std::clamp(side, 0, 1 << 30);
  if (!powerOfTwo || side == 0) return side;
  int power = 1;
  while (power <= side / 2) power *= 2;
  return power;
}

/// The first broken promise of `packed` for `sizes` packed by `rules`; empty when it keeps them all:
/// one place per box, every box inside its page, boxes apart by at least the spacing, empty
/// boxes at (0, 0) of page 0, no empty page, every page within the largest and as small as it can be.
inline std::string BrokenPromise(const std::vector<BoxSize>& sizes, const PackRules& rules, const PackedPages& packed) {
  std::ostringstream out;
  if (packed.refused) return "refused box " + std::to_string(*packed.refused);
  if (packed.boxes.size() != sizes.size()) return "one place per box";
  if (sizes.empty() != packed.pages.empty()) return "pages exactly when there are boxes";
  const int gapX = std::clamp(rules.spacingX, 0, 64);
  const int gapY = std::clamp(rules.spacingY, 0, 64);
  std::vector<std::vector<std::size_t>> onPage(packed.pages.size());
  for (std::size_t i = 0; i < sizes.size(); ++i) {
    const PackedBox& at = packed.boxes[i];
    if (sizes[i].width == 0 || sizes[i].height == 0) {
      if (!(at == PackedBox{})) out << "empty box " << i << " away from (0, 0) of page 0";
    } else if (at.page < 0 || static_cast<std::size_t>(at.page) >= packed.pages.size()) {
      out << "box " << i << " on missing page " << at.page;
    } else if (const TextureSize page = packed.pages[static_cast<std::size_t>(at.page)];
               at.x < 0 || at.y < 0 || at.x > page.width - sizes[i].width || at.y > page.height - sizes[i].height) {
      out << "box " << i << " at " << at.x << "," << at.y << " outside page " << page.width << "x" << page.height;
    } else {
      onPage[static_cast<std::size_t>(at.page)].push_back(i);
    }
    if (!out.str().empty()) return out.str();
  }
  for (std::size_t p = 0; p < onPage.size(); ++p) {
    const std::vector<std::size_t>& boxes = onPage[p];
    const TextureSize page = packed.pages[p];
    if (boxes.empty()) {
      // Only a lone 1 × 1 page for boxes that all take no room.
      if (page == TextureSize{1, 1} && packed.pages.size() == 1) continue;
      return "page " + std::to_string(p) + " holds nothing";
    }
    for (std::size_t a = 0; a < boxes.size(); ++a) {
      const PackedBox& u = packed.boxes[boxes[a]];
      const BoxSize& su = sizes[boxes[a]];
      for (std::size_t b = a + 1; b < boxes.size(); ++b) {
        const PackedBox& v = packed.boxes[boxes[b]];
        const BoxSize& sv = sizes[boxes[b]];
        const bool apart = std::int64_t{u.x} + su.width + gapX <= v.x || std::int64_t{v.x} + sv.width + gapX <= u.x ||
                           std::int64_t{u.y} + su.height + gapY <= v.y || std::int64_t{v.y} + sv.height + gapY <= u.y;
        if (!apart) {
          out << "boxes " << boxes[a] << " and " << boxes[b] << " closer than the spacing on page " << p;
          return out.str();
        }
      }
    }
    int usedWidth = 1;
    int usedHeight = 1;
    for (const std::size_t i : boxes) {
      usedWidth = std::max(usedWidth, packed.boxes[i].x + sizes[i].width);
      usedHeight = std::max(usedHeight, packed.boxes[i].y + sizes[i].height);
    }
    const bool largeOk = page.width <= LargestSide(rules.maxWidth, rules.powerOfTwo) &&
                         page.height <= LargestSide(rules.maxHeight, rules.powerOfTwo);
    // A power-of-two side is minimal when the used extent passes its half.
    const auto minimal = [&](int side, int used) {
      return rules.powerOfTwo ? (side & (side - 1)) == 0 && used <= side && (side == 1 || used > side / 2)
                              : side == used;
    };
    if (!largeOk || !minimal(page.width, usedWidth) || !minimal(page.height, usedHeight)) {
      out << "page " << p << " is " << page.width << "x" << page.height << " for a used " << usedWidth << "x"
          << usedHeight;
      return out.str();
    }
  }
  return {};
}

}  // namespace vantor::testing_support
