#include "Localizer.h"
#include "app/CExportWnd.h"
#include "app/CVantorDlg.h"
#include "app/DialogBuilder.h"
#include "app/Translation.h"
#include "platform/FontMatch.h"
#include "tests/app/FakeWindowSystem.h"
#include "tests/app/TestRegistry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QAbstractItemView>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>

namespace vantor {

namespace {

constexpr int kLabelIds[] = {1001, 1009, 1014, 1013, 1011, 1003, 1006, 1017, 1007, 1008, 1030,
                             1021, 1024, 1027, 1029, 1022, 1018, 1019, 1020, 1025, 2};

QString Caption(QWidget* control) {
  if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
  if (auto* button = qobject_cast<QAbstractButton*>(control)) return button->text();
  if (auto* frame = qobject_cast<QGroupBox*>(control)) return frame->title();
  return {};
}

}  // namespace

class MainDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    LoadLanguages();
    windowSystem_ = std::make_unique<FakeWindowSystem>();
    dialog_ = std::make_unique<CVantorDlg>(*windowSystem_);
    dialog_->OnOpen();
  }

  void cleanup() {
    dialog_.reset();
    windowSystem_.reset();
  }

  // Each text's width by the font's own metrics, against the room its control gives it.
  void EveryTextFitsItsControlInEveryLanguage_data() {
    QTest::addColumn<QByteArray>("lang");
    QTest::newRow("English") << QByteArray("C");
    QTest::newRow("German") << QByteArray("de_DE.UTF-8");
    QTest::newRow("Russian") << QByteArray("ru_RU.UTF-8");
  }

  void EveryTextFitsItsControlInEveryLanguage() {
    QFETCH(QByteArray, lang);
    const QByteArray saved = qgetenv("LANG");
    qputenv("LANG", lang);
    LoadLanguages();
    CVantorDlg dialog(*windowSystem_);
    dialog.OnOpen();
    qputenv("LANG", saved);
    LoadLanguages();
    const QStyle* style = dialog.style();
    const int indicator = style->pixelMetric(QStyle::PM_IndicatorWidth) + style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
    for (const QWidget* control : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      const QFontMetrics metrics(control->font());
      QString text;
      int room = control->width();
      if (const auto* label = qobject_cast<const QLabel*>(control)) {
        text = label->text();
      } else if (const auto* box = qobject_cast<const QCheckBox*>(control)) {
        text = box->text();
        room -= indicator;
      } else if (const auto* button = qobject_cast<const QPushButton*>(control)) {
        text = button->text();
      } else if (const auto* frame = qobject_cast<const QGroupBox*>(control)) {
        text = frame->title();
      }
      text.remove(QLatin1Char('&'));
      QVERIFY2(metrics.horizontalAdvance(text) <= room, qPrintable(text + " in " + control->objectName()));
      QVERIFY2(control->geometry().right() < dialog.width(), qPrintable(control->objectName()));
    }
    // Each drop-down list opens wide enough for its longest entry.
    for (const QComboBox* list : dialog.findChildren<QComboBox*>()) {
      int widest = 0;
      for (int i = 0; i < list->count(); ++i) {
        widest = std::max(widest, QFontMetrics(list->view()->font()).horizontalAdvance(list->itemText(i)));
      }
      QVERIFY2(list->view()->minimumWidth() >= widest, qPrintable(list->objectName()));
    }
  }

  void StartsWithTheEnginesDefaults() {
    CVantorDlg& d = *dialog_;
    QCOMPARE(d.widthEdit->text(), QStringLiteral("0"));
    QCOMPARE(d.heightEdit->text(), QStringLiteral("32"));
    QCOMPARE(d.weightList->currentText(), QStringLiteral("FW_LIGHT"));
    QCOMPARE(d.charsetList->currentText(), QStringLiteral("DEFAULT_CHARSET"));
    QCOMPARE(d.qualityList->currentText(), QStringLiteral("DEFAULT_QUALITY"));
    QVERIFY(!d.boldBox->isChecked());
    QVERIFY(!d.italicBox->isChecked());
    QCOMPARE(d.leadingEdit->text(), QStringLiteral("0"));
    QCOMPARE(d.kerningEdit->text(), QStringLiteral("0"));
    QVERIFY(d.showTextureBox->isChecked());
    QCOMPARE(d.textureWidthList->currentText(), QStringLiteral("256"));
    QCOMPARE(d.faceList->currentText(), QString::fromStdString(platform::DefaultFaceName()));
    QCOMPARE(d.windowTitle(), QStringLiteral("Vantor"));
  }

  void LabelsShowTheirTranslations_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("caption");
    QTest::newRow("frame") << 1001 << "Font params:";
    QTest::newRow("label") << 1013 << "- Charset";
    QTest::newRow("box") << 1021 << "- Show texture";
    QTest::newRow("notice") << 1022 << "\u00A9 2026 The Vantor developers";
    QTest::newRow("button") << 1018 << "Load Font params";
    QTest::newRow("Exit") << 2 << "Exit";
  }

  void LabelsShowTheirTranslations() {
    QFETCH(int, id);
    QFETCH(QString, caption);
    QCOMPARE(Caption(FindControl(*dialog_, id)), caption);
    QCOMPARE(dialog_->windowTitle(), QStringLiteral("Vantor"));
  }

  void WithoutLanguageFilesEveryLabelReadsTheErrorText() {
    Localizer::GetInstance().Load("no-such-folder/*.lng", "");
    FakeWindowSystem windowSystem;
    CVantorDlg dialog(windowSystem);
    dialog.preview.Create();
    dialog.OnOpen();
    LoadLanguages();
    for (int id : kLabelIds) QCOMPARE(Caption(FindControl(dialog, id)), QStringLiteral("Error of the resource file."));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Vantor"));
    QCOMPARE(dialog.preview.windowTitle(), QStringLiteral("Error of the resource file."));
    // The program works all the same.
    dialog.weightList->setCurrentIndex(7);
    QCOMPARE(dialog.engine.GetWeight(), 700);
  }

  void OpeningBuildsNothingAndFiresNoHandler() { QCOMPARE(dialog_->BuildCount(), 0); }

  void ListsHoldTheEnginesTablesAndTheTenWidths() {
    CVantorDlg& d = *dialog_;
    QCOMPARE(d.charsetList->count(), 19);
    QCOMPARE(d.charsetList->itemText(15), QStringLiteral("JOHAB_CHARSET "));
    QCOMPARE(d.qualityList->count(), 6);
    QCOMPARE(d.weightList->count(), 10);
    QCOMPARE(d.weightList->itemText(7), QStringLiteral("FW_BOLD"));
    QStringList widths;
    for (int i = 0; i < d.textureWidthList->count(); ++i) widths << d.textureWidthList->itemText(i);
    QCOMPARE(widths, QStringList({"8", "16", "32", "64", "128", "256", "512", "1024", "2048", "4096"}));
  }

  void FaceListHoldsEveryFaceOnceSorted() {
    const std::vector<std::string> faces = platform::FaceList();
    QComboBox* list = dialog_->faceList;
    QCOMPARE(list->count(), static_cast<int>(faces.size()));
    for (int i = 1; i < list->count(); ++i) {
      QVERIFY2(QString::compare(list->itemText(i - 1), list->itemText(i), Qt::CaseInsensitive) < 0,
               qPrintable(list->itemText(i)));
    }
  }

  void TheFocusStartsOnExit() {
    QCOMPARE(dialog_->focusWidget(), FindControl(*dialog_, 2));
  }

  void UpdateControlsShowsTheEngineAndFiresNoHandler() {
    CVantorDlg& d = *dialog_;
    LOGFONTA desc = d.engine.GetFontDesc();
    desc.lfHeight = 20;
    desc.lfWidth = 7;
    desc.lfWeight = 700;
    desc.lfItalic = 1;
    desc.lfCharSet = 204;
    desc.lfQuality = 4;
    d.engine.leading = -3;
    d.engine.kerning = 2;
    d.engine.textureWidth = 512;
    d.engine.showTexture = false;
    d.engine.Build(desc);
    d.UpdateControls();
    QCOMPARE(d.heightEdit->text(), QStringLiteral("20"));
    QCOMPARE(d.widthEdit->text(), QStringLiteral("7"));
    QCOMPARE(d.weightList->currentText(), QStringLiteral("FW_BOLD"));
    QVERIFY(d.boldBox->isChecked());
    QVERIFY(d.italicBox->isChecked());
    QCOMPARE(d.charsetList->currentText(), QStringLiteral("RUSSIAN_CHARSET"));
    QCOMPARE(d.qualityList->currentText(), QStringLiteral("ANTIALIASED_QUALITY"));
    QCOMPARE(d.leadingEdit->text(), QStringLiteral("-3"));
    QCOMPARE(d.kerningEdit->text(), QStringLiteral("2"));
    QCOMPARE(d.textureWidthList->currentText(), QStringLiteral("512"));
    QVERIFY(!d.showTextureBox->isChecked());
    QVERIFY(!d.italicBox->isEnabled());
    QCOMPARE(d.BuildCount(), 0);
  }

  void ListsMatchTheFirstEntryThatBeginsWithTheValue_data() {
    QTest::addColumn<int>("textureWidth");
    QTest::addColumn<QString>("shown");
    QTest::newRow("exact") << 2048 << "2048";
    QTest::newRow("1 selects 16") << 1 << "16";
    QTest::newRow("40 selects 4096") << 40 << "4096";
    QTest::newRow("none keeps 256") << 300 << "256";
    QTest::newRow("negative keeps 256") << -8 << "256";
  }

  void ListsMatchTheFirstEntryThatBeginsWithTheValue() {
    QFETCH(int, textureWidth);
    QFETCH(QString, shown);
    dialog_->engine.textureWidth = textureWidth;
    dialog_->UpdateControls();
    QCOMPARE(dialog_->textureWidthList->currentText(), shown);
  }

  void ValuesNoListHoldsKeepTheSelection_data() {
    QTest::addColumn<int>("charset");
    QTest::addColumn<int>("weight");
    QTest::newRow("charset 3, weight 450") << 3 << 450;
    QTest::newRow("charset 44, weight 1") << 44 << 1;
  }

  void ValuesNoListHoldsKeepTheSelection() {
    QFETCH(int, charset);
    QFETCH(int, weight);
    CVantorDlg& d = *dialog_;
    LOGFONTA desc = d.engine.GetFontDesc();
    desc.lfCharSet = static_cast<std::uint8_t>(charset);
    desc.lfWeight = weight;
    d.engine.Build(desc);
    d.UpdateControls();
    QCOMPARE(d.charsetList->currentText(), QStringLiteral("DEFAULT_CHARSET"));
    QCOMPARE(d.weightList->currentText(), QStringLiteral("FW_LIGHT"));
  }

  void AFaceNotInstalledKeepsTheSelection() {
    CVantorDlg& d = *dialog_;
    const QString before = d.faceList->currentText();
    LOGFONTA desc = d.engine.GetFontDesc();
    platform::SetFaceName(desc, "No Such Face Anywhere");
    d.engine.Build(desc);
    d.UpdateControls();
    QCOMPARE(d.faceList->currentText(), before);
  }

  void AFacePrefixSelectsTheFirstFaceBeginningWithIt() {
    CVantorDlg& d = *dialog_;
    const QString first = d.faceList->itemText(0);
    LOGFONTA desc = d.engine.GetFontDesc();
    platform::SetFaceName(desc, first.left(2).toLower().toUtf8().constData());
    d.engine.Build(desc);
    d.UpdateControls();
    QCOMPARE(d.faceList->currentIndex(), d.faceList->findText(first.left(2), Qt::MatchStartsWith));
  }

  void EnterInAnEditOrListNeverCloses_data() {
    QTest::addColumn<int>("id");
    QTest::newRow("width edit") << 1004;
    QTest::newRow("leading edit") << 1026;
    QTest::newRow("face list") << 1000;
    QTest::newRow("weight list") << 1016;
    QTest::newRow("Bold box") << 1007;
  }

  void EnterInAnEditOrListNeverCloses() {
    QFETCH(int, id);
    dialog_->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog_.get()));
    dialog_->heightEdit->setText(QStringLiteral("40"));
    QWidget* control = FindControl(*dialog_, id);
    control->setFocus();
    QTest::keyClick(control, Qt::Key_Return);
    QVERIFY(dialog_->isVisible());
    // The Enter reached the dialog's OK command, which applied the height.
    QCOMPARE(dialog_->engine.GetHeight(), 40);
  }

  void EnterOnAButtonPressesIt() {
    dialog_->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog_.get()));
    auto* about = FindControl<QPushButton>(*dialog_, 1025);
    about->setFocus();
    QTest::keyClick(about, Qt::Key_Return);
    QCOMPARE(windowSystem_->modalTitles.size(), 1);
  }

  void EscAndExitEndTheDialog_data() {
    QTest::addColumn<bool>("byEsc");
    QTest::addColumn<int>("focus");
    QTest::newRow("Esc on Exit") << true << 2;
    QTest::newRow("Esc in the face list") << true << 1000;
    QTest::newRow("Esc in the weight list") << true << 1016;
    QTest::newRow("Esc in the texture-width list") << true << 1023;
    QTest::newRow("Esc in the width edit") << true << 1004;
    QTest::newRow("Esc in the kerning edit") << true << 1028;
    QTest::newRow("Esc on the Bold box") << true << 1007;
    QTest::newRow("Exit") << false << 2;
  }

  void EscAndExitEndTheDialog() {
    QFETCH(bool, byEsc);
    QFETCH(int, focus);
    dialog_->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog_.get()));
    QSignalSpy finished(dialog_.get(), &QDialog::finished);
    if (byEsc) {
      FindControl(*dialog_, focus)->setFocus();
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    } else {
      FindControl<QPushButton>(*dialog_, 2)->click();
    }
    QCOMPARE(finished.size(), 1);
    QVERIFY(!dialog_->isVisible());
  }

  void TheBackgroundMenuOffersAboutAndExport_data() {
    QTest::addColumn<int>("chosen");
    QTest::addColumn<QStringList>("modal");
    QTest::addColumn<int>("saveChoosers");
    QTest::addColumn<bool>("exportWindow");
    QTest::newRow("about") << 0 << QStringList({"About Vantor"}) << 0 << false;
    // The export item opens the export window, which asks for a name only on Save.
    QTest::newRow("export") << 1 << QStringList() << 0 << true;
    QTest::newRow("dismissed") << -1 << QStringList() << 0 << false;
  }

  void TheBackgroundMenuOffersAboutAndExport() {
    QFETCH(int, chosen);
    QFETCH(QStringList, modal);
    QFETCH(int, saveChoosers);
    QFETCH(bool, exportWindow);
    if (chosen >= 0) windowSystem_->chosenMenuItem = chosen;
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), QPoint(2, 2));
    QApplication::sendEvent(dialog_.get(), &event);
    QCOMPARE(windowSystem_->menuItems, QStringList({"&About Vantor...", "Export for game engines..."}));
    QCOMPARE(windowSystem_->modalTitles, modal);
    QCOMPARE(static_cast<int>(windowSystem_->saveRequests.size()), saveChoosers);
    QCOMPARE(dialog_->ExportWindow() != nullptr && dialog_->ExportWindow()->isVisible(), exportWindow);
  }

  void TheTextsOfTypedListEditsSelectNothing() {
    CVantorDlg& d = *dialog_;
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    d.weightList->setFocus();
    d.weightList->lineEdit()->selectAll();
    QTest::keyClicks(d.weightList->lineEdit(), QStringLiteral("FW_BOLD"));
    QTest::keyClick(d.weightList->lineEdit(), Qt::Key_Return);
    d.heightEdit->setFocus();
    QCOMPARE(d.weightList->currentIndex(), 3);
    QCOMPARE(d.engine.GetWeight(), 300);
    QCOMPARE(d.BuildCount(), 0);
  }

  void EveryWindowHasTheIcon() {
    QVERIFY(!dialog_->windowIcon().isNull());
    QCOMPARE(dialog_->windowIcon().cacheKey(), dialog_->icon.cacheKey());
    QCOMPARE(dialog_->preview.windowIcon().cacheKey(), dialog_->icon.cacheKey());
  }

 private:
  std::unique_ptr<FakeWindowSystem> windowSystem_;
  std::unique_ptr<CVantorDlg> dialog_;
};

std::unique_ptr<QObject> MakeMainDialogTest() { return std::make_unique<MainDialogTest>(); }

}  // namespace vantor

#include "MainDialogTest.moc"
