#include "BakeOptions.h"

#include "EffectOptions.h"
#include "ListedName.h"
#include "NumberList.h"

#include "engine/Fonter.h"
#include "files/formats/CharacterSet.h"
#include "files/formats/OutputFormat.h"
#include "files/formats/ParamsFormat.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <string_view>

namespace vantor::bake {

namespace {

constexpr BakeOption kBakeOptions[] = {
    {"", OptionValue::Path},
    {"--font", OptionValue::Value},
    {"--font-file", OptionValue::Paths},
    {"--fallback", OptionValue::Values},
    {"--height", OptionValue::Number},
    {"--width", OptionValue::Number},
    {"--weight", OptionValue::Number},
    {"--italic", OptionValue::Flag},
    {"--charset", OptionValue::Number},
    {"--quality", OptionValue::Number},
    {"--texture-width", OptionValue::Number},
    {"--leading", OptionValue::Number},
    {"--kerning", OptionValue::Number},
    {"--chars", OptionValue::Values},
    {"--chars-file", OptionValue::Paths},
    {"--format", OptionValue::Values},
    {"--sdf", OptionValue::Number},
    {"--strict", OptionValue::Flag},
    {"--layout", OptionValue::Value},
    {"--padding", OptionValue::Value},
    {"--spacing", OptionValue::Value},
    {"--page-size", OptionValue::Value},
    {"--no-pot", OptionValue::Flag},
    {"--outline", OptionValue::Number},
    {"--shadow", OptionValue::Value},
    {"--shadow-blur", OptionValue::Number},
    {"--colour", OptionValue::Value},
    {"--outline-colour", OptionValue::Value},
    {"--shadow-colour", OptionValue::Value},
    {"-o", OptionValue::Path},
};

// True when `arg` is an option of the list that is given with a value.
bool TakesValue(std::string_view arg) {
  return std::any_of(std::begin(kBakeOptions), std::end(kBakeOptions), [&](const BakeOption& option) {
    return !option.flag.empty() && option.flag == arg && option.value != OptionValue::Flag;
  });
}

// A number option: its flag, the values it takes, and where it lands.
struct NumberOption {
  std::string_view flag;
  std::int32_t min;
  std::int32_t max;
  std::optional<std::int32_t> BakeOptions::*field;
};

// The bounded ones take what the dialog can set, as a loaded params file must.
constexpr NumberOption Bounded(std::string_view flag, std::string_view key,
                               std::optional<std::int32_t> BakeOptions::*field) {
  const files::ParamRange range = files::ParamRangeOf(key);
  return {flag, range.min, range.max, field};
}

constexpr NumberOption kNumberOptions[] = {
    Bounded("--height", files::kHeightKey, &BakeOptions::height),
    Bounded("--width", files::kWidthKey, &BakeOptions::width),
    Bounded("--weight", files::kWeightKey, &BakeOptions::weight),
    {"--charset", 0, 255, &BakeOptions::charset},
    {"--quality", 0, 255, &BakeOptions::quality},
    Bounded("--texture-width", files::kTextureWidthKey, &BakeOptions::textureWidth),
    Bounded("--leading", files::kLeadingKey, &BakeOptions::leading),
    Bounded("--kerning", files::kKerningKey, &BakeOptions::kerning),
    {"--sdf", Fonter::kMinDistanceSpread, Fonter::kMaxDistanceSpread, &BakeOptions::sdf},
};

std::string ParseNumber(const NumberOption& option, const std::string& text, BakeOptions& options) {
  std::int32_t value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || ptr != end || value < option.min || value > option.max) {
    return std::string(option.flag) + " takes a whole number from " + std::to_string(option.min) + " to " +
           std::to_string(option.max) + ", not \"" + text + "\"";
  }
  options.*option.field = value;
  return {};
}

// A name with a CR, an LF or another control character would break the params
// file's lines: a later "Height=" line could override the real one.
bool HasControlCharacter(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
}

// -o names a base: an extension of one of the outputs is taken off, and a folder is refused.
std::string ParseBase(const std::string& path, BakeOptions& options) {
  std::string base = files::BaseOf(path);
  const std::string name = std::filesystem::path(base).filename().string();
  if (base.empty() || base.back() == '/' || name.empty() || name == "." || name == "..") {
    return "-o takes a file name without its extension, such as fonts/title, not the folder \"" + base + "\"";
  }

  options.base = std::move(base);
  return {};
}

// Descriptors name their pages in quotes, one a line, in UTF-8: a name they cannot
// carry exactly would point at a file that does not exist.
bool NamesPages(const std::string& base) {
  const std::string name = std::filesystem::path(base).filename().string();
  return !HasControlCharacter(name) && name.find('"') == std::string::npos && files::IsUtf8(name);
}

// --format may be given more than once; the descriptor formats all write BASE.fnt, so one of them at most.
std::string ParseFormat(const std::string& name, bool& paramsGiven, BakeOptions& options) {
  const std::optional<files::OutputFormat> format = files::OutputFormatNamed(name);
  if (!format) return "unknown format \"" + name + "\"; the formats are " + files::OutputFormatList();
  if (!files::IsDescriptor(*format)) {
    paramsGiven = true;
    return {};
  }
  const std::optional<files::OutputFormat>& descriptor = options.outputs.descriptor;
  if (descriptor && *descriptor != *format) {
    return "--format " + std::string(files::NamesOf(*descriptor).name) + " and --format " + name +
           " would both write BASE.fnt";
  }
  options.outputs.descriptor = format;
  return {};
}

// The options of glyph boxes: --padding N or UP,RIGHT,DOWN,LEFT; --spacing N or H,V; --page-size W or WxH.
std::string ParseBoxOption(const std::string& flag, const std::string& text, BoxRules& boxes) {
  if (flag == "--padding") {
    const std::vector<int> values = NumberList(text, ',', 4, 0, 64);
    if (values.size() != 1 && values.size() != 4) {
      return "--padding takes N or UP,RIGHT,DOWN,LEFT, each a whole number from 0 to 64, not \"" + text + "\"";
    }
    for (std::size_t side = 0; side < 4; ++side) boxes.padding[side] = values[values.size() == 1 ? 0 : side];
  } else if (flag == "--spacing") {
    const std::vector<int> values = NumberList(text, ',', 2, 0, 64);
    if (values.empty()) return "--spacing takes N or H,V, each a whole number from 0 to 64, not \"" + text + "\"";
    boxes.spacingX = values.front();
    boxes.spacingY = values.back();
  } else {
    const std::vector<int> values = NumberList(text, 'x', 2, 8, 4096);
    if (values.empty()) return "--page-size takes W or WxH, each a whole number from 8 to 4096, not \"" + text + "\"";
    boxes.maxWidth = values.front();
    boxes.maxHeight = values.back();
  }
  return {};
}

// Why --fallback cannot go with the rest of `options`, in the options' own words; empty when it can.
std::string FallbackConflict(const BakeOptions& options) {
  if (options.fallbacks.empty()) return {};
  switch (files::RefusedFallbacks(options.outputs, !options.characters.empty())) {
    case files::FallbackRefusal::Effects:
      return "--fallback does not go with --outline, --shadow or colours yet: effects are drawn from the face alone";
    case files::FallbackRefusal::Params: return "--fallback does not go with --format params: a params file holds one face";
    case files::FallbackRefusal::EightBitSet:
      return "--fallback needs --chars or --chars-file: the 8-bit set is drawn from the face alone";
    case files::FallbackRefusal::None: break;
  }
  return {};
}

}  // namespace

