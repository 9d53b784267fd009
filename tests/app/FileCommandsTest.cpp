#include "app/CVantorDlg.h"
#include "app/Translation.h"
#include "tests/app/FakeWindowSystem.h"
#include "tests/app/OpenMainDialog.h"
#include "tests/app/TestRegistry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

namespace vantor {

namespace {

QByteArray Read(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

}  // namespace

class FileCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    folder_ = std::make_unique<QTemporaryDir>();
    windowSystem_ = std::make_unique<FakeWindowSystem>();
    dialog_ = OpenMainDialog(*windowSystem_);
  }

  void cleanup() {
    dialog_.reset();
    windowSystem_.reset();
    folder_.reset();
  }

  void SavesAskForTheirOwnKindOfFile_data() {
    QTest::addColumn<bool>("texture");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("extension");
    QTest::newRow("texture") << true << "TGA (*.tga)" << "tga";
    QTest::newRow("params") << false << "TEXT (*.txt)" << "txt";
  }

  void SavesAskForTheirOwnKindOfFile() {
    QFETCH(bool, texture);
    QFETCH(QString, filter);
    QFETCH(QString, extension);
    windowSystem_->savePaths = {QString()};
    Save(texture);
    QCOMPARE(windowSystem_->saveRequests.size(), std::size_t{1});
    QCOMPARE(windowSystem_->saveRequests[0].filter, filter);
    QCOMPARE(windowSystem_->saveRequests[0].defaultExtension, extension);
    // Cancelled: nothing asked, nothing written.
    QVERIFY(windowSystem_->messages.empty());
    QVERIFY(QDir(folder_->path()).isEmpty());
  }

  void ExportWritesTheChosenVariantAndItsPage_data() {
    QTest::addColumn<int>("filter");
    QTest::addColumn<QByteArray>("start");
    QTest::newRow("text") << 0 << QByteArray("info face=");
    QTest::newRow("xml") << 1 << QByteArray("<?xml");
    QTest::newRow("binary") << 2 << QByteArray("BMF\x03");
  }

  void ExportWritesTheChosenVariantAndItsPage() {
    QFETCH(int, filter);
    QFETCH(QByteArray, start);
    const QString path = folder_->filePath(QStringLiteral("game.fnt"));
    windowSystem_->savePaths = {path};
    windowSystem_->saveFilter = filter;
    dialog_->OnExport();
    QCOMPARE(windowSystem_->saveRequests[0].moreFilters.size(), 2);
    QCOMPARE(windowSystem_->saveRequests[0].defaultExtension, QStringLiteral("fnt"));
    QVERIFY(Read(path).startsWith(start));
    QVERIFY(Read(folder_->filePath(QStringLiteral("game_0.png"))).startsWith("\x89PNG"));
    QVERIFY(windowSystem_->messages.empty());
  }

  void ExportAsksBeforeReplacingTheDescriptorOrThePage() {
    const QString page = folder_->filePath(QStringLiteral("game_0.png"));
    Write(page, "old page");
    windowSystem_->savePaths = {folder_->filePath(QStringLiteral("game.fnt"))};
    windowSystem_->answers = {MessageAnswer::Cancel};
    dialog_->OnExport();
    QCOMPARE(windowSystem_->messages.size(), std::size_t{1});
    QVERIFY(windowSystem_->messages[0].text.contains(QStringLiteral("game_0.png")));
    QCOMPARE(Read(page), QByteArray("old page"));
    QVERIFY(!QFile::exists(folder_->filePath(QStringLiteral("game.fnt"))));
  }

  void TheTextureIsWrittenWhole() {
    const QString path = folder_->filePath(QStringLiteral("font.tga"));
    windowSystem_->savePaths = {path};
    dialog_->OnSaveTexture();
    const TextureSize size = dialog_->engine.GetTextureSize();
    QCOMPARE(Read(path).size(), 18 + 4 * size.width * size.height);
    QVERIFY(windowSystem_->messages.empty());
  }

  void AnOverwriteIsAskedFirst_data() {
    QTest::addColumn<bool>("texture");
    QTest::addColumn<bool>("replace");
    QTest::newRow("texture kept") << true << false;
    QTest::newRow("texture replaced") << true << true;
    QTest::newRow("params kept") << false << false;
    QTest::newRow("params replaced") << false << true;
  }

  void AnOverwriteIsAskedFirst() {
    QFETCH(bool, texture);
    QFETCH(bool, replace);
    const QString path = folder_->filePath(texture ? "old.tga" : "old.txt");
    const QByteArray old("old bytes that must survive a Cancel");
    Write(path, old);
    windowSystem_->savePaths = {path};
    windowSystem_->answers = {replace ? MessageAnswer::Ok : MessageAnswer::Cancel};
    Save(texture);
    QCOMPARE(windowSystem_->messages.size(), std::size_t{1});
    const ShownMessage& question = windowSystem_->messages[0];
    QCOMPARE(question.text, QStringLiteral("File %1 already exists").arg(texture ? "old.tga" : "old.txt"));
    QCOMPARE(question.caption, QStringLiteral("Warning"));
    QCOMPARE(question.icon, MessageIcon::Warning);
    QVERIFY(question.okCancel);
    if (replace) {
      QVERIFY(Read(path) != old);
      QVERIFY(!Read(path).contains(old));
    } else {
      QCOMPARE(Read(path), old);
    }
  }

