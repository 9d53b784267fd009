#include "files/export/SaveFile.h"

#include "files/disk/ReplaceFiles.h"
#include "files/formats/ParamsWriter.h"
#include "files/formats/TextureTga.h"

namespace vantor::files {

FileResult CheckTextureSize(const platform::Bitmap* texture, const std::string& path, FileStatus tooLarge) {
  if (!TgaCanDescribe(texture)) return FileFailure(tooLarge, path);
  return {};
}

FileResult WriteTextureTga(const std::string& path, const platform::Bitmap* texture) {
  if (FileResult size = CheckTextureSize(texture, path); !size.Ok()) return size;
  return ReplaceFile(path, [texture](ByteSink& out) { return WriteTextureTga(out, texture); });
}

FileResult WriteParamsFile(const std::string& path, const Fonter& engine) {
  return ReplaceFile(path, [&engine](ByteSink& out) { return WriteParamsFile(out, engine); });
}

}  // namespace vantor::files
