#include "Localizer.h"

#include "FixedTexts.h"
#include "LanguageData.h"

#include <climits>

using localizer::LanguageData;

namespace {

// Callers hand in C strings; a null pointer reads as an empty text rather than crashing.
std::string_view TextOf(const char* text) noexcept
{
    return text == nullptr ? std::string_view() : std::string_view(text);
}

}  // namespace

Localizer::Localizer() noexcept = default;

Localizer::~Localizer() = default;

Localizer& Localizer::GetInstance() noexcept
{
    // Built on first use; its destructor is registered to run when the process exits.
    static Localizer instance;
    return instance;
}

void Localizer::Load(const char* mask, const char* language) noexcept
{
    const std::string_view maskText = TextOf(mask);
    if (data) {
        // The same mask keeps what is loaded, even when another language is asked for.
        if (maskText == loadedMask) {
            return;
        }
        data.reset();
        loadedMask.clear();
    }
    loadedMask = maskText;
    data = std::make_unique<LanguageData>(localizer::LoadLanguageData(maskText, TextOf(language)));
    if (data->languages.empty()) {
        loadedMask.clear();
        data.reset();
    }
}

const char* Localizer::Translate(const char* text) noexcept
{
    if (!data) {
        return SetResult(localizer::kErrorText);
    }
    return SetResult(localizer::Lookup(*data, TextOf(text), false).value_or(std::string_view()));
}

const char* Localizer::Translate(unsigned handle) noexcept
{
    if (!data) {
        return SetResult(localizer::kErrorText);
    }
    // A handle is a text's position plus one; 0 and handles that name no text give the default.
    if (handle == 0 || handle > data->table.Size()) {
        return SetResult(data->defaultText);
    }
    return SetResult(data->table.Text(handle - 1));
}

int Localizer::Index(const char* text) const noexcept
{
    if (!data) {
        return 0;
    }
    const std::size_t position = data->table.Find(TextOf(text));
    if (position == localizer::TranslationTable::npos || position >= static_cast<std::size_t>(INT_MAX)) {
        return 0;
    }
    return static_cast<int>(position + 1);
}

int Localizer::GetLanguageCount() const noexcept
{
    if (!data) {
        return 0;
    }
    const std::size_t count = data->languages.size();
    return count > static_cast<std::size_t>(INT_MAX) ? INT_MAX : static_cast<int>(count);
}

const char* Localizer::GetLanguageName(int index) noexcept
{
    if (!data || index < 0 || static_cast<std::size_t>(index) >= data->languages.size()) {
        return SetResult("");
    }
    return SetResult(data->languages[static_cast<std::size_t>(index)].name);
}

const char* Localizer::GetLanguageLocales(int index) noexcept
{
    if (!data || index < 0 || static_cast<std::size_t>(index) >= data->languages.size()) {
        return SetResult("");
    }
    return SetResult(data->languages[static_cast<std::size_t>(index)].locales);
}

const char* Localizer::GetLanguageName() noexcept
{
    return SetResult(data ? std::string_view(data->currentName) : std::string_view());
}

void Localizer::SetLanguageName(const char* name) noexcept
{
    if (data) {
        data->currentName = TextOf(name);
    }
}

const char* Localizer::GetFontName() noexcept
{
    return SetResult(data ? data->current.fontName : std::string_view());
}

int Localizer::GetFontWidth() const noexcept
{
    return data ? data->current.width : 0;
}

int Localizer::GetFontHeight() const noexcept
{
    return data ? data->current.height : 0;
}

bool Localizer::GetFontItalic() const noexcept
{
    return data ? data->current.italic : false;
}

int Localizer::GetFontWeight() const noexcept
{
    return data ? data->current.weight : 0;
}

int Localizer::GetFontColor() const noexcept
{
    return data ? data->current.color : 0;
}

const char* Localizer::SetResult(std::string_view text) noexcept
{
    resultText = text;
    return resultText.c_str();
}
