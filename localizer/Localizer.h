#pragma once

#include "LocalizerExport.h"

#include <memory>
#include <string>
#include <string_view>

namespace localizer {
struct LanguageData;
}

/// The language library: loads language files once and translates English source texts.
/// Every returned text lives in the instance and stays valid until the next call that returns text.
class LOCALIZER_API Localizer {
public:
    /// Not copyable: the one instance is the one GetInstance returns.
    Localizer(const Localizer&) = delete;
    /// Not assignable, for the same reason.
    Localizer& operator=(const Localizer&) = delete;

    /// Returns the one instance, created unloaded on the first call and destroyed at process exit.
    static Localizer& GetInstance() noexcept;

    /// Loads the language files that match mask and selects language (empty: the files' default);
    /// does nothing while loaded with the same mask; stays unloaded when no language is found.
    void Load(const char* mask, const char* language) noexcept;

    /// Returns the translation of text, the default text when it has none, or the error text when unloaded.
    const char* Translate(const char* text) noexcept;

    /// Returns the translation that handle identifies, the default text for 0, or the error text when unloaded.
    const char* Translate(unsigned handle) noexcept;

    /// Returns a handle for the translation of text, or 0 when it has none or nothing is loaded.
    int Index(const char* text) const noexcept;

    /// Returns the number of loaded languages, 0 when unloaded.
    int GetLanguageCount() const noexcept;

    /// Returns the name of loaded language index, or an empty text when index is out of range or unloaded.
    const char* GetLanguageName(int index) noexcept;

    /// Returns the name of the selected language, or an empty text when unloaded.
    const char* GetLanguageName() noexcept;

    /// Returns the locale codes loaded language index serves ("LOCALE=", comma-separated), or an
    /// empty text when it names none, index is out of range or nothing is loaded.
    const char* GetLanguageLocales(int index) noexcept;

    /// Renames the selected language as reported by GetLanguageName(); nothing else changes.
    void SetLanguageName(const char* name) noexcept;

    /// Returns the font face the selected language asks for, or an empty text when unloaded.
    const char* GetFontName() noexcept;

    /// Returns the font width the selected language asks for, 0 when unloaded.
    int GetFontWidth() const noexcept;

    /// Returns the font height the selected language asks for, 0 when unloaded.
    int GetFontHeight() const noexcept;

    /// Returns whether the selected language asks for an italic font, false when unloaded.
    bool GetFontItalic() const noexcept;

    /// Returns the font weight the selected language asks for, 0 when unloaded.
    int GetFontWeight() const noexcept;

    /// Returns the text colour the selected language asks for, 0 when unloaded.
    int GetFontColor() const noexcept;

private:
    Localizer() noexcept;
    ~Localizer();

    const char* SetResult(std::string_view text) noexcept;

    std::string loadedMask;
    std::unique_ptr<localizer::LanguageData> data;
    std::string resultText;
};
