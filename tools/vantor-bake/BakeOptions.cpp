#include "BakeOptions.h"

#include "files/ParamsFormat.h"

#include <charconv>
#include <filesystem>
#include <string_view>

namespace vantor::bake {

namespace {

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

}  // namespace

ParsedOptions ParseBakeOptions(const std::vector<std::string>& args) {
  ParsedOptions parsed;
  BakeOptions& options = parsed.options;
  bool listFonts = false;
  bool help = false;
  bool fontGiven = false;
  std::vector<std::string> positional;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool hasValue = i + 1 < args.size();
    if (arg == "-h" || arg == "--help") {
      help = true;
    } else if (arg == "--list-fonts") {
      listFonts = true;
    } else if (arg == "--italic") {
      options.italic = true;
    } else if (arg == "-o" || arg == "--font") {
      if (!hasValue) return {options, arg + " needs a value"};
      (arg == "-o" ? options.base : options.face) = args[++i];
      fontGiven = fontGiven || arg == "--font";
    } else if (arg == "--chars" || arg == "--chars-file") {
      if (!hasValue) return {options, arg + " needs a value"};
      options.characters.push_back({arg == "--chars-file", args[++i]});
    } else if (arg.size() > 1 && arg[0] == '-') {
      const NumberOption* option = nullptr;
      for (const NumberOption& candidate : kNumberOptions) {
        if (candidate.flag == arg) option = &candidate;
      }
      if (option == nullptr) return {options, "unknown option " + arg};
      if (!hasValue) return {options, arg + " needs a value"};
      if (std::string error = ParseNumber(*option, args[++i], options); !error.empty()) return {options, error};
    } else {
      positional.push_back(arg);
    }
  }

  const bool fontOptions = fontGiven || options.italic || options.height || options.width || options.weight ||
                           options.charset || options.quality || options.textureWidth || options.leading ||
                           options.kerning;
  if (help) {
    options.mode = BakeOptions::Mode::Help;
  } else if (listFonts) {
    if (fontOptions || !positional.empty() || !options.base.empty() || !options.characters.empty()) {
      return {options, "--list-fonts takes no other argument"};
    }
    options.mode = BakeOptions::Mode::ListFonts;
  } else if (!options.characters.empty()) {
    // Only a descriptor of the BMFont kind can hold more than the 224 characters of a params file.
    return {options, "--chars and --chars-file need a descriptor format: a params file holds only 224 characters"};
  } else if (!positional.empty()) {
    if (positional.size() > 1) return {options, "one params file at a time"};
    if (fontOptions) return {options, "a params file and font options do not go together"};
    options.mode = BakeOptions::Mode::FromParams;
    options.paramsPath = positional.front();
  } else if (fontGiven) {
    if (!options.height) return {options, "--font needs --height"};
    if (options.base.empty()) return {options, "--font needs -o BASE"};
    options.mode = BakeOptions::Mode::FromOptions;
  } else {
    return {options, "nothing to do: give a params file, --font FACE --height N -o BASE, or --list-fonts"};
  }
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
         "  --chars RANGES, --chars-file FILE (each may be repeated)\n"
         "      Bake these Unicode characters instead of an 8-bit set, on pages BASE_0.png, BASE_1.png...\n"
         "      RANGES: code points and FIRST-LAST ranges, decimal or 0x hex, comma-separated;\n"
         "      FILE: every character of a UTF-8 text but line ends. Not for the params format.\n"
         "  vantor-bake --list-fonts\n"
         "      Prints the installed faces, one a line.\n"
         "Ranges: height 1..511, width 0..255, texture width 8..4096, leading and kerning -255..255,\n"
         "charset and quality 0..255. Existing output files are replaced.\n";
}

}  // namespace vantor::bake
