#include "app/DialogBuilder.h"
#include "tests/app/TestRegistry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QValidator>

namespace vantor {

class DialogBuilderTest : public QObject {
  Q_OBJECT

 private slots:
  void UnitsFollowTheFontMetrics_data() {
    QTest::addColumn<int>("pointSize");
    QTest::newRow("small") << 7;
    QTest::newRow("normal") << 9;
    QTest::newRow("large") << 16;
  }

  void UnitsFollowTheFontMetrics() {
    QFETCH(int, pointSize);
    QFont font = QApplication::font();
    font.setPointSize(pointSize);
    const QFontMetrics metrics(font);
    const DialogUnits units(font);
    // Four horizontal units are the average width of a Latin letter.
    const int letters = metrics.horizontalAdvance(QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"));
    QCOMPARE(units.X(4 * 52), letters);
    QVERIFY(std::abs(units.X(4) - letters / 52.0) <= 0.5);
    QCOMPARE(units.Y(8), metrics.height());
    QCOMPARE(units.Y(800), metrics.height() * 100);
  }

  void EveryControlIsFoundByItsIdAndKind_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("className");
    QTest::newRow("Exit") << 2 << "QPushButton";
    QTest::newRow("faces") << 1000 << "QComboBox";
    QTest::newRow("frame") << 1001 << "QGroupBox";
    QTest::newRow("label") << 1003 << "QLabel";
    QTest::newRow("width") << 1004 << "QLineEdit";
    QTest::newRow("Bold") << 1007 << "QCheckBox";
    QTest::newRow("leading") << 1026 << "QLineEdit";
  }

  void EveryControlIsFoundByItsIdAndKind() {
    QFETCH(int, id);
    QFETCH(QString, className);
    QWidget* control = FindControl(*dialog_, id);
    QVERIFY(control != nullptr);
    QCOMPARE(QString::fromLatin1(control->metaObject()->className()), className);
  }

  void ControlsSitWhereTheTemplateSays() {
    const DialogUnits units(dialog_->font());
    QCOMPARE(FindControl(*dialog_, 2)->geometry(), units.Rect(244, 149, 50, 12));
    QCOMPARE(FindControl(*dialog_, 1030)->geometry(), units.Rect(5, 96, 200, 50));
    QCOMPARE(dialog_->size(), QSize(units.X(305), units.Y(166)));
    QCOMPARE(dialog_->minimumSize(), dialog_->maximumSize());
  }

  void TabOrderIsTemplateOrder() {
    const int expected[] = {2, 1000, 1004, 1005, 1007, 1008, 1010, 1012, 1016, 1018, 1019, 1020, 1021, 1023, 1025, 1026, 1028};
    QWidget* control = FindControl(*dialog_, 2);
    for (std::size_t i = 1; i < std::size(expected); ++i) {
      control = control->nextInFocusChain();
      while (control->focusPolicy() != Qt::StrongFocus || control->objectName().isEmpty()) {
        control = control->nextInFocusChain();
      }
      QCOMPARE(control->objectName(), ControlName(expected[i]));
    }
    QCOMPARE(first_, FindControl(*dialog_, 2));
  }

  void ListsAreEditableDropDownsThatAddNothingTyped() {
    for (int id : {1000, 1010, 1012, 1016, 1023}) {
      auto* list = FindControl<QComboBox>(*dialog_, id);
      QVERIFY(list->isEditable());
      QCOMPARE(list->insertPolicy(), QComboBox::NoInsert);
    }
  }

  void TheFaceListSortsWithoutCaseAndTheOthersKeepTheirOrder() {
    auto* faces = FindControl<QComboBox>(*dialog_, 1000);
    for (const char* name : {"delta", "Alpha", "charlie", "Bravo"}) AddString(*faces, QString::fromLatin1(name));
    QCOMPARE(faces->itemText(0), QStringLiteral("Alpha"));
    QCOMPARE(faces->itemText(1), QStringLiteral("Bravo"));
    QCOMPARE(faces->itemText(2), QStringLiteral("charlie"));
    QCOMPARE(faces->itemText(3), QStringLiteral("delta"));
    auto* widths = FindControl<QComboBox>(*dialog_, 1023);
    for (const char* width : {"8", "16", "4096", "32"}) AddString(*widths, QString::fromLatin1(width));
    QCOMPARE(widths->itemText(2), QStringLiteral("4096"));
  }

  void EditsAcceptWhatTheirStyleAllows_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("width digits") << 1004 << "120" << true;
    QTest::newRow("width minus") << 1004 << "-1" << false;
    QTest::newRow("height letters") << 1005 << "12a" << false;
    QTest::newRow("leading minus") << 1026 << "-12" << true;
    QTest::newRow("kerning minus") << 1028 << "-3" << true;
    QTest::newRow("leading letters") << 1026 << "12px" << true;
    QTest::newRow("kerning letters") << 1028 << "x" << true;
  }

  void EditsAcceptWhatTheirStyleAllows() {
    QFETCH(int, id);
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    auto* edit = FindControl<QLineEdit>(*dialog_, id);
    int position = 0;
    // An edit without a validator takes any text.
    QCOMPARE(edit->validator() == nullptr || edit->validator()->validate(text, position) != QValidator::Invalid, accepted);
  }

  void LabelsNeverReadTheirTextAsMarkup() {
    // Label texts come from language files.
    for (QLabel* label : dialog_->findChildren<QLabel*>()) QCOMPARE(label->textFormat(), Qt::PlainText);
  }

  void ItalicStartsDisabled() {
    QVERIFY(!FindControl(*dialog_, 1008)->isEnabled());
    QVERIFY(FindControl(*dialog_, 1007)->isEnabled());
  }

  void NoButtonOfTheMainDialogIsTheDefault() {
    for (QPushButton* button : dialog_->findChildren<QPushButton*>()) {
      QVERIFY(!button->isDefault());
      QVERIFY(!button->autoDefault());
    }
  }

  void FramesLieBehindTheControlsTheySurround() {
    // A frame above a list would take the list's clicks.
    auto* frame = FindControl(*dialog_, 1001);
    auto* list = FindControl(*dialog_, 1000);
    const QObjectList& order = dialog_->children();
    QVERIFY(order.indexOf(frame) < order.indexOf(list));
  }

  void init() {
    dialog_ = std::make_unique<QDialog>();
    ApplyWindowStyles(*dialog_, MainDialogTemplate());
    first_ = BuildControls(*dialog_, MainDialogTemplate());
  }

  void cleanup() { dialog_.reset(); }

 private:
  std::unique_ptr<QDialog> dialog_;
  QWidget* first_ = nullptr;
};

std::unique_ptr<QObject> MakeDialogBuilderTest() { return std::make_unique<DialogBuilderTest>(); }

}  // namespace vantor

#include "DialogBuilderTest.moc"
