#pragma once

#include "files/export/BakeOutputs.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vantor::bake {

/// What one run of vantor-bake is asked to do.
struct BakeOptions {
  /// The four kinds of run.
  enum class Mode { Help, ListFonts, FromParams, FromOptions };

  Mode mode = Mode::Help;
  std::string paramsPath;  ///< the params file read (FromParams)
  std::string base;        ///< output path without ".tga" / ".txt"; empty: beside the params file
  std::string face;        ///< --font; empty with font files: the first file's first face
  std::vector<std::string> fontFiles;  ///< --font-file, in order: faces read without being installed
  std::vector<std::string> fallbacks;  ///< --fallback, in order: faces drawing what the face lacks
  std::optional<std::int32_t> height, width, weight, charset, quality;  ///< font options given
  std::optional<std::int32_t> textureWidth, leading, kerning;          ///< texture options given
  bool italic = false;     ///< --italic
  std::optional<std::int32_t> sdf;  ///< --sdf SPREAD: distance fields reaching SPREAD pixels
  bool strict = false;     ///< --strict: a face name no face carries is an error, not a warning
  /// --format: params (the default) writes BASE.tga and BASE.txt; fnt, fnt-xml or
  /// fnt-binary, BASE.fnt and its pages.
  /// --layout, --padding, --spacing, --page-size and --no-pot set outputs.layout.
  files::OutputChoice outputs{.params = true, .descriptor = std::nullopt, .layout = {}, .effects = {}};

  /// One source of characters: a RANGES list (--chars) or a characters file (--chars-file).
  struct CharacterSource {
    bool file = false;  ///< true for --chars-file
    std::string text;   ///< the list, or the file's path
  };
  std::vector<CharacterSource> characters;  ///< in command-line order; empty: the 8-bit set
};

/// Options, or the reason the command line was refused.
struct ParsedOptions {
  BakeOptions options;
  std::string error;  ///< empty when the command line is sound
  /// The index of the argument the error is about; npos when it is about the whole line.
  std::size_t errorAt = std::string::npos;
};

/// What an option is given with, as a bake file's key holds it.
enum class OptionValue {
  Flag,    ///< nothing: a key of true gives the option, false leaves it out
  Number,  ///< a whole number
  Value,   ///< a text or a whole number
  Path,    ///< a text naming a file, relative to the bake file's folder
  Values,  ///< a value, or a list of them: the option once for each
  Paths,   ///< a path, or a list of them
};

/// One option of a bake: its flag (empty for the params file, given without one) and
/// what follows it. Its bake-file key is the flag without its dashes, "output" for -o
/// and "params" for the params file.
struct BakeOption {
  std::string_view flag;
  OptionValue value;

  std::string_view Key() const { return flag.empty() ? "params" : flag == "-o" ? "output" : flag.substr(2); }
};

/// Every option a bake takes, in the order bake-file keys are listed; ParseBakeOptions reads these.
std::span<const BakeOption> BakeOptionList();

/// Reads the arguments after the program name; numbers outside what the dialog can set are refused.
ParsedOptions ParseBakeOptions(const std::vector<std::string>& args);

/// The output base of a params run: `base` when given, else the params path without its extension.
std::string OutputBase(const BakeOptions& options);

/// The usage text printed by --help.
const char* BakeUsage();

}  // namespace vantor::bake
