#pragma once

// What the export window asks for, as plain values, and the work done with it
// away from the window: reading the character ranges as vantor-bake reads
// --chars, building an engine of its own and planning the font, and naming the
// files a save would replace. Nothing here touches a window, so any thread may
// run BuildExportFont.
//
//   const CharacterChoice chars = ReadCharacterRanges("0x20-0x7E, 0x401");
//   if (chars.error.empty()) BuiltFont font = BuildExportFont({engine, chars.codePoints, outputs});

#include "engine/Fonter.h"
#include "files/export/BakeEngine.h"
#include "files/export/BakeOutputs.h"
#include "files/formats/bmfont/BitmapFont.h"
#include "engine/ColourImage.h"

#include <atomic>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

/// The characters a ranges text names, or why it names none.
struct CharacterChoice {
  std::vector<char32_t> codePoints;  ///< sorted, each once; empty on error
  std::string error;                 ///< the reason the text is refused; empty when it is usable
};

/// The characters of `ranges` read exactly as vantor-bake reads `--chars`.
CharacterChoice ReadCharacterRanges(std::string_view ranges);

/// The characters of UTF-8 `text` added to `ranges`, written back as a ranges
/// text (0x hex, runs as FIRST-LAST); `ranges` unchanged when either is refused.
CharacterChoice AddText(std::string_view ranges, std::string_view text);

/// `codePoints` (sorted, each once) as a ranges text that ReadCharacterRanges reads back to them.
std::string RangesText(const std::vector<char32_t>& codePoints);

/// One bake the window asks for.
struct ExportRequest {
  files::BakeEngine engine;           ///< the main dialog's settings and the field spread
  std::vector<char32_t> codePoints;   ///< none: the engine's 8-bit character set
  files::OutputChoice outputs;        ///< the descriptor format, layout and effects
  std::vector<std::string> fallbacks; ///< faces drawing what the face lacks, in order (Unicode sets only)

  friend bool operator==(const ExportRequest&, const ExportRequest&) = default;
};

/// A planned font with the engine that laid it out, which only it uses.
struct BuiltFont {
  std::unique_ptr<Fonter> engine;
  files::PlannedFont planned;
  std::string refused;  ///< why nothing can be written (also the planner's refusals); empty when it can
  bool cancelled = false;  ///< the build was stopped before its end; nothing of it is usable
  files::BitmapFontDescription description;                 ///< what the descriptor will say; empty when refused
  std::vector<std::shared_ptr<const ColourImage>> pages;  ///< each page's pixels as its file holds them; a null one could not be drawn
};

/// Builds an engine of its own for `request`, plans its font as vantor-bake does,
/// and draws its pages and describes it for the views. Once `stop` (may be null)
/// is set, from any thread, the build ends soon with `cancelled` set.
BuiltFont BuildExportFont(const ExportRequest& request, const std::atomic<bool>* stop = nullptr);

/// Those of `paths` that exist already: what a save would replace.
std::vector<std::string> ExistingFiles(const std::vector<std::string>& paths);

/// A common block of Unicode characters, offered as a button.
struct CharacterBlock {
  const char* name;    ///< the English label, a language-file key
  const char* ranges;  ///< its characters as a ranges text
};

/// The blocks offered, in button order.
inline constexpr CharacterBlock kCharacterBlocks[] = {
    {"Basic Latin", "0x20-0x7E"},
    {"Latin-1", "0xA0-0xFF"},
    {"Latin Extended-A", "0x100-0x17F"},
    {"Greek", "0x370-0x3FF"},
    {"Cyrillic", "0x400-0x4FF"},
    {"General Punctuation", "0x2000-0x206F"},
    {"Hiragana and Katakana", "0x3040-0x30FF"},
};

/// The English line naming the engines that read `format`, a language-file key.
const char* EnginesReading(files::OutputFormat format);

}  // namespace vantor
