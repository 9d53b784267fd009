#include "platform/KerningReach.h"

#include "platform/HarfBuzzHandles.h"

#include <hb-aat.h>
#include <hb-ot.h>
#include <hb.h>

#include <algorithm>
#include <bit>

namespace vantor::platform {

void GlyphSet::Add(std::uint32_t glyph) {
  if (glyph >= has_.size()) has_.resize(glyph + 1, false);
  has_[glyph] = true;
}

bool GlyphSet::Empty() const { return !every_ && std::find(has_.begin(), has_.end(), true) == has_.end(); }

namespace {

// Big-endian reads that never leave the table; a read past its end gives 0 and
// marks the table short, so the caller can fall back to every glyph.
class TableReader {
 public:
  explicit TableReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  std::uint32_t U16(std::size_t at) {
    if (at > bytes_.size() || bytes_.size() - at < 2) return Short();
    return static_cast<std::uint32_t>(bytes_[at] << 8 | bytes_[at + 1]);
  }
  std::uint32_t U32(std::size_t at) { return U16(at) << 16 | U16(at + 2); }
  // True when any of the `count` bytes from `at` is not zero.
  bool AnyNonZero(std::size_t at, std::size_t count) {
    if (at > bytes_.size() || bytes_.size() - at < count) return Short() != 0;
    return std::any_of(bytes_.begin() + static_cast<std::ptrdiff_t>(at),
                       bytes_.begin() + static_cast<std::ptrdiff_t>(at + count), [](std::uint8_t b) { return b != 0; });
  }
  bool IsShort() const { return short_; }

 private:
  std::uint32_t Short() {
    short_ = true;
    return 0;
  }

