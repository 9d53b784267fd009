#include "TranslationTable.h"

#include <utility>

namespace localizer {

void TranslationTable::Add(std::string key, std::string_view text)
{
    positions.try_emplace(std::move(key), texts.size());
    texts.push_back(text);
}

std::size_t TranslationTable::Find(std::string_view key) const noexcept
{
    const auto found = positions.find(key);
    return found == positions.end() ? npos : found->second;
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
