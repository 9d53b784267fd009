#include "platform/FontSystem.h"

#include "platform/FontMatch.h"

#include <cstring>

namespace vantor::platform {

namespace {

constexpr std::int32_t kDefaultCellHeight = 16;
constexpr std::int32_t kDefaultWeight = 400;
constexpr std::uint8_t kDefaultCharset = 1;

}  // namespace

FontSystem::FontSystem() : library_(StartFreeType()) {}

FontSystem::~FontSystem() = default;

const FontMatch& FontSystem::Match(const LOGFONTA& desc) {
  const std::string face(desc.lfFaceName, strnlen(desc.lfFaceName, sizeof desc.lfFaceName));
  const auto key = std::make_tuple(face, desc.lfWeight, desc.lfItalic != 0, desc.lfCharSet);
  if (auto found = matches_.find(key); found != matches_.end()) return found->second;
  return matches_.emplace(key, MatchFont(desc)).first->second;
}

std::shared_ptr<FontFile> FontSystem::OpenFace(const std::string& path, int index) {
  const auto key = std::make_pair(path, index);
  if (auto found = faces_.find(key); found != faces_.end()) return found->second;
  std::shared_ptr<FontFile> file = FontFile::Open(library_, path, index);
  if (file) faces_.emplace(key, file);
  return file;
}

const CharsetMapping& FontSystem::Mapping(std::uint8_t charset) {
  std::unique_ptr<CharsetMapping>& mapping = mappings_[charset];
  if (!mapping) mapping = std::make_unique<CharsetMapping>(BuildCharsetMapping(charset));
  return *mapping;
}

LOGFONTA FontSystem::DefaultDescription() {
  LOGFONTA desc;
  desc.lfHeight = kDefaultCellHeight;
  desc.lfWeight = kDefaultWeight;
  desc.lfCharSet = kDefaultCharset;
  SetFaceName(desc, DefaultFaceName().c_str());
  return desc;
}

Font& FontSystem::DefaultFont() {
  if (!defaultFont_) defaultFont_ = Font::Create(*this, DefaultDescription());
  return *defaultFont_;
}

}  // namespace vantor::platform