  std::span<const std::uint8_t> bytes_;
  bool short_ = false;
};

void AddEvery(KerningReach& reach) {
  reach.firsts.AddEvery();
  reach.seconds.AddEvery();
}

// Calls add(glyph) for each glyph of the coverage table at `at`; false for a format it does not know.
template <typename Add>
bool ForEachCovered(TableReader& table, std::size_t at, Add add) {
  const std::uint32_t format = table.U16(at);
  const std::uint32_t count = table.U16(at + 2);
  for (std::uint32_t i = 0; i < count && !table.IsShort(); ++i) {
    if (format == 1) {
      add(table.U16(at + 4 + 2 * i));
    } else if (format == 2) {
      const std::size_t range = at + 4 + 6 * i;
      for (std::uint32_t glyph = table.U16(range), last = table.U16(range + 2); glyph <= last; ++glyph) add(glyph);
    } else {
      return false;
    }
  }
  return true;
}

// Calls add(glyph, class) for each glyph the class definition at `at` lists; false for a format it does not know.
template <typename Add>
bool ForEachClassed(TableReader& table, std::size_t at, Add add) {
  const std::uint32_t format = table.U16(at);
  if (format == 1) {
    const std::uint32_t start = table.U16(at + 2);
    const std::uint32_t count = table.U16(at + 4);
    for (std::uint32_t i = 0; i < count && !table.IsShort(); ++i) add(start + i, table.U16(at + 6 + 2 * i));
    return true;
  }
  if (format != 2) return false;
  const std::uint32_t count = table.U16(at + 2);
  for (std::uint32_t i = 0; i < count && !table.IsShort(); ++i) {
    const std::size_t range = at + 4 + 6 * i;
    const std::uint32_t glyphClass = table.U16(range + 4);
    for (std::uint32_t glyph = table.U16(range), last = table.U16(range + 2); glyph <= last; ++glyph) add(glyph, glyphClass);
  }
  return true;
}

// One pair positioning subtable at `at`: its coverage holds the firsts; the seconds are
// the glyphs its pair sets name (format 1), or the glyphs of the second classes any
// pair moves (format 2), where class 0 stands for every glyph the class table leaves out.
bool AddPairSubtable(TableReader& table, std::size_t at, KerningReach& reach) {
  const std::uint32_t format = table.U16(at);
  const std::uint32_t secondFormat = table.U16(at + 6);
  reach.movesSeconds = reach.movesSeconds || secondFormat != 0;
  const std::size_t recordBytes = 2 * (std::popcount(table.U16(at + 4)) + std::popcount(secondFormat));
  if (!ForEachCovered(table, at + table.U16(at + 2), [&](std::uint32_t glyph) { reach.firsts.Add(glyph); })) return false;
  if (format == 1) {
    const std::uint32_t setCount = table.U16(at + 8);
    for (std::uint32_t i = 0; i < setCount && !table.IsShort(); ++i) {
      const std::size_t set = at + table.U16(at + 10 + 2 * i);
      const std::uint32_t pairCount = table.U16(set);
      for (std::uint32_t p = 0; p < pairCount && !table.IsShort(); ++p) reach.seconds.Add(table.U16(set + 2 + p * (2 + recordBytes)));
    }
    return true;
  }
  if (format != 2) return false;
  const std::uint32_t class1Count = table.U16(at + 12);
  const std::uint32_t class2Count = table.U16(at + 14);
  std::vector<bool> moves(class2Count, false);
  for (std::uint32_t c1 = 0; c1 < class1Count && !table.IsShort(); ++c1) {
    for (std::uint32_t c2 = 0; c2 < class2Count; ++c2) {
      if (table.AnyNonZero(at + 16 + (c1 * class2Count + c2) * recordBytes, recordBytes)) moves[c2] = true;
    }
  }
  if (class2Count > 0 && moves[0]) reach.seconds.AddEvery();
  return ForEachClassed(table, at + table.U16(at + 10), [&](std::uint32_t glyph, std::uint32_t glyphClass) {
    if (glyphClass < class2Count && moves[glyphClass]) reach.seconds.Add(glyph);
  });
}

bool AddPairLookup(TableReader& table, unsigned lookupIndex, KerningReach& reach) {
  constexpr std::uint32_t kPairPositioning = 2;
  constexpr std::uint32_t kExtension = 9;
  const std::size_t lookupList = table.U16(8);
  if (lookupIndex >= table.U16(lookupList)) return false;
  const std::size_t lookup = lookupList + table.U16(lookupList + 2 + 2 * lookupIndex);
  const std::uint32_t type = table.U16(lookup);
  reach.lookupFlags |= table.U16(lookup + 2);
  const std::uint32_t subtableCount = table.U16(lookup + 4);
  for (std::uint32_t i = 0; i < subtableCount && !table.IsShort(); ++i) {
    std::size_t subtable = lookup + table.U16(lookup + 6 + 2 * i);
    std::uint32_t subtableType = type;
    if (type == kExtension) {
      subtableType = table.U16(subtable + 2);
      subtable += table.U32(subtable + 4);
    }
    if (subtableType != kPairPositioning || !AddPairSubtable(table, subtable, reach)) return false;
  }
  return !table.IsShort();
}

// One format 0 subtable's pair list: `count` pairs of (left, right, value) from `at`.
void AddKernPairs(TableReader& table, std::size_t at, std::uint32_t count, KerningReach& reach) {
  for (std::uint32_t i = 0; i < count && !table.IsShort(); ++i) {
    reach.firsts.Add(table.U16(at + 6 * i));
    reach.seconds.Add(table.U16(at + 6 * i + 2));
  }
}

bool AddKernTable(TableReader& table, KerningReach& reach) {
  // The OpenType table starts with version 0 in 16 bits; the older Apple one with 1.0 in 32.
  const bool apple = table.U16(0) == 1;
  const std::uint32_t subtableCount = apple ? table.U32(4) : table.U16(2);
  std::size_t subtable = apple ? 8 : 4;
  for (std::uint32_t i = 0; i < subtableCount && !table.IsShort(); ++i) {
    const std::size_t length = apple ? table.U32(subtable) : table.U16(subtable + 2);
    const std::uint32_t coverage = table.U16(subtable + 4);
    const std::uint32_t format = apple ? coverage & 0xFF : coverage >> 8;
    if (format != 0) return false;
    const std::size_t pairs = subtable + (apple ? 8 : 6);
    const std::uint32_t pairCount = table.U16(pairs);
    AddKernPairs(table, pairs + 8, pairCount, reach);
    // A pair list longer than 16 bits can count overflows its subtable's length.
    subtable += std::max(length, pairs + 8 + 6 * std::size_t{pairCount} - subtable);
  }
  return !table.IsShort();
}

std::span<const std::uint8_t> BlobBytes(hb_blob_t* blob) {
  unsigned length = 0;
  const char* data = hb_blob_get_data(blob, &length);
  return {reinterpret_cast<const std::uint8_t*>(data), length};
}

}  // namespace

void AddPairLookupReach(std::span<const std::uint8_t> gpos, unsigned lookupIndex, KerningReach& reach) {
  TableReader table(gpos);
  if (!AddPairLookup(table, lookupIndex, reach)) AddEvery(reach);
}

void AddKernTableReach(std::span<const std::uint8_t> kern, KerningReach& reach) {
  TableReader table(kern);
  if (!AddKernTable(table, reach)) AddEvery(reach);
}

KerningReach FaceKerningReach(hb_face_t* face) {
  KerningReach reach;
  // Kerning from Apple's positioning tables is not read here: any glyph may be moved.
  if (hb_aat_layout_has_positioning(face)) {
    AddEvery(reach);
    return reach;
  }
  const hb_tag_t kernFeature[] = {HB_TAG('k', 'e', 'r', 'n'), HB_TAG_NONE};
  const HbSetPtr lookups(hb_set_create());
  hb_ot_layout_collect_lookups(face, HB_OT_TAG_GPOS, nullptr, nullptr, kernFeature, lookups.get());
  if (!hb_set_is_empty(lookups.get())) {
    const HbBlobPtr gpos(hb_face_reference_table(face, HB_OT_TAG_GPOS));
    for (hb_codepoint_t lookup = HB_SET_VALUE_INVALID; hb_set_next(lookups.get(), &lookup);) {
      AddPairLookupReach(BlobBytes(gpos.get()), lookup, reach);
    }
  }
  // The shaper reads the kern table for scripts whose GPOS has no kern feature.
  const HbBlobPtr kern(hb_face_reference_table(face, HB_TAG('k', 'e', 'r', 'n')));
  if (hb_blob_get_length(kern.get()) > 0) AddKernTableReach(BlobBytes(kern.get()), reach);
  return reach;
}

}  // namespace vantor::platform
