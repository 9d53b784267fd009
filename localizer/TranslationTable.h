#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace localizer {

/// Maps source texts to translated texts, narrowing a lookup by the key's first byte, then its
/// last byte, then its middle byte. Keys may repeat; the first one added wins. The table owns
/// its keys; the texts are views whose bytes the caller keeps alive as long as the table.
class TranslationTable {
public:
    /// What Find returns for a key that was never added.
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

    /// Stores text for key after everything added before; never replaces an earlier pair.
    void Add(std::string key, std::string_view text);

    /// Returns the position of the text first added for key, or npos.
    std::size_t Find(std::string_view key) const noexcept;

    /// Returns the number of stored texts; positions run from 0 to Size() - 1.
    std::size_t Size() const noexcept;

    /// Returns the text at position, which must be below Size().
    std::string_view Text(std::size_t position) const noexcept;

private:
    struct Pair {
        std::string key;
        std::size_t position;
    };
    // Level 3: the pairs of keys sharing first, last and middle byte, in the order added.
    struct MiddleBucket {
        unsigned char tag;
        std::vector<Pair> pairs;
    };
    // Level 2: the middle-byte buckets of keys sharing first and last byte.
    struct LastBucket {
        unsigned char tag;
        std::vector<MiddleBucket> middles;
    };

    // Level 1: one slot per first byte; an empty slot holds no key.
    std::array<std::vector<LastBucket>, 256> slots;
    std::vector<std::string_view> texts;
};

}  // namespace localizer
