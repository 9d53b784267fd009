#include "platform/FontSystem.h"

#include "platform/FontMatch.h"

#include <strings.h>

#include <algorithm>
#include <cstring>

namespace vantor::platform {

namespace {

constexpr std::int32_t kDefaultCellHeight = 16;
constexpr std::int32_t kDefaultWeight = 400;
constexpr std::uint8_t kDefaultCharset = 1;
constexpr std::size_t kLongestUtf8Character = 4;

}  // namespace

FontSystem::FontSystem() : library_(StartFreeType()) {}

FontSystem::~FontSystem() = default;

const FontMatch& FontSystem::Match(const LOGFONTA& desc) {
  const std::string face = FullFaceName(desc);
  const auto key = std::make_tuple(face, desc.lfWeight, desc.lfItalic != 0, desc.lfCharSet);
  if (auto found = matches_.find(key); found != matches_.end()) return found->second;
  return matches_.emplace(key, MatchFont(desc, face)).first->second;
}

void FontSystem::KnowFaceName(const std::string& name) {
  LOGFONTA cut;
  SetFaceName(cut, name.c_str());
  const std::string kept(cut.lfFaceName);
  if (kept.size() < name.size()) longNames_[kept] = name;
}

std::string FontSystem::FullFaceName(const LOGFONTA& desc) {
  std::string face(desc.lfFaceName, strnlen(desc.lfFaceName, sizeof desc.lfFaceName));
  // A cut stops within the last UTF-8 character's reach of the limit; shorter names are whole.
  if (face.size() + kLongestUtf8Character < sizeof desc.lfFaceName) return face;
  if (auto known = longNames_.find(face); known != longNames_.end()) return known->second;
  if (families_.empty()) families_ = FaceList();
  const auto named = [&face](const std::string& family) { return strcasecmp(family.c_str(), face.c_str()) == 0; };
  if (std::any_of(families_.begin(), families_.end(), named)) return face;
  for (const std::string& family : families_) {
    if (family.size() > face.size() && strncasecmp(family.c_str(), face.c_str(), face.size()) == 0) return family;
  }
  return face;
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
