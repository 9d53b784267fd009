#include "files/formats/OutputFormat.h"

namespace vantor::files {

std::optional<OutputFormat> OutputFormatNamed(std::string_view name) {
  for (const OutputFormatName& entry : kOutputFormats) {
    if (entry.name == name) return entry.format;
  }
  return std::nullopt;
}

const OutputFormatName& NamesOf(OutputFormat format) {
  for (const OutputFormatName& entry : kOutputFormats) {
    if (entry.format == format) return entry;
  }
  return kOutputFormats.front();
}

std::string OutputFormatList() {
  std::string list;
  for (const OutputFormatName& entry : kOutputFormats) {
    if (!list.empty()) list += ", ";
    list += entry.name;
  }
  return list;
}

}  // namespace vantor::files
