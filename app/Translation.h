#pragma once

#include <QString>

namespace vantor {

/// Loads the language files "*.lng" of the current directory (where it has none,
/// those installed in ../share/vantor/lang from the program's folder) in the language the
/// environment asks for (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) where a file serves
/// it, else the language the files name as default; the program's only load of languages.
void LoadLanguages();

/// The translation of the English text `key`, taken from the language
/// library at once (the library overwrites its answer with the next one).
QString Translated(const char* key);

}  // namespace vantor
