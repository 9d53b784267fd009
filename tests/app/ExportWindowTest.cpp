// The export window: characters read as vantor-bake reads them, refused ranges
// kept from the bake, bytes equal to vantor-bake's, one question before replacing,
// and a window that answers while a large build runs.
#include "app/CExportWnd.h"
#include "app/CPageView.h"
#include "app/CSampleView.h"
#include "app/ExportRequest.h"
#include "app/Translation.h"
#include "tests/app/FakeWindowSystem.h"
#include "tests/app/TestRegistry.h"

#include <QCheckBox>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QSettings>
#include <QSpinBox>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QThreadPool>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>
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
    QSettings().clear();
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
    const auto buttons = window_->findChildren<QPushButton*>();
    const auto basicLatin = std::find_if(buttons.begin(), buttons.end(), [](QPushButton* b) { return b->text() == QStringLiteral("Basic Latin"); });
    QVERIFY(basicLatin != buttons.end());
    QTest::mouseClick(*basicLatin, Qt::LeftButton);
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
    QTest::addColumn<QStringList>("more");  // vantor-bake's options for the window's effects and fallbacks
    QTest::newRow("8-bit set, text") << "" << 0 << "fnt" << false << 0 << 0 << QStringList();
    QTest::newRow("Latin, text") << "0x20-0x7E" << 0 << "fnt" << false << 0 << 0 << QStringList();
    QTest::newRow("Latin and Cyrillic, XML") << "0x41-0x5A, 0x410-0x44F" << 1 << "fnt-xml" << false << 0 << 2 << QStringList();
    QTest::newRow("cells, binary") << "65-90" << 2 << "fnt-binary" << true << 0 << 0 << QStringList();
    QTest::newRow("distance field") << "0x20-0x7E" << 0 << "fnt" << false << 4 << 0 << QStringList();
    QTest::newRow("outline, shadow, colours") << "0x20-0x7E" << 0 << "fnt" << false << 0 << 0
                                              << QStringList{"--outline", "2", "--shadow", "3,-1", "--shadow-blur", "1",
                                                             "--colour", "#FFFF00", "--outline-colour", "#0000FF",
                                                             "--shadow-colour", "#102030"};
    QTest::newRow("outlined cells, binary") << "0x20-0x7E, 0x410-0x44F" << 2 << "fnt-binary" << true << 0 << 0
                                            << QStringList{"--outline", "1", "--outline-colour", "#FF0000"};
    QTest::newRow("cropped pages") << "0x20-0x7E, 0x400-0x45F" << 0 << "fnt" << false << 0 << 1
                                   << QStringList{"--no-pot", "on"};
    QTest::newRow("fallback face") << "0x41-0x5A, 0x1D400-0x1D433" << 0 << "fnt" << false << 0 << 0
                                   << QStringList{"--fallback", "DejaVu Math TeX Gyre"};
  }

  void TheWindowWritesTheBytesVantorBakeWrites() {
    QFETCH(QString, ranges);
    QFETCH(int, format);
    QFETCH(QString, formatName);
    QFETCH(bool, cells);
    QFETCH(int, spread);
    QFETCH(int, padding);
    QFETCH(QStringList, more);
    if (!ranges.isEmpty()) window_->rangesEdit->setText(ranges);
    for (qsizetype i = 0; i + 1 < more.size(); i += 2) {
      const QString& option = more[i];
      const QString& value = more[i + 1];
      if (option == QLatin1String("--outline")) window_->outlineBox->setValue(value.toInt());
      if (option == QLatin1String("--shadow")) {
        window_->shadowBox->setChecked(true);
        window_->shadowXBox->setValue(value.section(QLatin1Char(','), 0, 0).toInt());
        window_->shadowYBox->setValue(value.section(QLatin1Char(','), 1, 1).toInt());
      }
      if (option == QLatin1String("--no-pot")) window_->cropBox->setChecked(value == QLatin1String("on"));
      if (option == QLatin1String("--shadow-blur")) window_->shadowBlurBox->setValue(value.toInt());
      const int colour = option == QLatin1String("--colour") ? 0 : option == QLatin1String("--outline-colour") ? 1
                       : option == QLatin1String("--shadow-colour") ? 2 : -1;
      if (colour >= 0) window_->SetColour(colour, value.mid(1).toUInt(nullptr, 16));
      if (option == QLatin1String("--fallback")) {
        window_->fallbackFaceList->setCurrentText(value);
        QTest::mouseClick(window_->addFallbackButton, Qt::LeftButton);
      }
    }
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
    for (qsizetype i = 0; i + 1 < more.size(); i += 2) {
      if (more[i] == QLatin1String("--no-pot")) {
        arguments << more[i];  // a flag: its "on" is the window's
      } else {
        arguments << more[i] << more[i + 1];
      }
    }
    QProcess bake;
    bake.start(QStringLiteral("./vantor-bake"), arguments);
    QVERIFY(bake.waitForFinished(60000));
    QCOMPARE(bake.exitCode(), 0);

    // The window's bake file, baked by vantor-bake --config, gives the same files again.
    QDir(folder_->path()).mkdir(QStringLiteral("config"));
    windowSystem_->savePaths.push_back(folder_->filePath(QStringLiteral("config/font.toml")));
    window_->OnSaveBakeFile();
    QProcess config;
    config.start(QStringLiteral("./vantor-bake"), {"--config", folder_->filePath(QStringLiteral("config/font.toml"))});
    QVERIFY(config.waitForFinished(60000));
    QVERIFY2(config.exitCode() == 0, config.readAllStandardError().constData());
    QFile::remove(folder_->filePath(QStringLiteral("config/font.toml")));

    const auto baked = FilesOf(folder_->filePath(QStringLiteral("bake")));
    for (const char* door : {"window", "config"}) {
      const auto written = FilesOf(folder_->filePath(QLatin1String(door)));
      QCOMPARE(written.size(), baked.size());
      for (const auto& [name, bytes] : baked) {
        QVERIFY2(written.count(name) == 1, qPrintable(name));
        QVERIFY2(written.at(name) == bytes, qPrintable(QLatin1String(door) + QStringLiteral(": ") + name + QStringLiteral(" differs")));
      }
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
    // The cancelled save is gone for good: the next build does not write it.
    window_->fieldBox->setChecked(false);
    window_->rangesEdit->setText(QStringLiteral("0x41-0x43"));
    QTRY_VERIFY_WITH_TIMEOUT(window_->FinishedBuilds() == 1 && !window_->Busy(), 60000);
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::processEvents();
    QVERIFY(FilesOf(folder_->path()).empty());
  }

  // A stopped build ends within moments, not when its work is done, and gives nothing usable.
  void AStoppedBuildEndsSoonAndGivesNothing() {
    ExportRequest request;
    request.engine = BakeStart();
    request.engine.distanceSpread = 16;
    request.codePoints = ReadCharacterRanges("0x20-0x10FFFF").codePoints;
    request.outputs.descriptor = files::OutputFormat::BmfontText;
    std::atomic<bool> stop{true};
    const BuiltFont before = BuildExportFont(request, &stop);
    QVERIFY(before.cancelled);
    QVERIFY(before.pages.empty() && before.description.chars.empty());

    stop = false;
    BuiltFont during;
    std::chrono::steady_clock::time_point stopped;
    std::thread build([&] { during = BuildExportFont(request, &stop); });
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    stopped = std::chrono::steady_clock::now();
    stop = true;
    build.join();
    const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - stopped);
    QVERIFY(during.cancelled);
    // The whole build takes seconds (many more under sanitizers); a stopped one ends in a fraction of that.
    QVERIFY2(took.count() < 3000, qPrintable(QStringLiteral("%1 ms after the stop").arg(took.count())));
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

  // The sample text is drawn from the built font at the chosen scale; a character
  // the set lacks shows its marker, and a field's edge stays sharp at any scale.
  void TheSampleTextIsDrawnFromTheBuiltFont_data() {
    QTest::addColumn<int>("spread");
    QTest::addColumn<int>("outline");
    QTest::newRow("coverage") << 0 << 0;
    QTest::newRow("distance field") << 6 << 0;
    QTest::newRow("blue outline") << 0 << 3;
  }

  void TheSampleTextIsDrawnFromTheBuiltFont() {
    QFETCH(int, spread);
    QFETCH(int, outline);
    window_->fieldBox->setChecked(spread > 0);
    if (spread > 0) window_->spreadBox->setValue(spread);
    window_->outlineBox->setValue(outline);
    window_->SetColour(1, 0x0000FF);
    window_->rangesEdit->setText(QStringLiteral("0x20-0x7E"));
    window_->sampleEdit->setPlainText(QStringLiteral("AVA To\nWave \u00E9"));
    QTRY_VERIFY_WITH_TIMEOUT(!window_->Busy(), 60000);
    window_->scaleList->setCurrentIndex(0);
    const files::SampleImage one = window_->sampleView->Sample();
    QVERIFY(one.width > 0 && one.height > 0);
    int marker = 0;
    for (int y = 0; y < one.height; ++y) {
      for (int x = 0; x < one.width; ++x) marker += std::equal(files::kGapMarker, files::kGapMarker + 4, one.Pixel(x, y));
    }
    QVERIFY2(marker > 0, "the missing character shows no marker");
    window_->scaleList->setCurrentIndex(3);
    const files::SampleImage four = window_->sampleView->Sample();
    QCOMPARE(four.width, one.width * 4);
    QCOMPARE(four.height, one.height * 4);
    QCOMPARE(window_->sampleView->size(), QSize(four.width, four.height) + QSize(2, 2) * CSampleView::kMargin);
    // The pages' colours reach the sample: white glyphs, and a blue outline when there is one.
    int white = 0;
    int blue = 0;
    for (int y = 0; y < one.height; ++y) {
      for (int x = 0; x < one.width; ++x) {
        const std::uint8_t* p = one.Pixel(x, y);
        // Premultiplied: white is A A A A, blue 0 0 A A.
        white += p[3] > 200 && p[0] == p[3] && p[1] == p[3] && p[2] == p[3];
        blue += p[3] > 200 && p[0] == 0 && p[1] == 0 && p[2] == p[3];
      }
    }
    QVERIFY(white > 50);
    QCOMPARE(blue > 50, outline > 0);
    if (spread == 0) return;
    // Through the threshold, faint pixels lie only along the edge: far fewer than the inked ones.
    int faint = 0;
    int inked = 0;
    for (int y = 0; y < four.height; ++y) {
      for (int x = 0; x < four.width; ++x) {
        const int alpha = four.Pixel(x, y)[3];
        faint += alpha > 0 && alpha < 64;
        inked += alpha >= 64;
      }
    }
    QVERIFY2(faint * 3 < inked, qPrintable(QStringLiteral("%1 faint, %2 inked").arg(faint).arg(inked)));
  }

  // The window's settings come back in the next run.
  void TheSettingsAreKeptAcrossRuns() {
    window_->rangesEdit->setText(QStringLiteral("0x41-0x5A, 0x410"));
    window_->formatList->setCurrentIndex(2);
    window_->fieldBox->setChecked(true);
    window_->spreadBox->setValue(12);
    window_->sampleEdit->setPlainText(QStringLiteral("Kept\ntext"));
    window_->zoomList->setCurrentIndex(3);
    window_->scaleList->setCurrentIndex(5);
    QTRY_VERIFY_WITH_TIMEOUT(!window_->Busy(), 60000);
    window_ = std::make_unique<CExportWnd>(*windowSystem_, nullptr);
    window_->SetEngine(BakeStart());
    QVERIFY(window_->unicodeButton->isChecked());
    QCOMPARE(window_->rangesEdit->text(), QStringLiteral("0x41-0x5A, 0x410"));
    QCOMPARE(window_->formatList->currentIndex(), 2);
    QVERIFY(window_->fieldBox->isChecked());
    QCOMPARE(window_->spreadBox->value(), 12);
    QCOMPARE(window_->sampleEdit->toPlainText(), QStringLiteral("Kept\ntext"));
    QCOMPARE(window_->zoomList->currentIndex(), 3);
    QCOMPARE(window_->scaleList->currentIndex(), 5);
    // A hand-edited value beyond a list is not taken.
    QSettings().setValue(QStringLiteral("export/format"), 99);
    window_ = std::make_unique<CExportWnd>(*windowSystem_, nullptr);
    QVERIFY(window_->formatList->currentIndex() >= 0 && window_->formatList->currentIndex() < window_->formatList->count());
  }

  // A set of fewer pages replaces one of more: the question names the old pages it removes too.
  void TheQuestionNamesThePagesASmallerSetRemoves() {
    window_->pageSizeList->setCurrentIndex(0);
    window_->rangesEdit->setText(QStringLiteral("0x20-0x7E, 0xA0-0x24F, 0x400-0x4FF"));
    const QString path = folder_->filePath(QStringLiteral("f.fnt"));
    windowSystem_->savePaths.push_back(path);
    window_->OnSave();
    QTRY_VERIFY_WITH_TIMEOUT(!window_->Busy() && QFile::exists(path), 60000);
    QVERIFY(QFile::exists(folder_->filePath(QStringLiteral("f_1.png"))));
    windowSystem_->messages.clear();
    window_->rangesEdit->setText(QStringLiteral("0x41-0x43"));
    windowSystem_->savePaths.push_back(path);
    windowSystem_->answers.push_back(MessageAnswer::Ok);
    window_->OnSave();
    QTRY_VERIFY_WITH_TIMEOUT(!window_->Busy() && windowSystem_->messages.size() >= 2, 60000);
    QVERIFY(windowSystem_->messages.front().text.contains(QStringLiteral("f_1.png")));
    QVERIFY(!QFile::exists(folder_->filePath(QStringLiteral("f_1.png"))));
  }

  // Fit shows a page larger than the view whole, shrunk.
  void FitShrinksALargePage() {
    window_->pageSizeList->setCurrentIndex(2);  // 1024 x 1024
    window_->rangesEdit->setText(QStringLiteral("0x20-0x7E, 0xA0-0x24F, 0x370-0x3FF, 0x400-0x4FF, 0x2000-0x206F"));
    QTRY_VERIFY_WITH_TIMEOUT(!window_->Busy(), 60000);
    window_->resize(800, 600);
    window_->zoomList->setCurrentIndex(0);
    const QSize room = window_->findChild<QScrollArea*>(QStringLiteral("pageScroller"))->viewport()->size();
    QVERIFY(window_->pageView->Page().width() > room.width() || window_->pageView->Page().height() > room.height());
    QVERIFY(window_->pageView->width() <= room.width() && window_->pageView->height() <= room.height());
    QVERIFY(window_->pageView->width() == room.width() || window_->pageView->height() == room.height() ||
            window_->pageView->width() + 2 >= room.width() || window_->pageView->height() + 2 >= room.height());
  }

  // Tab reaches every kind of control, through both columns and the views.
  void TabReachesEveryControl() {
    window_->rangesEdit->setText(QStringLiteral("0x41-0x5A"));
    window_->shadowBox->setChecked(true);
    window_->show();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    window_->rangesEdit->setFocus();
    std::set<QWidget*> reached;
    for (int press = 0; press < 200 && QApplication::focusWidget() != nullptr; ++press) {
      reached.insert(QApplication::focusWidget());
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    const std::vector<std::pair<const char*, QWidget*>> wanted = {
        {"ranges", window_->rangesEdit}, {"format", window_->formatList}, {"field", window_->fieldBox},
        {"layout", window_->layoutList}, {"save", window_->saveButton}, {"outline", window_->outlineBox},
        {"shadow x", window_->shadowXBox}, {"glyph colour", window_->colourButtons[0]},
        {"fallback face", window_->fallbackFaceList}, {"add fallback", window_->addFallbackButton},
        {"font file", window_->addFontFileButton}, {"zoom", window_->zoomList}, {"boxes", window_->boxesBox},
        {"sample text", window_->sampleEdit}, {"scale", window_->scaleList}};
    for (const auto& [name, widget] : wanted) {
      QWidget* focused = widget->focusProxy() != nullptr ? widget->focusProxy() : widget;
      QVERIFY2(reached.count(focused) == 1 || reached.count(widget) == 1, name);
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
