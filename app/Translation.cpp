#include "app/Translation.h"

#include "Localizer.h"
#include "app/UserLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace vantor {

namespace {

// The language files of the current folder; where it holds none, those installed
// beside the program (../share/vantor/lang from its folder), so a program started
// from the desktop's menu, in any folder, shows its texts.
std::string LanguageMask() {
  if (!QDir::current().entryList({QStringLiteral("*.lng")}, QDir::Files).isEmpty()) return "*.lng";
  const QString installed = QCoreApplication::applicationDirPath() + QStringLiteral("/../share/vantor/lang");
  return QFile::encodeName(QDir::cleanPath(installed)).toStdString() + "/*.lng";
}

// Qt's own texts (the file chooser's buttons, a message box's) in the language
// loaded: qtbase_<code>.qm for the first locale code the language serves.
void LoadQtTexts(const std::string& codes) {
  static std::unique_ptr<QTranslator> qtTexts;
  if (qtTexts) QCoreApplication::removeTranslator(qtTexts.get());
  qtTexts.reset();
  const std::string code = codes.substr(0, codes.find(','));
  if (code.empty() || QCoreApplication::instance() == nullptr) return;
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(QStringLiteral("qtbase_") + QString::fromStdString(code),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    return;
  }
  QCoreApplication::installTranslator(translator.get());
  qtTexts = std::move(translator);
}

// The locale codes of the language loaded now; empty when none is.
std::string LoadedLocales(Localizer& localizer) {
  const std::string loaded = localizer.GetLanguageName();
  for (int i = 0; i < localizer.GetLanguageCount(); ++i) {
    if (loaded == localizer.GetLanguageName(i)) return localizer.GetLanguageLocales(i);
  }
  return {};
}

}  // namespace

void LoadLanguages() {
  const std::string maskText = LanguageMask();
  const std::string noFilesText = maskText + ".none";
  const char* kMask = maskText.c_str();
  const char* kNoFiles = noFilesText.c_str();
  Localizer& localizer = Localizer::GetInstance();
  // A load with the mask already loaded keeps what is loaded: a mask that matches
  // no file unloads first, so the files' default language is what is read here.
  localizer.Load(kNoFiles, "");
  localizer.Load(kMask, "");
  // The library answers each call in one buffer, so every text is copied at once.
  std::vector<LanguageLocales> languages;
  for (int i = 0; i < localizer.GetLanguageCount(); ++i) {
    LanguageLocales language;
    language.name = localizer.GetLanguageName(i);
    language.codes = localizer.GetLanguageLocales(i);
    languages.push_back(std::move(language));
  }
  const std::string wanted = LanguageForLocales(languages, RequestedLocales([](const char* name) { return std::getenv(name); }));
  if (!wanted.empty() && wanted != localizer.GetLanguageName()) {
    localizer.Load(kNoFiles, "");
    localizer.Load(kMask, wanted.c_str());
  }
  LoadQtTexts(LoadedLocales(localizer));
}

QString Translated(const char* key) {
  // The library's answer lives only until its next call: copied at once.
  return QString::fromUtf8(Localizer::GetInstance().Translate(key));
}

}  // namespace vantor
