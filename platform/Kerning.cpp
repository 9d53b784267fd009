#include "platform/Kerning.h"

#include "platform/KerningReach.h"
#include "platform/PairShaping.h"

#include <hb-ot.h>

#include <algorithm>
#include <cmath>
#include <map>

namespace vantor::platform {

namespace {

bool Meets(const GlyphSet& glyphs, const hb_set_t* other) {
  for (hb_codepoint_t glyph = HB_SET_VALUE_INVALID; hb_set_next(other, &glyph);) {
    if (glyphs.Has(glyph)) return true;
  }
  return false;
}

// Kerning sees glyphs after substitution (an Arabic letter's joined form, say), so a
// character may be kerned when a substitution can turn its glyph into one kerning
// moves: each substitution that can give such a glyph brings in every glyph it reads.
void AddSubstitutedGlyphs(hb_face_t* face, const hb_set_t* lookups, KerningReach& reach) {
  struct Substitution {
    HbSetPtr reads;
    HbSetPtr gives;
  };
  std::vector<Substitution> substitutions;
  for (hb_codepoint_t lookup = HB_SET_VALUE_INVALID; hb_set_next(lookups, &lookup);) {
    Substitution s{HbSetPtr(hb_set_create()), HbSetPtr(hb_set_create())};
    hb_ot_layout_lookup_collect_glyphs(face, HB_OT_TAG_GSUB, lookup, nullptr, s.reads.get(), nullptr, s.gives.get());
    substitutions.push_back(std::move(s));
  }
  for (bool grew = true; grew;) {
    grew = false;
    for (const Substitution& s : substitutions) {
      for (GlyphSet* glyphs : {&reach.firsts, &reach.seconds}) {
        if (glyphs->Every() || !Meets(*glyphs, s.gives.get())) continue;
        for (hb_codepoint_t glyph = HB_SET_VALUE_INVALID; hb_set_next(s.reads.get(), &glyph);) {
          if (glyphs->Has(glyph)) continue;
          glyphs->Add(glyph);
          grew = true;
        }
      }
    }
  }
}

// Unicode's default-ignorable code points, which positioning steps over.
bool DefaultIgnorable(std::uint32_t c) {
  constexpr std::pair<std::uint32_t, std::uint32_t> kRanges[] = {
      {0xAD, 0xAD},       {0x34F, 0x34F},     {0x61C, 0x61C},     {0x115F, 0x1160},   {0x17B4, 0x17B5},
      {0x180B, 0x180F},   {0x200B, 0x200F},   {0x202A, 0x202E},   {0x2060, 0x206F},   {0x3164, 0x3164},
      {0xFE00, 0xFE0F},   {0xFEFF, 0xFEFF},   {0xFFA0, 0xFFA0},   {0xFFF0, 0xFFF8},   {0x1BCA0, 0x1BCA3},
      {0x1D173, 0x1D17A}, {0xE0000, 0xE0FFF}};
  return std::any_of(std::begin(kRanges), std::end(kRanges), [c](const auto& r) { return c >= r.first && c <= r.second; });
}

// True when the pair lookups step over character `c` (glyph `glyph`): a pair of it and
// the next character is kerned across it, so in a walk it would take the kerning of
// the character after it.
bool SteppedOver(hb_face_t* face, hb_unicode_funcs_t* unicode, std::uint32_t c, hb_codepoint_t glyph, std::uint32_t lookupFlags) {
  constexpr std::uint32_t kIgnoreBases = 0x2, kIgnoreLigatures = 0x4, kMarkFlags = 0x8 | 0x10 | 0xFF00;
  if (DefaultIgnorable(c)) return true;
  const hb_ot_layout_glyph_class_t kind = hb_ot_layout_get_glyph_class(face, glyph);
  const hb_unicode_general_category_t category = hb_unicode_general_category(unicode, c);
  const bool mark = kind == HB_OT_LAYOUT_GLYPH_CLASS_MARK || category == HB_UNICODE_GENERAL_CATEGORY_NON_SPACING_MARK ||
                    category == HB_UNICODE_GENERAL_CATEGORY_SPACING_MARK || category == HB_UNICODE_GENERAL_CATEGORY_ENCLOSING_MARK;
  if (mark) return (lookupFlags & kMarkFlags) != 0;
  if (kind == HB_OT_LAYOUT_GLYPH_CLASS_LIGATURE) return (lookupFlags & kIgnoreLigatures) != 0;
  return (lookupFlags & kIgnoreBases) != 0;
}

// What each character is to the shaper: its glyph, and the script its pairs are shaped in.
struct ShapedCharacter {
  std::uint32_t codePoint = 0;
  bool hasGlyph = false;
  hb_codepoint_t glyph = 0;
  hb_script_t script = HB_SCRIPT_LATIN;  // of a pair of it with itself
  bool scriptless = false;               // its pairs take the second character's script
  bool steppedOver = false;              // see SteppedOver
};

// The characters of one script's pass that kerning can move, as firsts and as seconds.
struct Pass {
  std::vector<std::uint32_t> walked;  // indices of the characters measured in one walk, ascending
  std::vector<std::uint32_t> alone;   // indices of those measured pair by pair
  std::vector<bool> first;            // by character index
  std::vector<bool> second;
};

Pass PassMembers(const std::vector<ShapedCharacter>& chars, hb_script_t script, const KerningReach& reach) {
  Pass pass{{}, {}, std::vector<bool>(chars.size(), false), std::vector<bool>(chars.size(), false)};
  const auto reaches = [](const GlyphSet& glyphs, const ShapedCharacter& c) { return glyphs.Every() || (c.hasGlyph && glyphs.Has(c.glyph)); };
  bool ownFirsts = false;
  for (std::size_t i = 0; i < chars.size(); ++i) {
    const ShapedCharacter& c = chars[i];
    pass.first[i] = reaches(reach.firsts, c) && (c.scriptless || c.script == script);
    ownFirsts = ownFirsts || (pass.first[i] && !c.scriptless);
  }
  // After a first without a script of its own, the second's script is the pair's.
  for (std::size_t i = 0; i < chars.size(); ++i) {
    pass.second[i] = reaches(reach.seconds, chars[i]) && (ownFirsts || chars[i].script == script);
    if (!pass.first[i] && !pass.second[i]) continue;
    // A pair that also moves its second glyph moves the next pair's first: no walk then.
    (reach.movesSeconds || chars[i].steppedOver ? pass.alone : pass.walked).push_back(static_cast<std::uint32_t>(i));
  }
  return pass;
}

}  // namespace

std::vector<KerningPair> FaceKerning(const SizedFace& face, const std::vector<std::uint32_t>& codePoints) {
  std::vector<KerningPair> pairs;
  if (codePoints.empty()) return pairs;
  const ShapingFont font(face);
  const KerningReach reach = FaceKerningReach(font.Face());
  if (reach.firsts.Empty() || reach.seconds.Empty()) return pairs;
  hb_unicode_funcs_t* unicode = hb_unicode_funcs_get_default();

  std::vector<ShapedCharacter> chars(codePoints.size());
  std::map<hb_script_t, PairShaper> shapers;
  for (std::size_t i = 0; i < codePoints.size(); ++i) {
    ShapedCharacter& c = chars[i];
    c.codePoint = codePoints[i];
    c.script = PairScript(unicode, c.codePoint, c.codePoint);
    c.scriptless = c.script != hb_unicode_script(unicode, c.codePoint);
    PairShaper& shaper = shapers.try_emplace(c.script, font.Font(), c.script).first->second;
    // The shaper draws a character the face lacks with the glyph of its equivalent, if any.
    c.hasGlyph = hb_font_get_nominal_glyph(font.Font(), c.codePoint, &c.glyph) || shaper.LoneGlyph(c.codePoint, c.glyph);
    c.steppedOver = SteppedOver(font.Face(), unicode, c.codePoint, c.glyph, reach.lookupFlags);
  }

  // Each pair is measured in its own script: one pass a script, over the characters
  // that pass can kern, shaped as one walk through all their pairs but for those
  // a walk cannot measure.
  const auto record = [&](std::uint32_t a, std::uint32_t b, hb_script_t script, hb_position_t units) {
    if (PairScript(unicode, chars[a].codePoint, chars[b].codePoint) != script) return;
    const int amount = static_cast<int>(std::lround(units * font.Scale()));
    if (amount != 0) pairs.push_back({chars[a].codePoint, chars[b].codePoint, amount});
  };
  std::vector<hb_position_t> moved;
  for (auto& [script, shaper] : shapers) {
    KerningReach scriptReach = reach;
    AddSubstitutedGlyphs(font.Face(), shaper.SubstitutionLookups().get(), scriptReach);
    const Pass pass = PassMembers(chars, script, scriptReach);
    const auto measureAlone = [&](const std::vector<std::uint32_t>& firsts, const std::vector<std::uint32_t>& seconds) {
      for (const std::uint32_t a : firsts) {
        for (const std::uint32_t b : seconds) {
          if (!pass.first[a] || !pass.second[b]) continue;
          if (shaper.Measure({chars[a].codePoint, chars[b].codePoint}, moved)) record(a, b, script, moved[0]);
        }
      }
    };
    measureAlone(pass.alone, pass.walked);
    measureAlone(pass.walked, pass.alone);
    measureAlone(pass.alone, pass.alone);
    const std::vector<std::uint32_t> walk = EveryPairWalk(static_cast<std::uint32_t>(pass.walked.size()));
    std::vector<hb_codepoint_t> text(walk.size());
    for (std::size_t i = 0; i < walk.size(); ++i) text[i] = chars[pass.walked[walk[i]]].codePoint;
    if (!shaper.Measure(text, moved)) {
      // The shaper changed the walk somewhere: measure pair by pair instead.
      measureAlone(pass.walked, pass.walked);
      continue;
    }
    for (std::size_t i = 0; i < moved.size(); ++i) {
      const std::uint32_t a = pass.walked[walk[i]];
      const std::uint32_t b = pass.walked[walk[i + 1]];
      if (pass.first[a] && pass.second[b]) record(a, b, script, moved[i]);
    }
  }
  std::sort(pairs.begin(), pairs.end(), [](const KerningPair& l, const KerningPair& r) {
    return l.first != r.first ? l.first < r.first : l.second < r.second;
  });
  return pairs;
}

}  // namespace vantor::platform