std::span<const BakeOption> BakeOptionList() { return kBakeOptions; }

ParsedOptions ParseBakeOptions(const std::vector<std::string>& args) {
  ParsedOptions parsed;
  BakeOptions& options = parsed.options;
  bool listFonts = false;
  bool help = false;
  bool fontGiven = false;
  bool paramsGiven = false;
  bool layoutGiven = false;
  std::vector<std::string> boxOptions;  // the glyph-box options given, for refusing them where boxes are not made
  std::vector<std::string> positional;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::size_t at = i;  // the argument an error points at
    const std::string& arg = args[i];
    const bool hasValue = i + 1 < args.size();
    if (!hasValue && TakesValue(arg)) return {options, arg + " needs a value", at};
    if (arg == "-h" || arg == "--help") {
      help = true;
    } else if (arg == "--list-fonts") {
      listFonts = true;
    } else if (arg == "--italic") {
      options.italic = true;
    } else if (arg == "--strict") {
      options.strict = true;
    } else if (arg == "-o") {
      if (std::string error = ParseBase(args[++i], options); !error.empty()) return {options, error, at};
    } else if (arg == "--font") {
      // Control characters come escaped, as --list-fonts prints them.
      if (HasControlCharacter(args[i + 1])) return {options, "--font takes a name without control characters", at};
      options.face = NameFromListed(args[++i]);
      if (!files::IsUtf8(options.face)) return {options, "--font takes a name in UTF-8", at};
      fontGiven = true;
    } else if (arg == "--font-file") {
      if (args[i + 1].empty()) return {options, "--font-file needs a file name", at};
      options.fontFiles.push_back(args[++i]);
    } else if (arg == "--fallback") {
      if (args[i + 1].empty() || HasControlCharacter(args[i + 1])) {
        return {options, "--fallback takes a face name without control characters", at};
      }
      options.fallbacks.push_back(NameFromListed(args[++i]));
      if (!files::IsUtf8(options.fallbacks.back())) return {options, "--fallback takes a name in UTF-8", at};
    } else if (arg == "--format") {
      if (std::string error = ParseFormat(args[++i], paramsGiven, options); !error.empty()) return {options, error, at};
    } else if (arg == "--no-pot") {
      options.outputs.layout.boxes.powerOfTwo = false;
      boxOptions.push_back(arg);
    } else if (arg == "--layout") {
      const std::string& layout = args[++i];
      if (layout != "packed" && layout != "cells") return {options, "--layout takes packed or cells, not \"" + layout + "\"", at};
      options.outputs.layout.packed = layout == "packed";
      layoutGiven = true;
    } else if (arg == "--padding" || arg == "--spacing" || arg == "--page-size") {
      if (std::string error = ParseBoxOption(arg, args[++i], options.outputs.layout.boxes); !error.empty()) {
        return {options, error, at};
      }
      boxOptions.push_back(arg);
    } else if (arg == "--chars" || arg == "--chars-file") {
      if (args[i + 1].empty()) return {options, arg == "--chars" ? "--chars needs ranges" : "--chars-file needs a file name", at};
      options.characters.push_back({arg == "--chars-file", args[++i]});
    } else if (std::optional<std::string> effect = ParseEffectOption(args, i, options.outputs.effects)) {
      if (!effect->empty()) return {options, *effect, at};
    } else if (arg.size() > 1 && arg[0] == '-') {
      const NumberOption* option = nullptr;
      for (const NumberOption& candidate : kNumberOptions) {
        if (candidate.flag == arg) option = &candidate;
      }
      if (option == nullptr) return {options, "unknown option " + arg, at};
      if (std::string error = ParseNumber(*option, args[++i], options); !error.empty()) return {options, error, at};
    } else {
      positional.push_back(arg);
    }
  }

  options.outputs.params = paramsGiven || !options.outputs.descriptor;
  // Cells keep the texture's grid: no gap and no padding of their own.
  if (!options.outputs.layout.packed) options.outputs.layout.boxes = {};
  const bool fontOptions = fontGiven || options.italic || options.height || options.width || options.weight ||
                           options.charset || options.quality || options.textureWidth || options.leading ||
                           options.kerning;
  if (help) {
    options.mode = BakeOptions::Mode::Help;
  } else if (listFonts) {
    const bool outputOptions = paramsGiven || options.outputs.descriptor || layoutGiven || !boxOptions.empty() ||
                               options.sdf || options.strict || !options.fallbacks.empty() ||
                               options.outputs.effects != Effects{};
    if (fontOptions || outputOptions || !positional.empty() || !options.base.empty() || !options.characters.empty()) {
      return {options, "--list-fonts takes no other argument but --font-file"};
    }
    options.mode = BakeOptions::Mode::ListFonts;
  } else if ((layoutGiven || !boxOptions.empty()) && !options.outputs.descriptor) {
    return {options, "--layout, --padding, --spacing, --page-size and --no-pot need --format fnt, fnt-xml or "
                     "fnt-binary: the params texture keeps its rows of cells"};
  } else if (!boxOptions.empty() && !options.outputs.layout.packed) {
    return {options, boxOptions.front() + " sets glyph boxes; --layout cells keeps the texture's cells"};
  } else if (options.outputs.descriptor && !options.base.empty() && !NamesPages(options.base)) {
    return {options, "-o takes a name in UTF-8 without control characters or '\"' for a descriptor: it names its "
                     "pages with it"};
  } else if (std::string conflict = FallbackConflict(options); !conflict.empty()) {
    return {options, conflict};
  } else if (!options.characters.empty() && options.outputs.params) {
    return {options, options.outputs.descriptor
                         ? "--chars and --chars-file do not go with --format params, which holds the 224 characters of "
                           "the 8-bit texture; bake the params file in a bake of its own"
                         : "--chars and --chars-file need --format fnt, fnt-xml or fnt-binary: a params file holds 224 "
                           "characters"};
  } else if (!positional.empty()) {
    if (positional.size() > 1) return {options, "one params file at a time"};
    if (fontOptions) return {options, "a params file and font options do not go together"};
    options.mode = BakeOptions::Mode::FromParams;
    options.paramsPath = positional.front();
  } else if (fontGiven || !options.fontFiles.empty()) {
    const std::string named = fontGiven ? "--font" : "--font-file";
    // An empty name is no face: the font library would choose one, which --strict forbids.
    if (fontGiven && options.strict && options.face.empty()) {
      return {options, "--strict needs a face name: an empty one names no face"};
    }
    if (!options.height) return {options, named + " needs --height"};
    if (options.base.empty()) return {options, named + " needs -o BASE"};
    options.mode = BakeOptions::Mode::FromOptions;
  } else {
    return {options, "nothing to do: give a params file, --font FACE --height N -o BASE, or --list-fonts"};
  }
  if (std::string error = CheckEffectOptions(options); !error.empty()) return {options, error};
  return parsed;
}

