#include "engine/FaceContexts.h"
#include "engine/Fonter.h"


#include <algorithm>

namespace vantor {

void Fonter::SetFallbacks(std::vector<std::string> names) {
  fallbackNames_ = std::move(names);
  MakeFallbackFonts();
}

void Fonter::MakeFallbackFonts() {
  fallbackFonts_.clear();
  const platform::SizedFace* main = font && font->IsUsable() ? font->Face() : nullptr;
  if (main == nullptr) return;
  for (const std::string& name : fallbackNames_) {
    // The font's description with another face, sized by its em rather than its cell:
    // a negative height is the em, so letters of both faces match in scale.
    LOGFONTA desc = font->Description();
    fontSystem.KnowFaceName(name);
    platform::SetFaceName(desc, name.c_str());
    desc.lfHeight = -main->PixelsPerEm();
    fallbackFonts_.push_back(platform::Font::Create(fontSystem, desc));
  }
}

int Fonter::FaceFor(char32_t codePoint) {
  if (platform::SizedFace* main = DrawingFace(); main != nullptr && main->HasCodePoint(codePoint)) return 0;
  for (std::size_t i = 0; i < fallbackFonts_.size(); ++i) {
    platform::Font& fallback = *fallbackFonts_[i];
    if (fallback.IsUsable() && fallback.Face()->HasCodePoint(codePoint)) return static_cast<int>(i) + 1;
  }
  return -1;
}

platform::Font* Fonter::FontOfFace(int face) {
  if (face == 0) return font.get();
  if (face < 0 || static_cast<std::size_t>(face) > fallbackFonts_.size()) return nullptr;
  return fallbackFonts_[static_cast<std::size_t>(face) - 1].get();
}

std::vector<platform::KerningPair> Fonter::Kerning(const std::vector<std::uint32_t>& codePoints) {
  platform::SizedFace* face = DrawingFace();
  if (face == nullptr) return {};
  if (fallbackFonts_.empty()) return platform::FaceKerning(*face, codePoints);
  // Each face kerns its own characters; no pair spans two faces.
  std::vector<std::vector<std::uint32_t>> byFace(fallbackFonts_.size() + 1);
  for (const std::uint32_t codePoint : codePoints) {
    const int at = FaceFor(codePoint);
    if (at >= 0) byFace[static_cast<std::size_t>(at)].push_back(codePoint);
  }
  std::vector<platform::KerningPair> pairs;
  for (std::size_t at = 0; at < byFace.size(); ++at) {
    if (byFace[at].empty()) continue;
    platform::Font* drawing = FontOfFace(static_cast<int>(at));
    platform::SizedFace* sized = at == 0 ? face : drawing != nullptr ? drawing->Face() : nullptr;
    if (sized == nullptr) continue;
    const std::vector<platform::KerningPair> own = platform::FaceKerning(*sized, byFace[at]);
    pairs.insert(pairs.end(), own.begin(), own.end());
  }
  std::sort(pairs.begin(), pairs.end(), [](const platform::KerningPair& l, const platform::KerningPair& r) {
    return l.first != r.first ? l.first < r.first : l.second < r.second;
  });
  return pairs;
}

FaceContexts::FaceContexts(Fonter& engine) {
  const platform::SizedFace* main = engine.DrawingFace();
  for (int face = 0;; ++face) {
    platform::Font* font = engine.FontOfFace(face);
    if (face > 0 && font == nullptr) break;
    auto context = std::make_unique<platform::MemoryContext>(engine.FontSystemOf());
    context->SelectFont(font);
    context->SetFieldSpread(engine.FieldSpread());
    const platform::SizedFace* own = face == 0 || font == nullptr || !font->IsUsable() ? main : font->Face();
    shifts_.push_back(main != nullptr && own != nullptr ? main->Ascent() - own->Ascent() : 0);
    contexts_.push_back(std::move(context));
  }
}

void FaceContexts::SelectBitmap(platform::Bitmap* image) {
  for (auto& context : contexts_) context->SelectBitmap(image);
}

}  // namespace vantor
