#include "files/export/BakeFileText.h"

#include "files/disk/ReplaceFiles.h"
#include "files/formats/OutputFormat.h"

#include <toml++/toml.h>

#include <cstdio>
#include <sstream>

namespace vantor::files {

namespace {

std::string Hex(std::uint32_t rgb) {
  char text[8];
  std::snprintf(text, sizeof text, "#%06X", static_cast<unsigned>(rgb & 0xFFFFFFu));
  return text;
}

toml::array Strings(const std::vector<std::string>& values) {
  toml::array list;
  for (const std::string& value : values) list.push_back(value);
  return list;
}

// The keys of the layout, only where they differ from what vantor-bake takes without them.
void AddLayout(const LayoutChoice& layout, toml::table& font) {
  font.insert("layout", layout.packed ? "packed" : "cells");
  if (!layout.packed) return;
  const BoxRules& rules = layout.boxes;
  const BoxRules start;
  const auto& p = rules.padding;
  if (p != start.padding) {
    font.insert("padding", p[0] == p[1] && p[1] == p[2] && p[2] == p[3]
                               ? std::to_string(p[0])
                               : std::to_string(p[0]) + "," + std::to_string(p[1]) + "," + std::to_string(p[2]) + "," +
                                     std::to_string(p[3]));
  }
  if (rules.spacingX != start.spacingX || rules.spacingY != start.spacingY) {
    font.insert("spacing", std::to_string(rules.spacingX) + "," + std::to_string(rules.spacingY));
  }
  if (rules.maxWidth != start.maxWidth || rules.maxHeight != start.maxHeight) {
    font.insert("page-size", std::to_string(rules.maxWidth) + "x" + std::to_string(rules.maxHeight));
  }
  if (!rules.powerOfTwo) font.insert("no-pot", true);
}

void AddEffects(const Effects& effects, toml::table& font) {
  const Effects start;
  if (effects.outline > 0) font.insert("outline", effects.outline);
  if (effects.shadow) {
    font.insert("shadow", std::to_string(effects.shadowX) + "," + std::to_string(effects.shadowY));
    if (effects.shadowBlur > 0) font.insert("shadow-blur", effects.shadowBlur);
  }
  if (effects.colour != start.colour) font.insert("colour", Hex(effects.colour));
  // vantor-bake takes an effect's colour only with the effect.
  if (effects.outline > 0 && effects.outlineColour != start.outlineColour) {
    font.insert("outline-colour", Hex(effects.outlineColour));
  }
  if (effects.shadow && effects.shadowColour != start.shadowColour) font.insert("shadow-colour", Hex(effects.shadowColour));
}

}  // namespace

std::string BakeFileText(const BakeFileSettings& settings) {
  toml::table font;
  const FontSettings& face = settings.engine.font;
  font.insert("font", face.face);
  if (!settings.fontFiles.empty()) font.insert("font-file", Strings(settings.fontFiles));
  if (!settings.fallbacks.empty()) font.insert("fallback", Strings(settings.fallbacks));
  font.insert("height", face.height);
  if (face.width != 0) font.insert("width", face.width);
  font.insert("weight", face.weight);
  if (face.italic) font.insert("italic", true);
  font.insert("charset", static_cast<int>(face.charset));
  font.insert("quality", static_cast<int>(face.quality));
  font.insert("texture-width", settings.engine.textureWidth);
  font.insert("leading", settings.engine.leading);
  font.insert("kerning", settings.engine.kerning);
  if (settings.engine.distanceSpread > 0) font.insert("sdf", settings.engine.distanceSpread);
  if (!settings.ranges.empty()) font.insert("chars", settings.ranges);
  toml::array formats;
  if (settings.outputs.params) formats.push_back("params");
  if (settings.outputs.descriptor) formats.push_back(std::string(NamesOf(*settings.outputs.descriptor).name));
  font.insert("format", formats);
  if (settings.outputs.descriptor) AddLayout(settings.outputs.layout, font);
  AddEffects(settings.outputs.effects, font);
  font.insert("output", settings.output);
  toml::array fonts;
  fonts.push_back(std::move(font));
  const toml::table root{{"font", std::move(fonts)}};
  std::ostringstream text;
  text << "# A bake file: vantor-bake --config FILE bakes it, paths from this file's folder.\n"
       << toml::toml_formatter(root) << "\n";
  return text.str();
}

FileResult WriteBakeFile(const std::string& path, const BakeFileSettings& settings) {
  const std::string text = BakeFileText(settings);
  return ReplaceFiles({{path, [&text](ByteSink& sink) { return sink.Write(text); }}});
}

}  // namespace vantor::files
