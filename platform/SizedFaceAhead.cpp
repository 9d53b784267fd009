// Rendering many characters at once on two threads. A FreeType library and its
// faces serve one thread at a time, so the second thread opens the face anew on
// a library of its own, sizes it as this face is and rasterises with the same
// style: its characters are the very ones this face would render.
#include "platform/SizedFace.h"

#include "platform/BuildStop.h"

#include <algorithm>
#include <atomic>
#include <future>
#include <unordered_set>

namespace vantor::platform {

void SizedFace::RenderAhead(const std::vector<std::uint8_t>& bytes) {
  std::vector<FT_UInt> indices;
  indices.reserve(bytes.size());
  for (const std::uint8_t byte : bytes) indices.push_back(glyphIndex_[byte]);
  RenderAhead(PendingOf(indices));
}

void SizedFace::RenderAhead(const std::vector<char32_t>& codePoints) {
  std::vector<FT_UInt> indices;
  indices.reserve(codePoints.size());
  for (const char32_t codePoint : codePoints) indices.push_back(CodePointIndex(codePoint));
  RenderAhead(PendingOf(indices));
}

std::vector<SizedFace::Pending> SizedFace::PendingOf(const std::vector<FT_UInt>& indices) {
  std::vector<Pending> pending;
  std::unordered_set<FT_UInt> queued;
  for (const FT_UInt index : indices) {
    std::optional<RenderedGlyph>& slot = rendered_[index];
    if (!slot && queued.insert(index).second) pending.emplace_back(&slot, index);
  }
  return pending;
}

void SizedFace::RenderAhead(const std::vector<Pending>& pending) {
  std::shared_ptr<FontFile> twin = pending.size() > 1 ? file_->Reopen() : nullptr;
  const FreeTypeSizePtr twinSize = twin ? NewSize(twin->Face(), emX_, emY_) : nullptr;
  // In batches, so no more is rendered than the memory budget keeps: the rest
  // renders when asked for, as without rendering ahead.
  constexpr std::size_t kBatch = 128;
  for (std::size_t start = 0; start < pending.size() && keptBytes_ < kKeptCoverageBudget && !StopAsked(); start += kBatch) {
    const std::size_t end = std::min(pending.size(), start + kBatch);
    std::vector<RenderedGlyph> rendered(end - start);
    // Both threads take the next character not taken yet, so neither waits on
    // the other's harder characters, nor on a second thread the machine runs late.
    std::atomic<std::size_t> next{start};
    std::future<void> theirs;
    if (twinSize && end - start > 1) {
      theirs = std::async(std::launch::async, [&, end, stop = ThreadStopFlag()] {
        const StopScope scope(stop);  // the twin's thread stops with this one
        for (std::size_t i = next++; i < end; i = next++) {
          rendered[i - start] = Render(twin->Face(), twinSize.get(), style_, pending[i].second);
        }
      });
    }
    for (std::size_t i = next++; i < end; i = next++) rendered[i - start] = Render(pending[i].second);
    if (theirs.valid()) theirs.get();
    for (std::size_t i = start; i < end; ++i) KeepIfRoom(*pending[i].first, std::move(rendered[i - start]));
  }
}

std::vector<RenderedGlyph> SizedFace::StrokedGlyphs(const std::vector<CharacterName>& characters, int radius) {
  std::vector<FT_UInt> indices;
  indices.reserve(characters.size());
  for (const CharacterName& name : characters) {
    const bool byte = name.byte >= 0;
    indices.push_back(byte ? glyphIndex_[static_cast<std::uint8_t>(name.byte)] : CodePointIndex(name.codePoint));
  }
  std::vector<RenderedGlyph> stroked(indices.size());
  // Both threads take the next character not taken yet, so that a second thread the
  // machine runs late (or never) costs this one nothing but the wait for its last.
  std::atomic<std::size_t> next{0};
  std::future<void> theirs;
  if (indices.size() > 1) {
    theirs = std::async(std::launch::async, [&] {
      const std::shared_ptr<FontFile> twin = file_->Reopen();
      const FreeTypeSizePtr twinSize = twin ? NewSize(twin->Face(), emX_, emY_) : nullptr;
      if (!twinSize) return;
      for (std::size_t i = next++; i < indices.size(); i = next++) {
        stroked[i] = Render(twin->Face(), twinSize.get(), style_, indices[i], radius);
      }
    });
  }
  for (std::size_t i = next++; i < indices.size(); i = next++) stroked[i] = Render(indices[i], radius);
  if (theirs.valid()) theirs.get();
  return stroked;
}

}  // namespace vantor::platform
