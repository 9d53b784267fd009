#include "platform/Kerning.h"

#include "platform/SizedFace.h"

#include <hb-ft.h>
#include <hb-ot.h>
#include <hb.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>

namespace vantor::platform {

namespace {

struct HbFaceDeleter {
  void operator()(hb_face_t* face) const { hb_face_destroy(face); }
};
struct HbFontDeleter {
  void operator()(hb_font_t* font) const { hb_font_destroy(font); }
};
struct HbBufferDeleter {
  void operator()(hb_buffer_t* buffer) const { hb_buffer_destroy(buffer); }
};
using HbFacePtr = std::unique_ptr<hb_face_t, HbFaceDeleter>;
using HbFontPtr = std::unique_ptr<hb_font_t, HbFontDeleter>;
using HbBufferPtr = std::unique_ptr<hb_buffer_t, HbBufferDeleter>;

// Kerning on or off; everything that could merge or swap characters off, so
// the shaped glyphs stand one for one with the characters.
std::vector<hb_feature_t> ShapingFeatures(bool kern) {
  std::vector<hb_feature_t> features;
  for (const char* text : {kern ? "kern" : "-kern", "-liga", "-clig", "-calt", "-dlig", "-rlig", "-ccmp", "-locl", "-rclt"}) {
    hb_feature_t feature{};
    if (hb_feature_from_string(text, -1, &feature)) features.push_back(feature);
  }
  return features;
}

// A walk over n characters that steps through every ordered pair (a, b), a == b
// included, exactly once: an Euler circuit of the complete graph with loops.
// Shaping it once measures every pair in one pass.
std::vector<std::uint32_t> EveryPairWalk(std::uint32_t n) {
  std::vector<std::uint32_t> next(n, 0);
  std::vector<std::uint32_t> stack{0};
  std::vector<std::uint32_t> walk;
  walk.reserve(static_cast<std::size_t>(n) * n + 1);
  while (!stack.empty()) {
    const std::uint32_t at = stack.back();
    if (next[at] < n) {
      stack.push_back(next[at]++);
    } else {
      walk.push_back(at);
      stack.pop_back();
    }
  }
  std::reverse(walk.begin(), walk.end());
  return walk;
}

class PairShaper {
 public:
  PairShaper(hb_font_t* font, hb_script_t script) : font_(font), script_(script), buffer_(hb_buffer_create()) {}

  // Shapes `text` with and without kerning and, for each neighbouring pair,
  // calls found(index of first character, adjustment in font units). Measuring
  // against the unkerned shaping leaves out everything else the shaper does to
  // advances (hidden default-ignorable characters, for one). False when the
  // shaper merged or reordered characters, so the pairs cannot be read.
  template <typename Found>
  bool Shape(const std::vector<hb_codepoint_t>& text, Found found) {
    if (!Advances(text, plainFeatures_, plain_) || !Advances(text, kernFeatures_, kerned_)) return false;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) found(i, kerned_[i] - plain_[i]);
    return true;
  }

 private:
  bool Advances(const std::vector<hb_codepoint_t>& text, const std::vector<hb_feature_t>& features,
                std::vector<hb_position_t>& advances) {
    hb_buffer_clear_contents(buffer_.get());
    hb_buffer_add_codepoints(buffer_.get(), text.data(), static_cast<int>(text.size()), 0,
                             static_cast<int>(text.size()));
    hb_buffer_set_direction(buffer_.get(), HB_DIRECTION_LTR);
    hb_buffer_set_script(buffer_.get(), script_);
    hb_buffer_set_cluster_level(buffer_.get(), HB_BUFFER_CLUSTER_LEVEL_CHARACTERS);
    hb_shape(font_, buffer_.get(), features.data(), static_cast<unsigned>(features.size()));
    unsigned count = 0;
    const hb_glyph_info_t* info = hb_buffer_get_glyph_infos(buffer_.get(), &count);
    const hb_glyph_position_t* position = hb_buffer_get_glyph_positions(buffer_.get(), &count);
    if (count != text.size()) return false;
    advances.resize(count);
    for (unsigned i = 0; i < count; ++i) {
      if (info[i].cluster != i) return false;
      advances[i] = position[i].x_advance;
    }
    return true;
  }

