#pragma once

#include <functional>
#include <string>
#include <vector>

namespace vantor {

/// A loaded language and the locale codes it serves ("de", "pt_BR", comma-separated).
struct LanguageLocales {
  std::string name;
  std::string codes;
};

/// The locales the environment asks for, in gettext's order: the LANGUAGE list
/// (unless the locale is C or POSIX), then the first set of LC_ALL, LC_MESSAGES, LANG.
std::vector<std::string> RequestedLocales(const std::function<const char*(const char*)>& environment);

/// The name of the language serving the first requested locale that any language
/// serves, its encoding and modifier dropped ("de_DE.UTF-8" takes "de_DE", else "de");
/// empty when none does.
std::string LanguageForLocales(const std::vector<LanguageLocales>& languages, const std::vector<std::string>& requested);

}  // namespace vantor
