#include "app/DecimalText.h"
#include "app/DesktopHandlers.h"
#include "app/UserLanguage.h"
#include "tests/app/TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <limits>
#include <map>

namespace vantor {

namespace {

void WriteFile(const QString& path, const QByteArray& text) {
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(text);
}

}  // namespace

class HelpersTest : public QObject {
  Q_OBJECT

 private slots:
  void DecimalValueIsTheStandardConversion_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("digits") << "120" << 120;
    QTest::newRow("blanks and sign") << "  -7" << -7;
    QTest::newRow("plus") << "+5" << 5;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("letters") << "abc" << 0;
    QTest::newRow("minus alone") << "-" << 0;
    QTest::newRow("digits then letters") << "12abc" << 12;
    QTest::newRow("int32 max") << "2147483647" << std::numeric_limits<int>::max();
    QTest::newRow("int32 min") << "-2147483648" << std::numeric_limits<int>::min();
    QTest::newRow("beyond max") << "99999999999999999999" << std::numeric_limits<int>::max();
    QTest::newRow("beyond min") << "-99999999999999999999" << std::numeric_limits<int>::min();
  }

  void DecimalValueIsTheStandardConversion() {
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(DecimalValue(text), value);
  }

  void TheWebPageHandlerComesFromTheUsersChoiceFirst() {
    QTemporaryDir root;
    const XdgFolders folders = Folders(root);
    WriteFile(root.filePath("system/applications/browser.desktop"),
              "[Desktop Entry]\nName=Browser\nExec=browser --new %u\n");
    WriteFile(root.filePath("home/applications/mine.desktop"), "[Desktop Entry]\r\nExec=mine \"%U\"\r\n");
    WriteFile(root.filePath("system-config/mimeapps.list"), "[Default Applications]\ntext/html=browser.desktop\n");
    QCOMPARE(DefaultHandlerCommand("text/html", folders), std::string("browser --new %u"));
    WriteFile(root.filePath("config/mimeapps.list"),
              "[Added Associations]\ntext/html=other.desktop\n[Default Applications]\n"
              "text/plain=x.desktop\ntext/html=missing.desktop;mine.desktop;\n");
    QCOMPARE(DefaultHandlerCommand("text/html", folders), std::string("mine \"%U\""));
  }

  void NoHandlerGivesAnEmptyCommand() {
    QTemporaryDir root;
    const XdgFolders folders = Folders(root);
    QCOMPARE(DefaultHandlerCommand("text/html", folders), std::string());
    WriteFile(root.filePath("config/mimeapps.list"), "[Default Applications]\ntext/html=../../escape.desktop\n");
    WriteFile(root.filePath("escape.desktop"), "[Desktop Entry]\nExec=escape\n");
    QCOMPARE(DefaultHandlerCommand("text/html", folders), std::string());
  }

  // gettext's order: LANGUAGE's list unless the locale is C, then LC_ALL, LC_MESSAGES, LANG.
  void TheEnvironmentChoosesTheLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("lcAll");
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("LANG German") << "" << "" << "de_DE.UTF-8" << "GERMAN";
    QTest::newRow("LANG Russian") << "" << "" << "ru_RU.UTF-8" << "RUSSIAN";
    QTest::newRow("LANGUAGE list first") << "ru:de" << "" << "de_DE.UTF-8" << "RUSSIAN";
    QTest::newRow("LANGUAGE skips unserved") << "fr:de" << "" << "en_US.UTF-8" << "GERMAN";
    QTest::newRow("LANGUAGE ignored under C") << "de" << "" << "C" << "";
    QTest::newRow("LC_ALL over LANG") << "" << "de_AT@euro" << "ru_RU" << "GERMAN";
    QTest::newRow("C") << "" << "" << "C" << "";
    QTest::newRow("unserved") << "" << "" << "fr_FR.UTF-8" << "";
    QTest::newRow("nothing set") << "" << "" << "" << "";
    QTest::newRow("full code served") << "" << "" << "pt_BR.UTF-8" << "BRAZILIAN";
  }

  void TheEnvironmentChoosesTheLanguage() {
    QFETCH(QString, language);
    QFETCH(QString, lcAll);
    QFETCH(QString, lang);
    QFETCH(QString, chosen);
    const std::map<std::string, std::string> environment = {
        {"LANGUAGE", language.toStdString()}, {"LC_ALL", lcAll.toStdString()}, {"LANG", lang.toStdString()}};
    const auto get = [&environment](const char* name) -> const char* {
      const auto found = environment.find(name);
      return found == environment.end() || found->second.empty() ? nullptr : found->second.c_str();
    };
    const std::vector<LanguageLocales> languages = {
        {"ENGLISH", "en"}, {"GERMAN", "de"}, {"RUSSIAN", "ru"}, {"BRAZILIAN", "pt_BR"}, {"NONE", ""}};
    QCOMPARE(QString::fromStdString(LanguageForLocales(languages, RequestedLocales(get))), chosen);
  }

  void TheBrowserVariableGivesItsFirstCommand() {
    QCOMPARE(FirstBrowserCommand("w3m %s:lynx"), std::string("w3m %s"));
    QCOMPARE(FirstBrowserCommand(""), std::string());
  }

 private:
  static XdgFolders Folders(const QTemporaryDir& root) {
    XdgFolders folders;
    folders.configHome = root.filePath("config").toStdString();
    folders.configDirs = {root.filePath("system-config").toStdString()};
    folders.dataHome = root.filePath("home").toStdString();
    folders.dataDirs = {root.filePath("system").toStdString()};
    return folders;
  }
};

std::unique_ptr<QObject> MakeHelpersTest() { return std::make_unique<HelpersTest>(); }

}  // namespace vantor

#include "HelpersTest.moc"