  hb_font_t* font_;
  hb_script_t script_;
  HbBufferPtr buffer_;
  std::vector<hb_feature_t> kernFeatures_ = ShapingFeatures(true);
  std::vector<hb_feature_t> plainFeatures_ = ShapingFeatures(false);
  std::vector<hb_position_t> kerned_;
  std::vector<hb_position_t> plain_;
};

// The script a pair is shaped in: its first character's, or the second's when
// the first belongs to none, or Latin.
hb_script_t PairScript(hb_unicode_funcs_t* unicode, std::uint32_t first, std::uint32_t second) {
  for (const std::uint32_t c : {first, second}) {
    const hb_script_t script = hb_unicode_script(unicode, c);
    if (script != HB_SCRIPT_COMMON && script != HB_SCRIPT_INHERITED && script != HB_SCRIPT_UNKNOWN) return script;
  }
  return HB_SCRIPT_LATIN;
}

}  // namespace

std::vector<KerningPair> FaceKerning(const SizedFace& face, const std::vector<std::uint32_t>& codePoints) {
  std::vector<KerningPair> pairs;
  const auto n = static_cast<std::uint32_t>(codePoints.size());
  if (n == 0) return pairs;
  HbFacePtr hbFace(hb_ft_face_create_referenced(face.FreeTypeFace()));
  HbFontPtr font(hb_font_create(hbFace.get()));
  hb_ot_font_set_funcs(font.get());
  const int unitsPerEm = static_cast<int>(hb_face_get_upem(hbFace.get()));
  hb_font_set_scale(font.get(), unitsPerEm, unitsPerEm);
  const double scale = face.PixelsPerUnitX();
  hb_unicode_funcs_t* unicode = hb_unicode_funcs_get_default();

  // Each pair is measured in its own script; shaping the whole walk once per
  // script present measures them all.
  std::map<hb_script_t, bool> scripts;
  for (const std::uint32_t c : codePoints) scripts[PairScript(unicode, c, c)] = true;

  const std::vector<std::uint32_t> walk = EveryPairWalk(n);
  std::vector<hb_codepoint_t> text(walk.size());
  for (std::size_t i = 0; i < walk.size(); ++i) text[i] = codePoints[walk[i]];

  std::vector<int> amounts(static_cast<std::size_t>(n) * n, 0);
  const auto record = [&](std::uint32_t a, std::uint32_t b, hb_script_t script, hb_position_t units) {
    if (PairScript(unicode, codePoints[a], codePoints[b]) != script) return;
    amounts[static_cast<std::size_t>(a) * n + b] = static_cast<int>(std::lround(units * scale));
  };
  for (const auto& [script, unused] : scripts) {
    PairShaper shaper(font.get(), script);
    const bool whole = shaper.Shape(text, [&](std::size_t i, hb_position_t units) {
      record(walk[i], walk[i + 1], script, units);
    });
    if (whole) continue;
    // The shaper changed the walk somewhere: measure pair by pair instead.
    std::vector<hb_codepoint_t> pair(2);
    for (std::uint32_t a = 0; a < n; ++a) {
      for (std::uint32_t b = 0; b < n; ++b) {
        pair = {codePoints[a], codePoints[b]};
        shaper.Shape(pair, [&](std::size_t, hb_position_t units) { record(a, b, script, units); });
      }
    }
  }

  for (std::uint32_t a = 0; a < n; ++a) {
    for (std::uint32_t b = 0; b < n; ++b) {
      const int amount = amounts[static_cast<std::size_t>(a) * n + b];
      if (amount != 0) pairs.push_back({codePoints[a], codePoints[b], amount});
    }
  }
  std::sort(pairs.begin(), pairs.end(), [](const KerningPair& l, const KerningPair& r) {
    return l.first != r.first ? l.first < r.first : l.second < r.second;
  });
  return pairs;
}

}  // namespace vantor::platform
