#include "files/BmfontExport.h"

#include "files/BitmapFontBuild.h"
#include "files/PngPage.h"
#include "files/TextureTga.h"

#include <memory>

namespace vantor::files {

namespace {

std::string FileNameOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::string BmfontPagePath(const std::string& descriptorPath, std::size_t page) {
  std::string base = descriptorPath;
  constexpr std::string_view kExtension = ".fnt";
  if (base.size() > kExtension.size() && base.ends_with(kExtension) && !base.ends_with("/.fnt")) {
    base.resize(base.size() - kExtension.size());
  }
  return base + "_" + std::to_string(page) + ".png";
}

FileResult AddBmfontOutputs(Fonter& engine, const std::string& descriptorPath, BmfontVariant variant,
                            std::vector<FileOutput>& outputs) {
  const std::string pagePath = BmfontPagePath(descriptorPath);
  // The page's sides are 16-bit fields of the descriptor, as they are of the texture file.
  if (engine.texture == nullptr || !TgaCanDescribe(engine.texture.get())) {
    return FileFailure(FileStatus::TextureTooLarge, pagePath);
  }
  auto font = std::make_shared<BitmapFontDescription>(DescribeBitmapFont(engine, FileNameOf(pagePath)));
  outputs.push_back({descriptorPath, [font, variant](ByteSink& sink) { return WriteBmfont(sink, *font, variant); }});
  const platform::Bitmap* page = engine.texture.get();
  outputs.push_back({pagePath, [page](ByteSink& sink) { return WritePngPage(sink, page); }});
  return {};
}

FileResult AddCharacterSetOutputs(Fonter& engine, std::shared_ptr<const SetLayout> layout,
                                  const std::string& descriptorPath, BmfontVariant variant,
                                  std::vector<FileOutput>& outputs) {
  std::vector<std::string> pageNames;
  for (std::size_t page = 0; page < layout->pageHeights.size(); ++page) {
    pageNames.push_back(FileNameOf(BmfontPagePath(descriptorPath, page)));
  }
  auto font = std::make_shared<BitmapFontDescription>(DescribeCharacterSet(engine, *layout, pageNames));
  outputs.push_back({descriptorPath, [font, variant](ByteSink& sink) { return WriteBmfont(sink, *font, variant); }});
  for (std::size_t page = 0; page < layout->pageHeights.size(); ++page) {
    outputs.push_back({BmfontPagePath(descriptorPath, page), [&engine, layout, page](ByteSink& sink) {
                         const std::unique_ptr<platform::Bitmap> image = engine.DrawSetPage(*layout, page);
                         return WritePngPage(sink, image.get());
                       }});
  }
  return {};
}

FileResult ExportBmfont(Fonter& engine, const std::string& descriptorPath, BmfontVariant variant) {
  std::vector<FileOutput> outputs;
  if (FileResult added = AddBmfontOutputs(engine, descriptorPath, variant, outputs); !added.Ok()) return added;
  return ReplaceFiles(outputs);
}

}  // namespace vantor::files
