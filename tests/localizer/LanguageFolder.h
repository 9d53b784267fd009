#pragma once

#include <string>
#include <string_view>

/// A fresh temporary folder for language files, removed with everything in it at the end of its life.
class LanguageFolder {
public:
    /// Creates the folder; the test fails when it cannot.
    LanguageFolder();
    LanguageFolder(const LanguageFolder&) = delete;
    LanguageFolder& operator=(const LanguageFolder&) = delete;
    ~LanguageFolder();

    /// Writes contents byte for byte into the file name (a path relative to the folder).
    void Write(std::string_view name, std::string_view contents) const;

    /// Returns the folder's path, without a trailing slash.
    const std::string& Path() const;

    /// Returns a load mask for pattern inside the folder.
    std::string Mask(std::string_view pattern = "*.lng") const;

private:
    std::string path;
};

/// Returns text with every LF turned into CR LF, the line end of language files.
std::string Crlf(std::string_view text);

/// Returns a CR LF language section naming a language and its label, plus extra key lines.
std::string LanguageSection(std::string_view name, std::string_view label, std::string_view extra = "");
