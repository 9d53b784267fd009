#pragma once

// The formats layer: encoders that write into a ByteSink and never open a path,
// and the readers of params and character-set files. Above the disk layer, below
// the export layer.
//
// The formats a bake can write, with the one table of their names. The user's
// text (a --format value, a file chooser's filter) is turned into an
// OutputFormat where it enters; everything after works with the type.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace vantor::files {

/// What a bake can write.
enum class OutputFormat {
  Params,        ///< the TGA texture and its params file
  BmfontText,    ///< a text BMFont descriptor with PNG pages
  BmfontXml,     ///< an XML BMFont descriptor with PNG pages
  BmfontBinary,  ///< a binary (version 3) BMFont descriptor with PNG pages
};

/// One format's names: on the command line, and in a file chooser's filter list.
struct OutputFormatName {
  OutputFormat format;
  std::string_view name;          ///< the --format value
  std::string_view chooserLabel;  ///< the English filter text a chooser shows; empty for Params
};

/// Every format, the descriptors in the order a file chooser offers them.
inline constexpr std::array<OutputFormatName, 4> kOutputFormats{{
    {OutputFormat::Params, "params", ""},
    {OutputFormat::BmfontText, "fnt", "BMFont text (*.fnt)"},
    {OutputFormat::BmfontXml, "fnt-xml", "BMFont XML (*.fnt)"},
    {OutputFormat::BmfontBinary, "fnt-binary", "BMFont binary (*.fnt)"},
}};

/// The descriptor formats, in the order a file chooser offers them (filter 0, 1, 2).
inline constexpr std::array<OutputFormat, 3> kDescriptorFormats{OutputFormat::BmfontText, OutputFormat::BmfontXml,
                                                                OutputFormat::BmfontBinary};

/// The format `name` stands for; none for a name no format has.
std::optional<OutputFormat> OutputFormatNamed(std::string_view name);

/// The names of `format`.
const OutputFormatName& NamesOf(OutputFormat format);

/// Every --format value, comma-separated, in table order.
std::string OutputFormatList();

/// True for the BMFont descriptor formats.
constexpr bool IsDescriptor(OutputFormat format) { return format != OutputFormat::Params; }

}  // namespace vantor::files
