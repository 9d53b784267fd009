// What a bake's descriptor holds: the cells of the engine's layout (grown to hold
// any effects), or those characters as packed glyph boxes; and the settings no
// engine font can keep.
#include "files/export/BakeOutputs.h"

#include <algorithm>
#include <cstdio>

namespace vantor::files {

namespace {

std::string CharacterName(char32_t codePoint) {
  char name[16];
  std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(codePoint));
  return name;
}

// A line height below 1 stacks lines on each other or upside down; an advance
// below 1 sets a character on or before the one it follows.
std::string RefusedSpacing(const Fonter& engine, const SetLayout& layout) {
  const int cellHeight = layout.cellHeight - 2 * engine.FieldSpread();
  if (cellHeight + engine.leading < 1) {
    return "a leading of " + std::to_string(engine.leading) + " makes the line height " +
           std::to_string(cellHeight + engine.leading) + " pixels; this font takes a leading of at least " +
           std::to_string(1 - cellHeight);
  }
  const SetGlyph* narrowest = nullptr;
  for (const SetGlyph& glyph : layout.glyphs) {
    if (glyph.advance > 0 && (narrowest == nullptr || glyph.advance < narrowest->advance)) narrowest = &glyph;
  }
  if (narrowest != nullptr && narrowest->advance + engine.kerning < 1) {
    return "a kerning of " + std::to_string(engine.kerning) + " makes the advance of " +
           CharacterName(narrowest->codePoint) + " " + std::to_string(narrowest->advance + engine.kerning) +
           " pixels; this font takes a kerning of at least " + std::to_string(1 - narrowest->advance);
  }
  return {};
}

// A cell wider than the page is placed at its left edge all the same and reaches past it.
std::string RefusedCells(const SetLayout& layout) {
  const auto widest = std::max_element(layout.glyphs.begin(), layout.glyphs.end(), [](const SetGlyph& a, const SetGlyph& b) {
    return a.record.width < b.record.width;
  });
  if (widest == layout.glyphs.end() || widest->record.width <= layout.width) return {};
  return "the cell of " + CharacterName(widest->codePoint) + " is " + std::to_string(widest->record.width) +
         " pixels wide, wider than the page of " + std::to_string(layout.width) +
         " pixels; give a wider texture or lay the font out in glyph boxes";
}

}  // namespace

std::string RefusedEffects(const OutputChoice& choice, bool distanceField) {
  if (!choice.effects.Any()) return {};
  if (distanceField) {
    return "--outline, --shadow and --colour do not go with --sdf: a shader draws outlines and glows from the "
           "distance field (see README)";
  }
  if (choice.params) {
    return "--outline, --shadow and --colour need --format fnt, fnt-xml or fnt-binary: the params format keeps "
           "its white-with-alpha TGA";
  }
  return {};
}

FallbackRefusal RefusedFallbacks(const OutputChoice& choice, bool unicodeSet) {
  if (choice.effects != Effects{}) return FallbackRefusal::Effects;
  if (choice.params) return FallbackRefusal::Params;
  if (!unicodeSet) return FallbackRefusal::EightBitSet;
  return FallbackRefusal::None;
}

PlannedFont PlanFont(Fonter& engine, const std::vector<char32_t>& codePoints, const OutputChoice& choice) {
  PlannedFont planned{codePoints.empty() ? TextureFont(engine) : SetFont(engine, codePoints), {}};
  const SetLayout& cells = *planned.font.layout;
  if (planned.refused = RefusedEffects(choice, engine.FieldSpread() > 0); !planned.refused.empty()) return planned;
  // Without a descriptor, or without characters to place, there is nothing to lay out.
  if (!choice.descriptor || cells.glyphs.empty() || cells.cellHeight <= 0) return planned;
  if (planned.refused = RefusedSpacing(engine, cells); !planned.refused.empty()) return planned;
  if (!choice.layout.packed && choice.effects.Any()) {
    // The cells grow to hold the effects, and their pages are drawn in colour.
    planned.font = {std::make_shared<const SetLayout>(engine.GrowCells(cells, choice.effects)), false};
    planned.refused = RefusedCells(*planned.font.layout);
    return planned;
  }
  if (!choice.layout.packed) {
    planned.refused = RefusedCells(cells);
    return planned;
  }
  PackedSet packed = engine.PackGlyphBoxes(cells, choice.layout.boxes, choice.effects);
  if (packed.refused) {
    const BoxRules& rules = choice.layout.boxes;
    planned.refused = "the box of " + CharacterName(cells.glyphs[*packed.refused].codePoint) + " is " +
                      std::to_string(packed.refusedWidth) + " x " + std::to_string(packed.refusedHeight) +
                      " pixels; no page of at most " + std::to_string(rules.maxWidth) + " x " +
                      std::to_string(rules.maxHeight) + " holds it";
    return planned;
  }
  planned.font = {std::make_shared<const SetLayout>(std::move(packed.layout)), false};
  return planned;
}

}  // namespace vantor::files
