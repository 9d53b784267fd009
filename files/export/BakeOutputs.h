#pragma once

// The export layer: what one bake writes. The program and vantor-bake both
// describe a bake with these values and write it through WriteBake, so the
// same settings give the same bytes from either door.
//
// A bake writes a font: the engine's 8-bit texture (as a one-page character
// set) or a Unicode set the engine laid out on pages. It writes it as the
// params pair (BASE.tga and BASE.txt, the texture only), as a BMFont
// descriptor BASE.fnt with its pages BASE_0.png, BASE_1.png... (BASE_00.png... from
// 11 pages on), or both; all
// its files are replaced as one set, so a failure leaves every old file as it was.
//
//   const OutputChoice choice{.params = false, .descriptor = OutputFormat::BmfontXml};
//   FileResult result = WriteBake(engine, TextureFont(engine), "fonts/title", choice);

#include "engine/Fonter.h"
#include "files/disk/FileResult.h"
#include "files/disk/ReplaceFiles.h"
#include "files/formats/OutputFormat.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vantor::files {

/// How a descriptor's characters lie on its pages: glyph boxes packed by `boxes`
/// (each character's own ink, whole), or the cells of the texture's row rule.
struct LayoutChoice {
  bool packed = true;
  BoxRules boxes;

  friend bool operator==(const LayoutChoice&, const LayoutChoice&) = default;
};

/// Which files a bake writes: the params pair, a descriptor with its pages, or both.
struct OutputChoice {
  bool params = false;                     ///< BASE.tga and BASE.txt
  std::optional<OutputFormat> descriptor;  ///< BASE.fnt in this descriptor format, and its pages
  LayoutChoice layout;                     ///< how the descriptor's pages are laid out
  Effects effects;                         ///< outline, shadow and colours of a descriptor's pages

  friend bool operator==(const OutputChoice&, const OutputChoice&) = default;
};

/// Why `choice` cannot draw its effects (they need a descriptor, in glyph boxes or cells, and no
/// params pair or distance field, `distanceField`, beside them); empty when it can or has none.
std::string RefusedEffects(const OutputChoice& choice, bool distanceField);

/// What keeps fallback faces from drawing a bake of `choice`: each door words it in its own terms.
enum class FallbackRefusal {
  None,
  EightBitSet,  ///< the 8-bit set is drawn from the face alone (`unicodeSet` false)
  Effects,      ///< effects are drawn from the face alone, for now
  Params,       ///< a params file holds one face
};
FallbackRefusal RefusedFallbacks(const OutputChoice& choice, bool unicodeSet);

/// Where the outputs of a bake into one base go.
struct OutputPaths {
  std::string texture;             ///< BASE.tga; empty without the params pair
  std::string params;              ///< BASE.txt; empty without the params pair
  std::string descriptor;          ///< BASE.fnt; empty without a descriptor
  std::vector<std::string> pages;  ///< BASE_0.png, BASE_1.png...; empty without a descriptor

  /// Every path, in the order the files are written.
  std::vector<std::string> All() const;
};

/// `path` with a trailing ".tga", ".txt" or ".fnt" taken off: the base its outputs are named from.
std::string BaseOf(std::string path);

/// The paths of the outputs `choice` names for a font of `pageCount` pages, named from `base`:
/// pages BASE_0.png... up to 10 pages, BASE_00.png... (numbers of one width) from 11 on.
OutputPaths NameOutputs(const std::string& base, const OutputChoice& choice, std::size_t pageCount);

/// The pages the descriptor at `paths.descriptor` names that a bake writing `paths`
/// does not write: what WriteBake removes with the set.
std::vector<std::string> StalePages(const std::string& base, const OutputPaths& paths);

/// The font a bake writes: its layout, and whether its one page is the engine's texture.
struct BakeFont {
  std::shared_ptr<const SetLayout> layout;
  bool texture = false;  ///< page 0 is the engine's texture, drawn already; else pages are drawn when written
};

/// The engine's texture as the font of a bake.
BakeFont TextureFont(Fonter& engine);

/// The Unicode characters `codePoints` (sorted, each once) laid out by the engine as the font of a bake.
BakeFont SetFont(Fonter& engine, const std::vector<char32_t>& codePoints);

/// The font a bake of `codePoints` (sorted, each once; none: the engine's 8-bit set)
/// writes for `choice`, or why it cannot be written: a leading or kerning that breaks
/// the line or an advance, a cell wider than its page, a glyph box no page holds.
struct PlannedFont {
  BakeFont font;
  std::string refused;  ///< empty when the font can be written
};
PlannedFont PlanFont(Fonter& engine, const std::vector<char32_t>& codePoints, const OutputChoice& choice);

/// Adds to `outputs` every file `choice` names for `font`, at `paths`: the params pair
/// (of the engine's texture), then the descriptor and each page, a page drawn when its
/// file is written and let go after. A failure when the texture cannot be written as a page.
/// Told after each page is drawn: how many are drawn, of how many, for how many characters.
using PageProgress = std::function<void(std::size_t drawn, std::size_t pages, std::size_t characters)>;

FileResult AddBakeOutputs(Fonter& engine, const BakeFont& font, const OutputPaths& paths, const OutputChoice& choice,
                          std::vector<FileOutput>& outputs, const PageProgress& progress = {});

/// Writes every file `choice` names for `font` into `base` as one set, removing the
/// pages the descriptor it replaces named beyond the new ones: on any failure every
/// old file is kept as it was.
FileResult WriteBake(Fonter& engine, const BakeFont& font, const std::string& base, const OutputChoice& choice,
                     const PageProgress& progress = {});

}  // namespace vantor::files
