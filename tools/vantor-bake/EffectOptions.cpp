#include "EffectOptions.h"

#include "NumberList.h"

#include <charconv>
#include <string_view>

namespace vantor::bake {

namespace {

// Exactly `count` whole numbers split at commas, each from `min` to `max`; empty otherwise.
std::vector<int> Numbers(std::string_view text, std::size_t count, int min, int max) {
  std::vector<int> values = NumberList(text, ',', count, min, max);
  return values.size() == count ? values : std::vector<int>{};
}

// R,G,B (each 0..255) or #RRGGBB, as 0xRRGGBB.
std::optional<std::uint32_t> Colour(std::string_view text) {
  if (text.size() == 7 && text[0] == '#') {
    std::uint32_t value = 0;
    const auto [ptr, error] = std::from_chars(text.data() + 1, text.data() + 7, value, 16);
    if (error == std::errc() && ptr == text.data() + 7) return value;
    return std::nullopt;
  }
  const std::vector<int> rgb = Numbers(text, 3, 0, 255);
  if (rgb.empty()) return std::nullopt;
  return static_cast<std::uint32_t>(rgb[0] << 16 | rgb[1] << 8 | rgb[2]);
}

std::string Refused(const std::string& flag, const std::string& takes, const std::string& text) {
  return flag + " takes " + takes + ", not \"" + text + "\"";
}

}  // namespace

std::optional<std::string> ParseEffectOption(const std::vector<std::string>& args, std::size_t& i, Effects& effects) {
  const std::string& flag = args[i];
  std::uint32_t* colour = flag == "--colour"           ? &effects.colour
                          : flag == "--outline-colour" ? &effects.outlineColour
                          : flag == "--shadow-colour"  ? &effects.shadowColour
                                                       : nullptr;
  if (colour == nullptr && flag != "--outline" && flag != "--shadow" && flag != "--shadow-blur") return std::nullopt;
  if (i + 1 >= args.size()) return flag + " needs a value";
  const std::string& text = args[++i];
  if (colour != nullptr) {
    const std::optional<std::uint32_t> value = Colour(text);
    if (!value) return Refused(flag, "R,G,B (each 0..255) or #RRGGBB", text);
    *colour = *value;
  } else if (flag == "--shadow") {
    const std::vector<int> offset = Numbers(text, 2, -Effects::kMaxShadowOffset, Effects::kMaxShadowOffset);
    if (offset.empty()) return Refused(flag, "DX,DY, each a whole number from -16 to 16", text);
    effects.shadow = true;
    effects.shadowX = offset[0];
    effects.shadowY = offset[1];
  } else {
    const bool outline = flag == "--outline";
    const int min = outline ? 1 : 0;
    const int max = outline ? Effects::kMaxOutline : Effects::kMaxShadowBlur;
    const std::vector<int> value = Numbers(text, 1, min, max);
    if (value.empty()) {
      return Refused(flag, "a whole number from " + std::to_string(min) + " to " + std::to_string(max), text);
    }
    (outline ? effects.outline : effects.shadowBlur) = value[0];
  }
  return std::string{};
}

std::string CheckEffectOptions(const BakeOptions& options) {
  const Effects& effects = options.outputs.effects;
  const Effects defaults;
  if (effects.shadowBlur > 0 && !effects.shadow) return "--shadow-blur needs --shadow DX,DY";
  if (effects.shadowColour != defaults.shadowColour && !effects.shadow) return "--shadow-colour needs --shadow DX,DY";
  if (effects.outlineColour != defaults.outlineColour && effects.outline == 0) return "--outline-colour needs --outline N";
  return files::RefusedEffects(options.outputs, options.sdf.has_value());
}

const char* EffectUsage() {
  return "Effects (with --format fnt, fnt-xml or fnt-binary):\n"
         "  --outline N  Stroke each glyph's outline outward by N pixels (1..16), round-joined,\n"
         "              drawn under the glyph.\n"
         "  --shadow DX,DY  Draw a copy of the glyph (and its outline) under it, moved DX right and\n"
         "              DY down (each -16..16); --shadow-blur R blurs it by R pixels (0..8).\n"
         "  --colour C, --outline-colour C, --shadow-colour C  Colours as R,G,B (each 0..255) or\n"
         "              #RRGGBB: white glyph, black outline, black shadow at half opacity by default.\n"
         "              With any of these the pages hold colour (RGBA, not premultiplied): glyph\n"
         "              over outline over shadow; each box (or cell, with --layout cells) grows to\n"
         "              hold them, offsets keep the glyph where it stood. They need a descriptor\n"
         "              format, and do not go with --sdf (a shader draws outlines from the field).\n";
}

}  // namespace vantor::bake
