#include "app/UserLanguage.h"

#include <sstream>

namespace vantor {

namespace {

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::stringstream stream(text);
  for (std::string part; std::getline(stream, part, separator);) {
    if (!part.empty()) parts.push_back(part);
  }
  return parts;
}

// "de_DE.UTF-8@euro" without encoding and modifier: "de_DE".
std::string WithoutEncoding(const std::string& locale) { return locale.substr(0, locale.find_first_of(".@")); }

bool Serves(const LanguageLocales& language, const std::string& code) {
  for (const std::string& served : Split(language.codes, ',')) {
    if (served == code) return true;
  }
  return false;
}

}  // namespace

std::vector<std::string> RequestedLocales(const std::function<const char*(const char*)>& environment) {
  std::string locale;
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = environment(name);
    if (value != nullptr && *value != '\0') {
      locale = value;
      break;
    }
  }
  std::vector<std::string> requested;
  const bool plain = locale.empty() || locale == "C" || locale == "POSIX" || locale.rfind("C.", 0) == 0;
  if (const char* list = environment("LANGUAGE"); list != nullptr && !plain) requested = Split(list, ':');
  if (!locale.empty()) requested.push_back(locale);
  return requested;
}

std::string LanguageForLocales(const std::vector<LanguageLocales>& languages, const std::vector<std::string>& requested) {
  for (const std::string& locale : requested) {
    const std::string full = WithoutEncoding(locale);
    const std::string language = full.substr(0, full.find('_'));
    for (const std::string& code : {full, language}) {
      for (const LanguageLocales& candidate : languages) {
        if (!code.empty() && Serves(candidate, code)) return candidate.name;
      }
    }
  }
  return {};
}

}  // namespace vantor
