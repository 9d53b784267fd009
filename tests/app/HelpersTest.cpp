#include "app/DecimalText.h"
#include "app/DesktopHandlers.h"
#include "tests/app/TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <limits>

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
