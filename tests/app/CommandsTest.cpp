#include "app/CVantorDlg.h"
#include "app/DialogBuilder.h"
#include "tests/app/FakeWindowSystem.h"
#include "tests/app/OpenMainDialog.h"
#include "app/Translation.h"
#include "tests/app/TestRegistry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <cstring>

namespace vantor {

namespace {

// Counts the paints a widget gets.
class PaintCounter : public QObject {
 public:
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

}  // namespace

class CommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    windowSystem_ = std::make_unique<FakeWindowSystem>();
    dialog_ = OpenMainDialog(*windowSystem_);
  }

  void cleanup() {
    dialog_.reset();
    windowSystem_.reset();
  }

  void EnterTakesOnlyValuesInRange_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("taken");
    QTest::newRow("width 255") << 1004 << "255" << true;
    QTest::newRow("width 300") << 1004 << "300" << false;
    QTest::newRow("width beyond int32") << 1004 << "99999999999" << false;
    QTest::newRow("height 0") << 1005 << "0" << false;
    QTest::newRow("height 1") << 1005 << "1" << true;
    QTest::newRow("height 511") << 1005 << "511" << true;
    QTest::newRow("height 512") << 1005 << "512" << false;
    QTest::newRow("leading -255") << 1026 << "-255" << true;
    QTest::newRow("leading -256") << 1026 << "-256" << false;
    QTest::newRow("kerning 255") << 1028 << "255" << true;
    QTest::newRow("kerning 256") << 1028 << "256" << false;
  }

  void EnterTakesOnlyValuesInRange() {
    QFETCH(int, id);
    QFETCH(QString, text);
    QFETCH(bool, taken);
    CVantorDlg& d = *dialog_;
    auto* edit = FindControl<QLineEdit>(d, id);
    edit->setText(text);
    d.ApplyEdits();
    const std::int32_t value = id == 1004 ? d.engine.GetWidth()
                               : id == 1005 ? d.engine.GetHeight()
                               : id == 1026 ? d.engine.leading
                                            : d.engine.kerning;
    QCOMPARE(d.BuildCount(), taken ? 1 : 0);
    if (taken) QCOMPARE(QString::number(value), text);
    if (!taken) QVERIFY(QString::number(value) != text);
    // The edit keeps what was typed either way.
    QCOMPARE(edit->text(), text);
  }

  // The spacing edits take any typed text; Enter takes its leading digits, or 0.
  void TypedTextInTheSpacingEditsGivesItsLeadingNumberOrZero_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("value");
    QTest::newRow("leading letters") << 1026 << "abc" << 0;
    QTest::newRow("leading minus") << 1026 << "-" << 0;
    QTest::newRow("leading digits then letters") << 1026 << "12px" << 12;
    QTest::newRow("kerning letters") << 1028 << "x" << 0;
    QTest::newRow("kerning negative then letters") << 1028 << "-7pt" << -7;
  }

  void TypedTextInTheSpacingEditsGivesItsLeadingNumberOrZero() {
    QFETCH(int, id);
    QFETCH(QString, typed);
    QFETCH(int, value);
    CVantorDlg& d = *dialog_;
    d.engine.leading = 4;
    d.engine.kerning = 4;
    d.UpdateControls();
    QLineEdit* edit = id == 1026 ? d.leadingEdit : d.kerningEdit;
    edit->setFocus();
    edit->clear();
    QTest::keyClicks(edit, typed);
    QCOMPARE(edit->text(), typed);
    d.ApplyEdits();
    QCOMPARE(id == 1026 ? d.engine.leading : d.engine.kerning, value);
    QCOMPARE(d.BuildCount(), 1);
  }

  void NothingChangedBuildsAndRepaintsNothing() {
    CVantorDlg& d = *dialog_;
    QVERIFY(QTest::qWaitForWindowExposed(&d.preview));
    PaintCounter counter;
    d.preview.installEventFilter(&counter);
    d.ApplyEdits();
    QTest::qWait(30);
    QCOMPARE(d.BuildCount(), 0);
    QCOMPARE(counter.paints, 0);
    d.kerningEdit->setText(QStringLiteral("3"));
    d.ApplyEdits();
    QTRY_VERIFY(counter.paints > 0);
    QCOMPARE(d.BuildCount(), 1);
  }

  void WidthAndSpacingTogetherBuildOnceWithTheNewFont() {
    CVantorDlg& d = *dialog_;
    d.heightEdit->setText(QStringLiteral("20"));
    d.leadingEdit->setText(QStringLiteral("5"));
    d.ApplyEdits();
    QCOMPARE(d.BuildCount(), 1);
    QCOMPARE(d.engine.GetHeight(), 20);
    QCOMPARE(d.engine.leading, 5);
  }

  void ATypedHeightThenAWeightBuildsTwice() {
    CVantorDlg& d = *dialog_;
    d.heightEdit->setText(QStringLiteral("40"));
    d.weightList->setCurrentIndex(5);
    QCOMPARE(d.BuildCount(), 2);
    QCOMPARE(d.engine.GetWeight(), 500);
    QCOMPARE(d.engine.GetHeight(), 40);
  }

  void BoldSelectsBoldOrNormalWhateverTheWeightWas_data() {
    QTest::addColumn<int>("startPosition");
    QTest::newRow("from FW_THIN") << 1;
    QTest::newRow("from FW_HEAVY") << 9;
  }

  void BoldSelectsBoldOrNormalWhateverTheWeightWas() {
    QFETCH(int, startPosition);
    CVantorDlg& d = *dialog_;
    d.weightList->setCurrentIndex(startPosition);
    d.boldBox->click();
    QCOMPARE(d.weightList->currentText(), QStringLiteral("FW_BOLD"));
    QCOMPARE(d.engine.GetWeight(), 700);
    QVERIFY(d.engine.IsBold());
    d.boldBox->click();
    QCOMPARE(d.weightList->currentText(), QStringLiteral("FW_NORMAL"));
    QCOMPARE(d.engine.GetWeight(), 400);
    QCOMPARE(d.BuildCount(), 3);
  }

  void ChoosingBoldInTheListLeavesTheBox() {
    CVantorDlg& d = *dialog_;
    d.weightList->setCurrentIndex(7);
    QCOMPARE(d.engine.GetWeight(), 700);
    QVERIFY(!d.boldBox->isChecked());
  }

  void ListChangesKeepTheRestOfTheDescription() {
    CVantorDlg& d = *dialog_;
    d.qualityList->setCurrentIndex(1);
    d.charsetList->setCurrentIndex(10);
    const LOGFONTA desc = d.engine.GetFontDesc();
    QCOMPARE(int(desc.lfCharSet), 204);
    QCOMPARE(int(desc.lfQuality), 4);
    QCOMPARE(desc.lfHeight, 32);
    QCOMPARE(desc.lfWeight, 300);
    QCOMPARE(d.BuildCount(), 2);
  }

  void AFaceIsTakenAsChosen() {
    CVantorDlg& d = *dialog_;
    QVERIFY(d.faceList->count() > 1);
    const int other = d.faceList->currentIndex() == 0 ? 1 : 0;
    d.faceList->setCurrentIndex(other);
    QCOMPARE(QString::fromStdString(d.engine.GetFaceName()), d.faceList->itemText(other));
    QCOMPARE(d.BuildCount(), 1);
  }

  void ALongFaceNameIsCutBetweenCharacters() {
    CVantorDlg& d = *dialog_;
    // Sixteen two-byte letters: 32 bytes, one more than the field holds.
    const QString name = QString(16, QChar(0x00C4));
    d.faceList->addItem(name);
    d.faceList->setCurrentIndex(d.faceList->count() - 1);
    const std::string face = d.engine.GetFaceName();
    QCOMPARE(face.size(), std::size_t{30});
    QCOMPARE(QString::fromUtf8(face), QString(15, QChar(0x00C4)));
  }

  void AListWithoutSelectionIgnoresTheNotice() {
    CVantorDlg& d = *dialog_;
    d.faceList->setCurrentIndex(-1);
    d.weightList->setCurrentIndex(-1);
    d.textureWidthList->setCurrentIndex(-1);
    QCOMPARE(d.BuildCount(), 0);
  }

  void ItalicBuildsWithTheBoxsState() {
    CVantorDlg& d = *dialog_;
    d.italicBox->setChecked(true);
    d.OnItalic();
    QVERIFY(d.engine.IsItalic());
    d.italicBox->setChecked(false);
    d.OnItalic();
    QVERIFY(!d.engine.IsItalic());
  }

  void HandlersNeverUpdateTheControls() {
    CVantorDlg& d = *dialog_;
    d.widthEdit->setText(QStringLiteral("300"));
    d.charsetList->setCurrentIndex(1);
    QCOMPARE(d.widthEdit->text(), QStringLiteral("300"));
    QCOMPARE(d.engine.GetWidth(), 0);
  }

  void AHiddenPreviewStillFollowsTheTexture() {
    CVantorDlg& d = *dialog_;
    d.showTextureBox->click();
    QVERIFY(!d.preview.isVisible());
    QVERIFY(!d.engine.showTexture);
    QCOMPARE(d.BuildCount(), 0);
    d.textureWidthList->setCurrentIndex(d.textureWidthList->findText(QStringLiteral("128")));
    QCOMPARE(d.engine.GetTextureSize().width, 128);
    d.showTextureBox->click();
    QVERIFY(d.preview.isVisible());
    QVERIFY(d.engine.showTexture);
  }

  void AWideTextureKeepsThePreviewSize() {
    CVantorDlg& d = *dialog_;
    const QSize before = d.preview.size();
    d.textureWidthList->setCurrentIndex(d.textureWidthList->findText(QStringLiteral("4096")));
    QCOMPARE(d.engine.textureWidth, 4096);
    QCOMPARE(d.engine.GetTextureSize().width, 4096);
    QCOMPARE(d.preview.size(), before);
    QCOMPARE(d.BuildCount(), 1);
  }

  void AboutRunsTheTranslatedDialogWithLiveLinks() {
    QString webTip;
    windowSystem_->onModal = [&webTip](QDialog& about) {
      webTip = FindControl(about, 1032)->toolTip();
    };
    FindControl<QAbstractButton>(*dialog_, 1025)->click();
    QCOMPARE(windowSystem_->modalTitles.size(), 1);
    QVERIFY(webTip.startsWith(QStringLiteral("https://")));
    QCOMPARE(dialog_->BuildCount(), 0);
  }

 private:
  std::unique_ptr<FakeWindowSystem> windowSystem_;
  std::unique_ptr<CVantorDlg> dialog_;
};

std::unique_ptr<QObject> MakeCommandsTest() { return std::make_unique<CommandsTest>(); }

}  // namespace vantor

#include "CommandsTest.moc"
