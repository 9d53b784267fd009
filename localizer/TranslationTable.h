#pragma once

#include <functional>
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace localizer {

/// Maps source texts to translated texts through a hash of the whole key, so a lookup takes
/// the same time however many keys there are. Keys may repeat; the first one added wins. The
/// table owns its keys; the texts are views whose bytes the caller keeps alive as long as the table.
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
    // Finds a std::string key from a std::string_view without making a string.
    struct KeyHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view key) const noexcept { return std::hash<std::string_view>{}(key); }
    };

    std::unordered_map<std::string, std::size_t, KeyHash, std::equal_to<>> positions;
    std::vector<std::string_view> texts;
};

}  // namespace localizer
