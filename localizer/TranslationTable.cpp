#include "TranslationTable.h"

#include <algorithm>
#include <utility>

namespace localizer {

namespace {

// The three bytes that place a key; all three are 0 for the empty key, as for a C string.
struct KeyBytes {
    unsigned char first = 0;
    unsigned char last = 0;
    unsigned char middle = 0;
};

KeyBytes BytesOf(std::string_view key) noexcept
{
    if (key.empty()) {
        return {};
    }
    return {static_cast<unsigned char>(key.front()), static_cast<unsigned char>(key.back()),
            static_cast<unsigned char>(key[key.size() / 2])};
}

template <typename Bucket>
const Bucket* FindTag(const std::vector<Bucket>& buckets, unsigned char tag) noexcept
{
    const auto it = std::find_if(buckets.begin(), buckets.end(),
                                 [tag](const Bucket& bucket) { return bucket.tag == tag; });
    return it == buckets.end() ? nullptr : &*it;
}

template <typename Bucket>
Bucket& FindOrAddTag(std::vector<Bucket>& buckets, unsigned char tag)
{
    const auto it = std::find_if(buckets.begin(), buckets.end(),
                                 [tag](const Bucket& bucket) { return bucket.tag == tag; });
    if (it != buckets.end()) {
        return *it;
    }
    buckets.push_back(Bucket{tag, {}});
    return buckets.back();
}

}  // namespace

void TranslationTable::Add(std::string key, std::string_view text)
{
    const KeyBytes bytes = BytesOf(key);
    LastBucket& last = FindOrAddTag(slots[bytes.first], bytes.last);
    MiddleBucket& middle = FindOrAddTag(last.middles, bytes.middle);
    middle.pairs.push_back(Pair{std::move(key), texts.size()});
    texts.push_back(text);
}

std::size_t TranslationTable::Find(std::string_view key) const noexcept
{
    const KeyBytes bytes = BytesOf(key);
    const LastBucket* last = FindTag(slots[bytes.first], bytes.last);
    if (last == nullptr) {
        return npos;
    }
    const MiddleBucket* middle = FindTag(last->middles, bytes.middle);
    if (middle == nullptr) {
        return npos;
    }
    for (const Pair& pair : middle->pairs) {
        if (pair.key == key) {
            return pair.position;
        }
    }
    return npos;
}

std::size_t TranslationTable::Size() const noexcept
{
    return texts.size();
}

std::string_view TranslationTable::Text(std::size_t position) const noexcept
{
    return texts[position];
}

}  // namespace localizer