std::string OutputBase(const BakeOptions& options) {
  if (!options.base.empty()) return options.base;
  const std::filesystem::path params(options.paramsPath);
  return (params.parent_path() / params.stem()).string();
}

const char* BakeUsage() {
  return "Usage:\n"
         "  vantor-bake PARAMS [-o BASE]\n"
         "      Reads a params file as \"Load Font params\" does and writes BASE.tga and BASE.txt\n"
         "      (BASE defaults to PARAMS without its extension, beside it).\n"
         "  vantor-bake --font FACE --height N [--width N] [--weight N] [--italic] [--charset N]\n"
         "              [--quality N] [--texture-width N] [--leading N] [--kerning N] -o BASE\n"
         "      Bakes from the start settings changed by the options given.\n"
         "  --format F  What to write; may be given more than once:\n"
         "      params      BASE.tga and BASE.txt (the default)\n"
         "      fnt         BASE.fnt, a text BMFont descriptor, and its page BASE_0.png\n"
         "      fnt-xml     BASE.fnt as XML, and BASE_0.png\n"
         "      fnt-binary  BASE.fnt in the binary variant (version 3), and BASE_0.png\n"
         "  --chars RANGES, --chars-file FILE  (each may be repeated; not with --format params)\n"
         "              Bake these Unicode characters instead of an 8-bit set, on pages BASE_0.png,\n"
         "              BASE_1.png...: RANGES are code points and FIRST-LAST ranges, decimal or 0x hex,\n"
         "              comma-separated; FILE is a UTF-8 text, every character but line ends.\n"
         "  --layout L  How a descriptor's pages hold the characters:\n"
         "      packed      (the default) each character's own ink, whole, in a box of its own,\n"
         "                  packed on as few and as small pages as hold them\n"
         "      cells       the params texture's rows of cells (a fixed grid), as wide as --texture-width\n"
         "  --padding N | UP,RIGHT,DOWN,LEFT  Pixels around each box's ink (0..64; default 0).\n"
         "  --spacing N | H,V  Pixels between boxes (0..64; default 1, so filtering never reads a neighbour).\n"
         "  --page-size W[xH]  The largest page (8..4096; default 4096): each page is the smallest\n"
         "              power of two that holds its boxes, or cropped to them with --no-pot.\n"
         "  --sdf SPREAD  Draw signed distance fields instead of coverage (SPREAD 2..32 pixels):\n"
         "              128 on the outline, more inside; every cell grows by SPREAD on each side.\n"
         "  --strict    Refuse (exit 2, nothing written) when no face carries the font's name;\n"
         "              without it a warning names the face the texture is drawn with.\n"
         "  --fallback FACE  (may be repeated; with --chars or --chars-file) Draw each character the\n"
         "              face lacks from the first fallback face that has it, at the face's pixels\n"
         "              per em and on its baseline; kerning only between characters of one face.\n"
         "  --font-file PATH  (may be repeated) Read the faces of a TrueType, OpenType or\n"
         "              collection file as if installed, for this run; --font picks among them\n"
         "              by family name; without --font the first file's first face is baked.\n"
         "  vantor-bake --config FILE [OPTIONS]\n"
         "      Bakes every [[font]] table of a TOML bake file (keys: the long options without\n"
         "      dashes, output for -o, params for a params file; paths relative to the file);\n"
         "      OPTIONS given override every table's.\n"
         "  --watch     After baking, bake again whenever a file read changes; Ctrl+C ends it.\n"
         "  --quiet     Say nothing but errors.\n"
         "  vantor-bake --list-fonts [--font-file PATH...]\n"
         "      Prints the installed faces (and those of the font files), one a line; a\n"
         "      backslash, a line end or another control character is escaped (\\\\, \\n, \\xHH),\n"
         "      and --font takes the name as printed.\n"
         "Ranges: height 1..511, width 0..255, texture width 8..4096, leading and kerning -255..255,\n"
         "charset and quality 0..255.\n"
         "BASE may end in .tga, .txt or .fnt; that ending is taken off. Existing output files are\n"
         "replaced together, all or none; a second bake into the same folder waits for the first.\n"
         "A bake never replaces the params file it reads. Exit status: 0 done, 1 the bake failed,\n"
         "2 a wrong command line.\n";
}

}  // namespace vantor::bake
