#include "engine/Fonter.h"
#include "files/formats/ParamsFormat.h"
#include "files/export/ParamsLoad.h"
#include "files/formats/ReaderKeyFile.h"

#include <algorithm>
#include <cerrno>
#include <string>

namespace vantor {

LoadParamsResult Fonter::LoadParams(const std::string& path) {
  using namespace files;
  const ReaderKeyFile reader(path);
  if (!reader.Opened()) return {LoadParamsStatus::CannotOpen, reader.Error(), {}};
  const bool anyKey =
      std::any_of(kReadKeys.begin(), kReadKeys.end(), [&reader](std::string_view key) { return reader.HasKey(key); });
  if (!anyKey) return {LoadParamsStatus::NotParamsFile, 0, {}};
  // Every value is checked before anything changes, so a refused file leaves the engine as it was.
  // A missing key reads as 0, so a file without "Height" or "Texture width" is refused too.
  for (const ParamRange& range : kParamRanges) {
    const std::int32_t value = reader.GetInt(range.key);
    if (value < range.min || value > range.max) {
      return {LoadParamsStatus::ValueOutOfRange, 0, std::string(range.key)};
    }
  }

  FontSettings settings;
  // The face-name field holds 31 bytes; a longer name is cut at a UTF-8 character boundary.
  settings.face = reader.GetString(kFontKey);
  settings.charset = static_cast<std::uint8_t>(reader.GetInt(kCharsetKey) & 0xFF);
  settings.quality = static_cast<std::uint8_t>(reader.GetInt(kQualityKey) & 0xFF);
  settings.width = reader.GetInt(kWidthKey);
  settings.height = reader.GetInt(kHeightKey);
  settings.weight = reader.GetInt(kWeightKey);
  settings.italic = reader.GetInt(kItalicKey) != 0;
  // The settings come before Build, so the new layout uses them.
  textureWidth = reader.GetInt(kTextureWidthKey);
  leading = reader.GetInt(kLeadingKey);
  kerning = reader.GetInt(kKerningKey);
  // Made from the settings alone: nothing of the font before the file is kept.
  Build(FontDescription(settings));
  return {};
}

}  // namespace vantor

namespace vantor::files {

FileResult DescribeLoadParams(const LoadParamsResult& result, const std::string& path) {
  switch (result.status) {
    case LoadParamsStatus::Loaded:
      return {};
    case LoadParamsStatus::CannotOpen:
      if (result.error == EFBIG) return FileFailure(FileStatus::ParamsTooLarge, path, std::to_string(kMaxParamsFileSize));
      return FileFailureFromErrno(result.error, FileAccess::Read, path);
    case LoadParamsStatus::NotParamsFile:
      return FileFailure(FileStatus::NotParamsFile, path);
    case LoadParamsStatus::ValueOutOfRange:
      return FileFailure(FileStatus::ValueOutOfRange, path, result.key);
  }
  return FileFailure(FileStatus::UnknownError, path);
}

}  // namespace vantor::files
