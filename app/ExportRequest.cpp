#include "app/ExportRequest.h"

#include "files/export/DescribeFont.h"
#include "files/export/FieldRefusal.h"
#include "files/export/PageImages.h"
#include "files/formats/CharacterSet.h"
#include "platform/BuildStop.h"

#include <sys/stat.h>

#include <cstdio>

namespace vantor {

namespace {

CharacterChoice ChoiceOf(const files::CharacterSet& set, const files::CharacterResult& result) {
  if (!result.Ok()) return {{}, result.message};
  if (set.Size() == 0) return {{}, files::EmptyCharacterSet().message};
  return {set.CodePoints(), {}};
}

std::string Hex(char32_t codePoint) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%X", static_cast<unsigned>(codePoint));
  return text;
}

}  // namespace

CharacterChoice ReadCharacterRanges(std::string_view ranges) {
  files::CharacterSet set;
  const files::CharacterResult result = set.AddRanges(ranges);
  return ChoiceOf(set, result);
}

CharacterChoice AddText(std::string_view ranges, std::string_view text) {
  files::CharacterSet set;
  files::CharacterResult result = set.AddRanges(ranges);
  // An empty field is no error here: the text's characters start the set.
  if (result.status == files::CharacterStatus::Empty) result = {};
  if (result.Ok()) result = set.AddUtf8(text, "the text");
  CharacterChoice choice = ChoiceOf(set, result);
  return choice;
}

std::string RangesText(const std::vector<char32_t>& codePoints) {
  std::string text;
  for (std::size_t i = 0; i < codePoints.size();) {
    std::size_t last = i;
    while (last + 1 < codePoints.size() && codePoints[last + 1] == codePoints[last] + 1) ++last;
    if (!text.empty()) text += ", ";
    text += Hex(codePoints[i]);
    if (last > i) text += "-" + Hex(codePoints[last]);
    i = last + 1;
  }
  return text;
}

namespace {

BuiltFont BuildUntilStopped(const ExportRequest& request) {
  BuiltFont built;
  built.engine = std::make_unique<Fonter>();
  Fonter& engine = *built.engine;
  files::BuildBakeEngine(request.engine, engine);
  if (!engine.font || !engine.font->IsUsable()) {
    built.refused = "the font cannot be made at this height";
    return built;
  }
  if (request.engine.distanceSpread > 0) {
    if (std::string refused = files::RefusedField(engine); !refused.empty()) {
      built.refused = "A distance field " + refused;
      return built;
    }
  }
  if (!request.fallbacks.empty()) {
    switch (files::RefusedFallbacks(request.outputs, !request.codePoints.empty())) {
      case files::FallbackRefusal::EightBitSet:
        built.refused = "Fallback faces need Unicode characters: the 8-bit set is drawn from the face alone";
        return built;
      case files::FallbackRefusal::Effects:
        built.refused = "Fallback faces do not go with outlines, shadows or colours yet: effects are drawn from the face alone";
        return built;
      case files::FallbackRefusal::Params:  // the window writes descriptors only
      case files::FallbackRefusal::None: break;
    }
    engine.SetFallbacks(request.fallbacks);
  }
  if (request.codePoints.empty() && !engine.texture) {
    built.refused = "a texture of " + std::to_string(engine.textureWidth) + " pixels wide cannot be made";
    return built;
  }
  built.planned = files::PlanFont(engine, request.codePoints, request.outputs);
  if (!request.codePoints.empty() && built.planned.font.layout->glyphs.empty()) {
    built.refused = "the face has none of the " + std::to_string(built.planned.font.layout->missing.size()) +
                    " characters asked for";
  } else {
    built.refused = built.planned.refused;
  }
  if (!built.refused.empty()) return built;
  const SetLayout& layout = *built.planned.font.layout;
  const std::size_t pageCount = layout.pageHeights.size();
  const files::OutputPaths names = files::NameOutputs("font", request.outputs, pageCount);
  built.description = files::DescribeFont(engine, layout, names.pages);
  for (std::size_t page = 0; page < pageCount && !platform::StopAsked(); ++page) {
    std::optional<ColourImage> image = files::DrawPageImage(engine, built.planned.font, page);
    built.pages.push_back(image ? std::make_shared<const ColourImage>(std::move(*image)) : nullptr);
  }
  return built;
}

}  // namespace

BuiltFont BuildExportFont(const ExportRequest& request, const std::atomic<bool>* stop) {
  const platform::StopScope scope(stop);
  BuiltFont built = BuildUntilStopped(request);
  if (platform::StopAsked()) {
    // Glyphs rendered after the stop are empty: nothing of this build may be shown or written.
    built = BuiltFont{};
    built.cancelled = true;
    built.refused = "cancelled";
  }
  return built;
}

std::vector<std::string> ExistingFiles(const std::vector<std::string>& paths) {
  std::vector<std::string> existing;
  for (const std::string& path : paths) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0) existing.push_back(path);
  }
  return existing;
}

const char* EnginesReading(files::OutputFormat format) {
  switch (format) {
    case files::OutputFormat::BmfontXml: return "Read by Phaser 3 and PixiJS.";
    case files::OutputFormat::BmfontBinary: return "For loaders that ask for the binary variant.";
    default: return "Read by LÖVE, Godot, libGDX and PixiJS.";
  }
}

}  // namespace vantor
