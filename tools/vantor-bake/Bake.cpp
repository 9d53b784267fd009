#include "Bake.h"

#include "engine/Fonter.h"
#include "files/export/BakeEngine.h"
#include "files/export/BakeOutputs.h"
#include "files/export/FieldRefusal.h"
#include "files/export/ParamsLoad.h"
#include "platform/RenderMode.h"

#include <sys/stat.h>

#include <utility>
#include <vector>

namespace vantor::bake {

namespace {

// A bake that ends before writing, with its status, message, warning and missing characters.
BakeResult Ended(int status, std::string error, std::string warning = {}, std::vector<char32_t> missing = {}) {
  BakeResult result;
  result.status = status;
  result.error = std::move(error);
  result.warning = std::move(warning);
  result.missing = std::move(missing);
  return result;
}

// Start settings changed by the options given, as the dialog would change them.
void ApplyOptions(const BakeOptions& options, Fonter& engine) {
  FontSettings settings = engine.GetFontSettings();
  settings.face = options.face;
  settings.height = *options.height;
  settings.width = options.width.value_or(settings.width);
  settings.weight = options.weight.value_or(settings.weight);
  settings.italic = options.italic;
  if (options.charset) settings.charset = static_cast<std::uint8_t>(*options.charset);
  if (options.quality) settings.quality = static_cast<std::uint8_t>(*options.quality);
  files::BuildBakeEngine({settings, options.textureWidth.value_or(engine.textureWidth),
                          options.leading.value_or(engine.leading), options.kerning.value_or(engine.kerning),
                          engine.distanceSpread},
                         engine);
}

// Why the outputs must not be written: two of them, or one and the params file read,
// are one file however spelled (a link), so writing one would lose the other.
std::string RefusedOutput(const BakeOptions& options, const files::OutputPaths& paths) {
  struct Existing {
    std::string path;
    struct stat info;
  };
  std::vector<Existing> existing;
  for (const std::string& path : paths.All()) {
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0) existing.push_back({path, info});
  }
  const auto same = [](const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; };
  // The files the bake reads, and what each is called in the refusal.
  std::vector<std::pair<std::string, std::string>> inputs;
  if (options.mode == BakeOptions::Mode::FromParams) {
    inputs.push_back({options.paramsPath, "is the params file read; give -o BASE to write elsewhere"});
  }
  for (const BakeOptions::CharacterSource& source : options.characters) {
    if (source.file) inputs.push_back({source.text, "is the characters file " + source.text + "; writing it would lose it"});
  }
  for (const auto& [path, refusal] : inputs) {
    struct stat input {};
    if (::stat(path.c_str(), &input) != 0) continue;
    for (const Existing& output : existing) {
      if (same(output.info, input)) return "the output " + output.path + " " + refusal;
    }
  }
  for (std::size_t i = 0; i < existing.size(); ++i) {
    for (std::size_t j = i + 1; j < existing.size(); ++j) {
      if (same(existing[i].info, existing[j].info)) {
        return "the outputs " + existing[i].path + " and " + existing[j].path +
               " are one file (a link); writing both would lose one";
      }
    }
  }
  return {};
}

// A name that no face carries is drawn with whatever the font library chose instead.
std::string SubstitutionWarning(Fonter& engine) {
  const std::string asked = engine.GetFullFaceName();
  const platform::FontMatch& match = engine.font->Match();
  if (asked.empty() || match.named) return {};
  return "no face is named \"" + asked + "\"; the texture is drawn with \"" + match.family + "\" (" + match.file + ")";
}

// The first fallback face that no face carries the name of, as a warning; empty when all are named.
std::string UnnamedFallback(Fonter& engine) {
  for (std::size_t i = 0; i < engine.Fallbacks().size(); ++i) {
    const platform::Font* font = engine.FontOfFace(static_cast<int>(i) + 1);
    if (font == nullptr || !font->Match().named) {
      return "no face is named \"" + engine.Fallbacks()[i] + "\"; its characters come from \"" +
             (font != nullptr ? font->Match().family : std::string()) + "\"";
    }
  }
  return {};
}

// How many characters of `layout` each face drew, the font's face first.
std::vector<std::pair<std::string, std::size_t>> DrawnFrom(Fonter& engine, const SetLayout& layout) {
  std::vector<std::pair<std::string, std::size_t>> counts;
  counts.push_back({engine.font->Match().family, 0});
  for (std::size_t i = 0; i < engine.Fallbacks().size(); ++i) {
    const platform::Font* font = engine.FontOfFace(static_cast<int>(i) + 1);
    counts.push_back({font != nullptr ? font->Match().family : engine.Fallbacks()[i], 0});
  }
  for (const SetGlyph& glyph : layout.glyphs) ++counts[static_cast<std::size_t>(glyph.face)].second;
  return counts;
}

}  // namespace

BakeResult Bake(const BakeOptions& options, const std::vector<char32_t>& characters, const files::PageProgress& progress) {
  Fonter engine;
  // Set before the first build, so the characters are rendered once, as fields.
  if (options.sdf) engine.distanceSpread = *options.sdf;
  if (options.mode == BakeOptions::Mode::FromParams) {
    const LoadParamsResult loaded = engine.LoadParams(options.paramsPath);
    if (!loaded.Loaded()) return Ended(1, files::DescribeLoadParams(loaded, options.paramsPath).message);
  } else {
    ApplyOptions(options, engine);
  }
  if (options.sdf) {
    if (std::string refused = files::RefusedField(engine); !refused.empty()) return Ended(2, "--sdf " + refused);
  }
  engine.SetFallbacks(options.fallbacks);
  if (!engine.font || !engine.font->IsUsable()) {
    const std::string face = engine.font ? engine.font->Description().lfFaceName : "";
    return Ended(1, "the font \"" + face + "\" cannot be made at height " +
                   std::to_string(engine.font ? engine.font->Description().lfHeight : 0));
  }
  BakeResult result;
  result.warning = SubstitutionWarning(engine);
  if (!result.warning.empty() && options.strict) {
    return Ended(2, "--strict: nothing was written", result.warning, {});
  }
  if (characters.empty() && !engine.texture) {
    result.status = 1;
    result.error = "a texture of " + std::to_string(engine.textureWidth) + " pixels wide cannot be made";
    return result;
  }
  const files::PlannedFont planned = files::PlanFont(engine, characters, options.outputs);
  const files::BakeFont& font = planned.font;
  result.missing = font.layout->missing;
  if (!characters.empty() && font.layout->glyphs.empty()) {
    result.status = 1;
    result.error = "the face has none of the " + std::to_string(font.layout->missing.size()) + " characters asked for";
    return result;
  }
  if (!planned.refused.empty()) return Ended(2, planned.refused, result.warning, result.missing);
  if (!options.fallbacks.empty()) {
    if (std::string unnamed = UnnamedFallback(engine); !unnamed.empty()) {
      if (options.strict) return Ended(2, "--strict: nothing was written", unnamed, result.missing);
      result.warning += (result.warning.empty() ? "" : "; ") + unnamed;
    }
    result.drawnFrom = DrawnFrom(engine, *font.layout);
  }
  const std::string base = OutputBase(options);
  if (std::string refused = RefusedOutput(options, files::NameOutputs(base, options.outputs, font.layout->pageHeights.size()));
      !refused.empty()) {
    return Ended(2, refused, result.warning, result.missing);
  }
  result.error = files::WriteBake(engine, font, base, options.outputs, progress).message;
  result.status = result.error.empty() ? 0 : 1;
  return result;
}

}  // namespace vantor::bake
