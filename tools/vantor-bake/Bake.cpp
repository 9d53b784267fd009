#include "Bake.h"

#include "engine/Fonter.h"
#include "files/BmfontExport.h"
#include "files/ReplaceFiles.h"
#include "files/ParamsLoad.h"
#include "files/ParamsWriter.h"
#include "files/TextureTga.h"

#include <memory>

namespace vantor::bake {

namespace {

// Start settings changed by the options given, as the dialog would change them.
void ApplyOptions(const BakeOptions& options, Fonter& engine) {
  LOGFONTA desc = engine.GetFontDesc();
  platform::SetFaceName(desc, options.face.c_str());
  desc.lfHeight = *options.height;
  desc.lfWidth = options.width.value_or(desc.lfWidth);
  desc.lfWeight = options.weight.value_or(desc.lfWeight);
  desc.lfItalic = options.italic ? 1 : 0;
  if (options.charset) desc.lfCharSet = static_cast<std::uint8_t>(*options.charset);
  if (options.quality) desc.lfQuality = static_cast<std::uint8_t>(*options.quality);
  engine.textureWidth = options.textureWidth.value_or(engine.textureWidth);
  engine.leading = options.leading.value_or(engine.leading);
  engine.kerning = options.kerning.value_or(engine.kerning);
  engine.Build(desc);
}

// Every file of one bake describes the others, so they are all replaced together.
std::string WriteOutputs(const std::string& base, const BakeOptions& options, Fonter& engine) {
  std::vector<files::FileOutput> outputs;
  if (options.params) {
    const std::string tgaPath = base + ".tga";
    if (!files::TgaCanDescribe(engine.texture.get())) {
      return files::FileFailure(files::FileStatus::TextureTooLarge, tgaPath).message;
    }
    outputs.push_back(
        {tgaPath, [&engine](files::ByteSink& sink) { return files::WriteTextureTga(sink, engine.texture.get()); }});
    outputs.push_back(
        {base + ".txt", [&engine](files::ByteSink& sink) { return files::WriteParamsFile(sink, engine); }});
  }
  if (options.descriptor) {
    const files::BmfontVariant variant = *files::BmfontVariantNamed(*options.descriptor);
    if (files::FileResult added = files::AddBmfontOutputs(engine, base + ".fnt", variant, outputs); !added.Ok()) {
      return added.message;
    }
  }
  return files::ReplaceFiles(outputs).message;
}

// The character set on pages: the descriptor and every page, all replaced together.
std::string WriteCharacterSet(const std::string& base, const BakeOptions& options, Fonter& engine,
                              std::shared_ptr<const SetLayout> layout) {
  if (layout->glyphs.empty()) {
    return "the face has none of the " + std::to_string(layout->missing.size()) + " characters asked for";
  }
  std::vector<files::FileOutput> outputs;
  const files::BmfontVariant variant = *files::BmfontVariantNamed(*options.descriptor);
  if (files::FileResult added = files::AddCharacterSetOutputs(engine, std::move(layout), base + ".fnt", variant, outputs);
      !added.Ok()) {
    return added.message;
  }
  return files::ReplaceFiles(outputs).message;
}

// A name that no face carries is drawn with whatever the font library chose instead.
std::string SubstitutionWarning(const Fonter& engine) {
  const std::string asked = engine.GetFaceName();
  const platform::FontMatch& match = engine.font->Match();
  if (asked.empty() || match.named) return {};
  return "no face is named \"" + asked + "\"; the texture is drawn with \"" + match.family + "\" (" + match.file + ")";
}

// What keeps FreeType from drawing the font as distance fields; empty when nothing does.
// Mono keeps its hinting, and the field it gives is meant to be cut at the outline
// by the shader; synthetic bold and italic change the outline before the field is made.
std::string RefusedField(const Fonter& engine) {
  constexpr std::uint8_t kClearTypeQuality = 5;
  if (engine.GetQuality() == kClearTypeQuality) {
    return "--sdf cannot draw quality 5 (ClearType): a distance field has one channel, subpixel colour needs three";
  }
  if (engine.font && !engine.font->Match().outline) {
    return "--sdf needs a face with outlines; \"" + engine.font->Match().family + "\" has bitmaps only";
  }
  return {};
}

}  // namespace

BakeResult Bake(const BakeOptions& options, const std::vector<char32_t>& characters) {
  Fonter engine;
  // Set before the first build, so the characters are rendered once, as fields.
  if (options.sdf) engine.distanceSpread = *options.sdf;
  if (options.mode == BakeOptions::Mode::FromParams) {
    const LoadParamsResult loaded = engine.LoadParams(options.paramsPath);
    if (!loaded.Loaded()) return {1, files::DescribeLoadParams(loaded, options.paramsPath).message, {}, {}};
  } else {
    ApplyOptions(options, engine);
  }
  if (options.sdf) {
    if (std::string refused = RefusedField(engine); !refused.empty()) return {2, refused, {}, {}};
  }
  if (!engine.font || !engine.font->IsUsable()) {
    const std::string face = engine.font ? engine.font->Description().lfFaceName : "";
    return {1, "the font \"" + face + "\" cannot be made at height " +
                   std::to_string(engine.font ? engine.font->Description().lfHeight : 0), {}, {}};
  }
  BakeResult result;
  result.warning = SubstitutionWarning(engine);
  if (!result.warning.empty() && options.strict) {
    return {2, "--strict: nothing was written", result.warning, {}};
  }
  if (!characters.empty()) {
    auto layout = std::make_shared<const SetLayout>(engine.LayOutSet(characters));
    result.missing = layout->missing;
    result.error = WriteCharacterSet(OutputBase(options), options, engine, std::move(layout));
    result.status = result.error.empty() ? 0 : 1;
    return result;
  }
  if (!engine.texture) {
    result.status = 1;
    result.error = "a texture of " + std::to_string(engine.textureWidth) + " pixels wide cannot be made";
    return result;
  }
  result.error = WriteOutputs(OutputBase(options), options, engine);
  result.status = result.error.empty() ? 0 : 1;
  return result;
}

}  // namespace vantor::bake