  void AFailedSaveIsReportedAndChangesNothing() {
    const QString path = folder_->filePath(QStringLiteral("no-such-folder/font.txt"));
    windowSystem_->savePaths = {path};
    dialog_->OnSaveParams();
    QCOMPARE(windowSystem_->messages.size(), std::size_t{1});
    QCOMPARE(windowSystem_->messages[0].icon, MessageIcon::Stop);
    QVERIFY(windowSystem_->messages[0].text.contains(path));
    QVERIFY(!QFile::exists(path));
  }

  void LoadingAMissingFileNamesItWithoutItsFolder() {
    windowSystem_->openPaths = {folder_->filePath(QStringLiteral("missing.txt"))};
    dialog_->OnLoadParams();
    QCOMPARE(windowSystem_->openRequests[0].filter, QStringLiteral("TEXT (*.txt)"));
    QCOMPARE(windowSystem_->messages.size(), std::size_t{1});
    const ShownMessage& error = windowSystem_->messages[0];
    QCOMPARE(error.text, QStringLiteral("File missing.txt does not exist"));
    QCOMPARE(error.caption, QStringLiteral("Error"));
    QCOMPARE(error.icon, MessageIcon::Stop);
    QVERIFY(error.okCancel);
    QCOMPARE(dialog_->engine.GetHeight(), 32);
  }

  void ARefusedLoadIsReportedAndChangesNothing() {
    const QString path = folder_->filePath(QStringLiteral("picture.txt"));
    Write(path, QByteArray("\x00\x00\x02 not a params file", 22));
    windowSystem_->openPaths = {path};
    dialog_->heightEdit->setText(QStringLiteral("77"));
    dialog_->OnLoadParams();
    QCOMPARE(windowSystem_->messages.size(), std::size_t{1});
    QCOMPARE(windowSystem_->messages[0].icon, MessageIcon::Stop);
    QCOMPARE(dialog_->engine.GetHeight(), 32);
    QCOMPARE(dialog_->heightEdit->text(), QStringLiteral("77"));
  }

  void ALoadShowsTheFilesValuesInEveryControl() {
    CVantorDlg& d = *dialog_;
    const QString path = folder_->filePath(QStringLiteral("saved.txt"));
    LOGFONTA desc = d.engine.GetFontDesc();
    desc.lfHeight = 20;
    desc.lfWidth = 9;
    desc.lfWeight = 700;
    desc.lfItalic = 1;
    desc.lfCharSet = 238;
    desc.lfQuality = 3;
    d.engine.textureWidth = 512;
    d.engine.leading = 3;
    d.engine.kerning = -2;
    d.engine.Build(desc);
    windowSystem_->savePaths = {path};
    d.OnSaveParams();

    FakeWindowSystem windowSystem;
    windowSystem.openPaths = {path};
    CVantorDlg fresh(windowSystem);
    fresh.preview.Create();
    fresh.OnOpen();
    fresh.OnLoadParams();
    QVERIFY(windowSystem.messages.empty());
    QCOMPARE(fresh.heightEdit->text(), QStringLiteral("20"));
    QCOMPARE(fresh.widthEdit->text(), QStringLiteral("9"));
    QCOMPARE(fresh.weightList->currentText(), QStringLiteral("FW_BOLD"));
    QVERIFY(fresh.boldBox->isChecked());
    QVERIFY(fresh.italicBox->isChecked());
    QCOMPARE(fresh.charsetList->currentText(), QStringLiteral("EASTEUROPE_CHARSET"));
    QCOMPARE(fresh.qualityList->currentText(), QStringLiteral("NONANTIALIASED_QUALITY"));
    QCOMPARE(fresh.textureWidthList->currentText(), QStringLiteral("512"));
    QCOMPARE(fresh.leadingEdit->text(), QStringLiteral("3"));
    QCOMPARE(fresh.kerningEdit->text(), QStringLiteral("-2"));
    QCOMPARE(fresh.faceList->currentText(), d.faceList->currentText());
    QCOMPARE(fresh.engine.GetTextureSize(), d.engine.GetTextureSize());
  }

 private:
  void Save(bool texture) {
    if (texture) {
      dialog_->OnSaveTexture();
    } else {
      dialog_->OnSaveParams();
    }
  }

  std::unique_ptr<QTemporaryDir> folder_;
  std::unique_ptr<FakeWindowSystem> windowSystem_;
  std::unique_ptr<CVantorDlg> dialog_;
};

std::unique_ptr<QObject> MakeFileCommandsTest() { return std::make_unique<FileCommandsTest>(); }

}  // namespace vantor

#include "FileCommandsTest.moc"
