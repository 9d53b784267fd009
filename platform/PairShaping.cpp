#include "platform/PairShaping.h"

#include "platform/SizedFace.h"

#include <hb-ft.h>
#include <hb-ot.h>

#include <algorithm>

namespace vantor::platform {

namespace {

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

}  // namespace

ShapingFont::ShapingFont(const SizedFace& face)
    : face_(hb_ft_face_create_referenced(face.FreeTypeFace())), font_(hb_font_create(face_.get())),
      scale_(face.PixelsPerUnitX()) {
  hb_ot_font_set_funcs(font_.get());
  const int unitsPerEm = static_cast<int>(hb_face_get_upem(face_.get()));
  hb_font_set_scale(font_.get(), unitsPerEm, unitsPerEm);
}

PairShaper::PairShaper(hb_font_t* font, hb_script_t script)
    : font_(font), script_(script), buffer_(hb_buffer_create()), kernFeatures_(ShapingFeatures(true)),
      plainFeatures_(ShapingFeatures(false)) {}

bool PairShaper::Measure(const std::vector<hb_codepoint_t>& text, std::vector<hb_position_t>& moved) {
  if (!Advances(text, plainFeatures_, moved) || !Advances(text, kernFeatures_, kerned_)) return false;
  for (std::size_t i = 0; i < moved.size(); ++i) moved[i] = kerned_[i] - moved[i];
  if (!moved.empty()) moved.pop_back();
  return true;
}

bool PairShaper::LoneGlyph(hb_codepoint_t codePoint, hb_codepoint_t& glyph) {
  if (!Advances({codePoint}, plainFeatures_, kerned_)) return false;
  unsigned count = 0;
  glyph = hb_buffer_get_glyph_infos(buffer_.get(), &count)[0].codepoint;
  return true;
}

HbSetPtr PairShaper::SubstitutionLookups() const {
  hb_segment_properties_t props = HB_SEGMENT_PROPERTIES_DEFAULT;
  props.direction = HB_DIRECTION_LTR;
  props.script = script_;
  const HbShapePlanPtr plan(hb_shape_plan_create_cached(hb_font_get_face(font_), &props, kernFeatures_.data(),
                                                        static_cast<unsigned>(kernFeatures_.size()), nullptr));
  HbSetPtr lookups(hb_set_create());
  hb_ot_shape_plan_collect_lookups(plan.get(), HB_OT_TAG_GSUB, lookups.get());
  return lookups;
}

bool PairShaper::Advances(const std::vector<hb_codepoint_t>& text, const std::vector<hb_feature_t>& features,
                          std::vector<hb_position_t>& advances) {
  hb_buffer_clear_contents(buffer_.get());
  hb_buffer_add_codepoints(buffer_.get(), text.data(), static_cast<int>(text.size()), 0, static_cast<int>(text.size()));
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

// An Euler circuit of the complete graph with loops (Hierholzer's walk).
std::vector<std::uint32_t> EveryPairWalk(std::uint32_t n) {
  std::vector<std::uint32_t> walk;
  if (n == 0) return walk;
  std::vector<std::uint32_t> next(n, 0);
  std::vector<std::uint32_t> stack{0};
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

hb_script_t PairScript(hb_unicode_funcs_t* unicode, std::uint32_t first, std::uint32_t second) {
  for (const std::uint32_t c : {first, second}) {
    const hb_script_t script = hb_unicode_script(unicode, c);
    if (script != HB_SCRIPT_COMMON && script != HB_SCRIPT_INHERITED && script != HB_SCRIPT_UNKNOWN) return script;
  }
  return HB_SCRIPT_LATIN;
}

}  // namespace vantor::platform
