#include "files/export/BakeOutputs.h"

#include "files/disk/ReadRegularFile.h"
#include "files/export/DescribeFont.h"
#include "files/export/SaveFile.h"
#include "files/formats/ParamsWriter.h"
#include "files/formats/PngPage.h"
#include "files/formats/TextureTga.h"
#include "files/formats/bmfont/BmfontPageNames.h"
#include "files/formats/bmfont/BmfontWriters.h"

#include <algorithm>
#include <string_view>

namespace vantor::files {

namespace {

// The largest descriptor read back for its page names; a font of every Unicode
// character with its kerning stays far below it.
constexpr std::size_t kMaxOldDescriptorSize = std::size_t{64} << 20;

std::string FileNameOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// True for "NAME_<digits>.png": a page name a bake into NAME gives.
bool IsPageNameOf(const std::string& name, const std::string& baseName) {
  const std::string prefix = baseName + "_";
  if (!name.starts_with(prefix) || !name.ends_with(".png")) return false;
  const std::string_view digits = std::string_view(name).substr(prefix.size(), name.size() - prefix.size() - 4);
  return !digits.empty() && digits.find_first_not_of("0123456789") == std::string_view::npos;
}

}  // namespace

// Only this base's own page names, beside the base: an old or hostile descriptor
// cannot name anything else to remove.
std::vector<std::string> StalePages(const std::string& base, const OutputPaths& paths) {
  std::vector<std::string> stale;
  if (paths.descriptor.empty()) return stale;
  const FileBytes old = ReadRegularFile(paths.descriptor, kMaxOldDescriptorSize);
  if (old.error != 0) return stale;
  const std::string baseName = FileNameOf(base);
  const std::string folder = base.substr(0, base.size() - baseName.size());
  for (const std::string& name : BmfontPageNames(old.bytes)) {
    const std::string path = folder + name;
    if (!IsPageNameOf(name, baseName) || std::find(paths.pages.begin(), paths.pages.end(), path) != paths.pages.end() ||
        std::find(stale.begin(), stale.end(), path) != stale.end()) {
      continue;
    }
    stale.push_back(path);
  }
  return stale;
}


std::vector<std::string> OutputPaths::All() const {
  std::vector<std::string> all;
  for (const std::string* path : {&texture, &params, &descriptor}) {
    if (!path->empty()) all.push_back(*path);
  }
  all.insert(all.end(), pages.begin(), pages.end());
  return all;
}

std::string BaseOf(std::string path) {
  for (const std::string_view extension : {".tga", ".txt", ".fnt"}) {
    if (path.size() > extension.size() && path.ends_with(extension)) {
      path.resize(path.size() - extension.size());
      break;
    }
  }
  return path;
}

OutputPaths NameOutputs(const std::string& base, const OutputChoice& choice, std::size_t pageCount) {
  OutputPaths paths;
  if (choice.params) {
    paths.texture = base + ".tga";
    paths.params = base + ".txt";
  }
  if (choice.descriptor) {
    paths.descriptor = base + ".fnt";
    // A binary descriptor needs page names of one length: from 11 pages on, the
    // numbers are zero-padded to the last one's width in every format alike.
    const std::size_t width = pageCount > 10 ? std::to_string(pageCount - 1).size() : 0;
    for (std::size_t page = 0; page < pageCount; ++page) {
      const std::string number = std::to_string(page);
      paths.pages.push_back(base + "_" + std::string(width > number.size() ? width - number.size() : 0, '0') + number +
                            ".png");
    }
  }
  return paths;
}

BakeFont TextureFont(Fonter& engine) { return {std::make_shared<const SetLayout>(engine.TextureLayout()), true}; }

BakeFont SetFont(Fonter& engine, const std::vector<char32_t>& codePoints) {
  return {std::make_shared<const SetLayout>(engine.LayOutSet(codePoints)), false};
}

FileResult AddBakeOutputs(Fonter& engine, const BakeFont& font, const OutputPaths& paths, const OutputChoice& choice,
                          std::vector<FileOutput>& outputs, const PageProgress& progress) {
  // The params pair and a page that is the texture both write the engine's texture.
  if (font.texture || choice.params) {
    const std::string& first = choice.params ? paths.texture : paths.pages.empty() ? paths.descriptor : paths.pages.front();
    const FileStatus tooLarge = choice.params ? FileStatus::TextureTooLarge : FileStatus::PageTooLarge;
    if (engine.texture == nullptr) return FileFailure(tooLarge, first);
    if (FileResult size = CheckTextureSize(engine.texture.get(), first, tooLarge); !size.Ok()) return size;
  }
  if (choice.params) {
    outputs.push_back({paths.texture, [&engine](ByteSink& sink) { return WriteTextureTga(sink, engine.texture.get()); }});
    outputs.push_back({paths.params, [&engine](ByteSink& sink) { return WriteParamsFile(sink, engine); }});
  }
  if (!choice.descriptor) return {};
  std::vector<std::string> pageNames;
  for (const std::string& page : paths.pages) pageNames.push_back(FileNameOf(page));
  auto described = std::make_shared<BitmapFontDescription>(DescribeFont(engine, *font.layout, pageNames));
  const OutputFormat format = *choice.descriptor;
  outputs.push_back(
      {paths.descriptor, [described, format](ByteSink& sink) { return WriteBmfont(sink, *described, format); }});
  for (std::size_t page = 0; page < paths.pages.size(); ++page) {
    if (font.texture) {
      outputs.push_back({paths.pages[page], [&engine](ByteSink& sink) { return WritePngPage(sink, engine.texture.get()); }});
      continue;
    }
    if (font.layout->effects.Any()) {
      outputs.push_back({paths.pages[page], [&engine, layout = font.layout, page, progress](ByteSink& sink) {
                           const std::optional<ColourImage> image = engine.DrawEffectsPage(*layout, page);
                           if (progress) progress(page + 1, layout->pageHeights.size(), layout->glyphs.size());
                           return image && WriteColourPngPage(sink, &*image);
                         }});
      continue;
    }
    outputs.push_back({paths.pages[page], [&engine, layout = font.layout, page, progress](ByteSink& sink) {
                         const std::unique_ptr<platform::Bitmap> image = engine.DrawSetPage(*layout, page);
                         if (progress) progress(page + 1, layout->pageHeights.size(), layout->glyphs.size());
                         return WritePngPage(sink, image.get());
                       }});
  }
  return {};
}

FileResult WriteBake(Fonter& engine, const BakeFont& font, const std::string& base, const OutputChoice& choice,
                     const PageProgress& progress) {
  const OutputPaths paths = NameOutputs(base, choice, font.layout->pageHeights.size());
  std::vector<FileOutput> outputs;
  if (FileResult added = AddBakeOutputs(engine, font, paths, choice, outputs, progress); !added.Ok()) return added;
  return ReplaceFiles(outputs, StalePages(base, paths));
}

}  // namespace vantor::files
