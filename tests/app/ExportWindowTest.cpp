// The export window: characters read as vantor-bake reads them, refused ranges
// kept from the bake, bytes equal to vantor-bake's, one question before replacing,
// and a window that answers while a large build runs.
#include "app/CExportWnd.h"
#include "app/CPageView.h"
#include "app/ExportRequest.h"
#include "app/Translation.h"
#include "tests/app/FakeWindowSystem.h"
#include "tests/app/TestRegistry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QThreadPool>
#include <QTimer>

#include <algorithm>
#include <map>
#include <set>

namespace vantor {

namespace {

constexpr int kFaceHeight = 20;
constexpr int kWeight = 400;

// The settings vantor-bake starts from, with the face, height and weight its options give.
files::BakeEngine BakeStart() {
  const Fonter start;
  files::BakeEngine settings = files::BakeEngineOf(start);
  settings.font.face = "DejaVu Sans";
  settings.font.height = kFaceHeight;
  settings.font.weight = kWeight;
  return settings;
}

// Every file of `folder` by name, with its bytes.
std::map<QString, QByteArray> FilesOf(const QString& folder) {
  std::map<QString, QByteArray> files;
  for (const QString& name : QDir(folder).entryList(QDir::Files)) {
    QFile file(folder + QLatin1Char('/') + name);
    if (file.open(QIODevice::ReadOnly)) files[name] = file.readAll();
  }
  return files;
}

}  // namespace

class ExportWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    LoadLanguages();
    folder_ = std::make_unique<QTemporaryDir>();
    windowSystem_ = std::make_unique<FakeWindowSystem>();
    window_ = std::make_unique<CExportWnd>(*windowSystem_, nullptr);
    window_->SetEngine(BakeStart());
  }

  void cleanup() {
    window_.reset();
    QThreadPool::globalInstance()->waitForDone();
    windowSystem_.reset();
    folder_.reset();
  }

  void RangesAreReadAsVantorBakeReadsThem_data() {
    QTest::addColumn<QString>("ranges");
    QTest::addColumn<int>("count");
    QTest::newRow("one") << "65" << 1;
    QTest::newRow("hex range") << "0x41-0x5A" << 26;
    QTest::newRow("blanks and overlap") << " 0x41-0x5A , 0x50-0x60 " << 32;
    QTest::newRow("over the surrogates") << "0xD7FF-0xE000" << 2;
    QTest::newRow("not a number") << "0x41-Z" << -1;
    QTest::newRow("reversed") << "0x5A-0x41" << -1;
    QTest::newRow("beyond Unicode") << "0x110000" << -1;
    QTest::newRow("surrogate") << "0xD800" << -1;
    QTest::newRow("empty") << "" << -1;
  }

  void RangesAreReadAsVantorBakeReadsThem() {
    QFETCH(QString, ranges);
    QFETCH(int, count);
    const CharacterChoice chosen = ReadCharacterRanges(ranges.toStdString());
    QCOMPARE(chosen.error.empty(), count >= 0);
    if (count >= 0) QCOMPARE(static_cast<int>(chosen.codePoints.size()), count);
  }

  void RefusedRangesAreMarkedAndNeverBaked_data() { RangesAreReadAsVantorBakeReadsThem_data(); }

  void RefusedRangesAreMarkedAndNeverBaked() {
    QFETCH(QString, ranges);
    QFETCH(int, count);
    window_->unicodeButton->setChecked(true);
    window_->rangesEdit->setText(ranges);
    QCOMPARE(window_->errorLabel->text().isEmpty(), count >= 0);
    QCOMPARE(window_->Request().has_value(), count >= 0);
    QCOMPARE(window_->saveButton->isEnabled(), count >= 0);
    if (count >= 0) return;
    // Ctrl+S with refused ranges asks for no name and writes nothing.
    windowSystem_->savePaths.push_back(folder_->filePath(QStringLiteral("refused.fnt")));
    window_->OnSave();
    QVERIFY(windowSystem_->saveRequests.empty());
    QVERIFY(FilesOf(folder_->path()).empty());
  }

  // Any set written as a ranges text reads back as itself.
  void RangesTextReadsBackAsTheSameSet() {
    QRandomGenerator random(7);
    for (int round = 0; round < 200; ++round) {
      std::set<char32_t> chosen;
      const int count = static_cast<int>(random.bounded(1, 60));
      for (int i = 0; i < count; ++i) {
        char32_t codePoint = random.bounded(0x20u, 0x3000u);
        if (random.bounded(2) == 0) codePoint = 0x41 + random.bounded(30u);  // runs
        chosen.insert(codePoint);
      }
      const std::vector<char32_t> codePoints(chosen.begin(), chosen.end());
      const CharacterChoice read = ReadCharacterRanges(RangesText(codePoints));
      QVERIFY2(read.error.empty(), read.error.c_str());
      QCOMPARE(read.codePoints, codePoints);
    }
  }

  void BlocksAndTextsAddToTheRanges() {
    QTest::mouseClick(window_->findChildren<QPushButton*>().at(0), Qt::LeftButton);  // Basic Latin
    QCOMPARE(window_->rangesEdit->text(), QStringLiteral("0x20-0x7E"));
    QVERIFY(window_->unicodeButton->isChecked());
    const CharacterChoice added = AddText(window_->rangesEdit->text().toStdString(), "Жжé\n");
    QCOMPARE(added.codePoints.size(), std::size_t{95 + 3});
  }

  void TheWindowWritesTheBytesVantorBakeWrites_data() {
    QTest::addColumn<QString>("ranges");
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("formatName");
    QTest::addColumn<bool>("cells");
    QTest::addColumn<int>("spread");
    QTest::addColumn<int>("padding");
    QTest::newRow("8-bit set, text") << "" << 0 << "fnt" << false << 0 << 0;
    QTest::newRow("Latin, text") << "0x20-0x7E" << 0 << "fnt" << false << 0 << 0;
    QTest::newRow("Latin and Cyrillic, XML") << "0x41-0x5A, 0x410-0x44F" << 1 << "fnt-xml" << false << 0 << 2;
    QTest::newRow("cells, binary") << "65-90" << 2 << "fnt-binary" << true << 0 << 0;
    QTest::newRow("distance field") << "0x20-0x7E" << 0 << "fnt" << false << 4 << 0;
  }

  void TheWindowWritesTheBytesVantorBakeWrites() {
    QFETCH(QString, ranges);
    QFETCH(int, format);
    QFETCH(QString, formatName);
    QFETCH(bool, cells);
    QFETCH(int, spread);
    QFETCH(int, padding);
    if (!ranges.isEmpty()) window_->rangesEdit->setText(ranges);
    window_->formatList->setCurrentIndex(format);
    window_->layoutList->setCurrentIndex(cells ? 1 : 0);
    window_->paddingBox->setValue(padding);
    window_->fieldBox->setChecked(spread > 0);
    if (spread > 0) window_->spreadBox->setValue(spread);
    QDir(folder_->path()).mkdir(QStringLiteral("window"));
    QDir(folder_->path()).mkdir(QStringLiteral("bake"));
    windowSystem_->savePaths.push_back(folder_->filePath(QStringLiteral("window/font.fnt")));
    window_->OnSave();
    QTRY_VERIFY_WITH_TIMEOUT(!window_->Busy() && !FilesOf(folder_->filePath(QStringLiteral("window"))).empty(), 60000);

    QStringList arguments{"--font", "DejaVu Sans", "--height", QString::number(kFaceHeight), "--weight",
                          QString::number(kWeight), "--format", formatName, "--layout", cells ? "cells" : "packed",
                          "-o", folder_->filePath(QStringLiteral("bake/font"))};
    if (!cells) arguments << "--padding" << QString::number(padding);
    if (!ranges.isEmpty()) arguments << "--chars" << ranges;
    if (spread > 0) arguments << "--sdf" << QString::number(spread);
    QProcess bake;
    bake.start(QStringLiteral("./vantor-bake"), arguments);
    QVERIFY(bake.waitForFinished(60000));
    QCOMPARE(bake.exitCode(), 0);

    const auto written = FilesOf(folder_->filePath(QStringLiteral("window")));
    const auto baked = FilesOf(folder_->filePath(QStringLiteral("bake")));
    QCOMPARE(written.size(), baked.size());
    for (const auto& [name, bytes] : baked) {
      QVERIFY2(written.count(name) == 1, qPrintable(name));
      QVERIFY2(written.at(name) == bytes, qPrintable(name + QStringLiteral(" differs")));
    }
  }

  // One question lists the descriptor and every page; Cancel keeps every old file.
  void OneQuestionListsEveryFileReplaced_data() {
    QTest::addColumn<bool>("replace");
    QTest::newRow("cancelled") << false;
    QTest::newRow("replaced") << true;
  }

  void OneQuestionListsEveryFileReplaced() {
    QFETCH(bool, replace);
    window_->rangesEdit->setText(QStringLiteral("0x20-0x7E"));
    const QString path = folder_->filePath(QStringLiteral("font.fnt"));
    windowSystem_->savePaths.push_back(path);
    window_->OnSave();
    QTRY_VERIFY_WITH_TIMEOUT(!window_->Busy() && QFile::exists(path), 60000);
    const auto first = FilesOf(folder_->path());
    windowSystem_->messages.clear();
    window_->paddingBox->setValue(3);  // a different font, so a replace shows
    windowSystem_->savePaths.push_back(path);
    windowSystem_->answers.push_back(replace ? MessageAnswer::Ok : MessageAnswer::Cancel);
    window_->OnSave();
    QTRY_VERIFY_WITH_TIMEOUT(!window_->Busy() && !windowSystem_->messages.empty(), 60000);
    QTRY_VERIFY_WITH_TIMEOUT(!window_->Busy(), 60000);
    const ShownMessage& question = windowSystem_->messages.front();
    QVERIFY(question.okCancel);
    for (const auto& [name, bytes] : first) QVERIFY2(question.text.contains(name), qPrintable(name));
    const int questions = static_cast<int>(std::count_if(windowSystem_->messages.begin(), windowSystem_->messages.end(),
                                                         [](const ShownMessage& m) { return m.icon == MessageIcon::Warning; }));
    QCOMPARE(questions, 1);
    QCOMPARE(FilesOf(folder_->path()) == first, !replace);
  }

  // Every character DejaVu Sans has: the event loop runs while the build does, and Cancel writes nothing.
  void ALargeBuildLeavesTheWindowAnsweringAndCancelWritesNothing() {
    // Distance fields of every character the face has: a build of seconds in any build.
    window_->fieldBox->setChecked(true);
    window_->spreadBox->setValue(16);
    window_->rangesEdit->setText(QStringLiteral("0x20-0x10FFFF"));
    QVERIFY(window_->Busy());
    const QString path = folder_->filePath(QStringLiteral("all.fnt"));
    windowSystem_->savePaths.push_back(path);
    window_->OnSave();
    // The save waits for the build; meanwhile the event loop keeps running. The loop
    // is turned without waiting, so a build starved of the processor by its own
    // threads cannot finish (and start the write) before the check.
    int ticks = 0;
    QTimer timer;
    connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(0);
    while (ticks < 3) QCoreApplication::processEvents(QEventLoop::AllEvents);
    QVERIFY(window_->Busy());
    QVERIFY(window_->cancelButton->isEnabled());
    window_->OnCancel();
    QVERIFY(!window_->Busy());
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::processEvents();
    QVERIFY(FilesOf(folder_->path()).empty());
    QCOMPARE(window_->FinishedBuilds(), 0);
  }

  // Every page has a tab naming its size, and the view shows it at each zoom.
  void ThePagesViewShowsEveryPageAtEachZoom_data() {
    QTest::addColumn<int>("zoomIndex");
    QTest::addColumn<int>("factor");
    QTest::newRow("1:1") << 1 << 1;
    QTest::newRow("2x") << 2 << 2;
    QTest::newRow("4x") << 3 << 4;
    QTest::newRow("8x") << 4 << 8;
  }

  void ThePagesViewShowsEveryPageAtEachZoom() {
    QFETCH(int, zoomIndex);
    QFETCH(int, factor);
    window_->pageSizeList->setCurrentIndex(0);  // 256 x 256 pages, so the set takes several
    window_->rangesEdit->setText(QStringLiteral("0x20-0x7E, 0xA0-0x24F, 0x370-0x3FF, 0x400-0x4FF"));
    QTRY_VERIFY_WITH_TIMEOUT(!window_->Busy(), 60000);
    QVERIFY2(window_->pageTabs->count() > 1, qPrintable(window_->countLabel->text() + QString::number(window_->pageTabs->count())));
    for (int tab = 0; tab < window_->pageTabs->count(); ++tab) {
      window_->pageTabs->setCurrentIndex(tab);
      window_->zoomList->setCurrentIndex(zoomIndex);
      const QSize page = window_->pageView->Page().size();
      QVERIFY(!page.isEmpty());
      QVERIFY(window_->pageTabs->tabText(tab).contains(QStringLiteral("%1 x %2").arg(page.width()).arg(page.height())));
      QCOMPARE(window_->pageView->size(), page * factor);
    }
  }

  // A newer change replaces the build in flight: only the last one is shown.
  void ANewerChangeReplacesTheBuildInFlight() {
    window_->rangesEdit->setText(QStringLiteral("0x20-0x7E"));
    window_->rangesEdit->setText(QStringLiteral("0x41-0x5A"));
    window_->rangesEdit->setText(QStringLiteral("0x41-0x43"));
    QTRY_VERIFY_WITH_TIMEOUT(!window_->Busy(), 60000);
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::processEvents();
    QCOMPARE(window_->FinishedBuilds(), 1);
    QVERIFY(window_->countLabel->text().startsWith(QStringLiteral("3 ")));
  }

 private:
  std::unique_ptr<QTemporaryDir> folder_;
  std::unique_ptr<FakeWindowSystem> windowSystem_;
  std::unique_ptr<CExportWnd> window_;
};

std::unique_ptr<QObject> MakeExportWindowTest() { return std::make_unique<ExportWindowTest>(); }

}  // namespace vantor

#include "ExportWindowTest.moc"
