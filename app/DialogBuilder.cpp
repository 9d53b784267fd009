#include "app/DialogBuilder.h"

#include "app/Artwork.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

#include <vector>

namespace vantor {

namespace {

constexpr char kSortedProperty[] = "vantorSorted";
constexpr char kAlphabet[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
// The closed height of a combo box, in dialog units; the rest of the
// template's height is its drop-down list.
constexpr int kClosedComboHeight = 14;

QWidget* MakeComboBox(QWidget& parent, const ControlTemplate& line, const DialogUnits& units) {
  auto* combo = new QComboBox(&parent);
  combo->setEditable(true);
  combo->setInsertPolicy(QComboBox::NoInsert);
  combo->setCompleter(nullptr);
  // Only the list part chooses: text typed into the edit part must never
  // select an entry, so the edit's "finished" notice is not passed to the list.
  QObject::disconnect(combo->lineEdit(), &QLineEdit::editingFinished, combo, nullptr);
  QObject::disconnect(combo->lineEdit(), &QLineEdit::returnPressed, combo, nullptr);
  // A chosen entry shows from its first character, as a narrow list shows it.
  QLineEdit* edit = combo->lineEdit();
  QObject::connect(edit, &QLineEdit::textChanged, edit, [edit] {
    if (!edit->isModified()) edit->setCursorPosition(0);
  });
  combo->setProperty(kSortedProperty, (line.styles & kSorted) != 0);
  const QRect box = units.Rect(line.x, line.y, line.width, kClosedComboHeight);
  combo->setGeometry(box);
  const int rowHeight = std::max(1, combo->fontMetrics().height() + 2);
  combo->setMaxVisibleItems(std::max(1, (units.Y(line.height) - box.height()) / rowHeight));
  return combo;
}

QWidget* MakeEdit(QWidget& parent, const ControlTemplate& line) {
  auto* edit = new QLineEdit(&parent);
  if ((line.styles & kDigitsOnly) != 0) {
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
  }
  return edit;
}

QWidget* MakeLabel(QWidget& parent, const ControlTemplate& line) {
  auto* label = new QLabel(QString::fromUtf8(line.caption), &parent);
  // Texts come from language files: never read them as markup.
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(((line.styles & kCentred) != 0 ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
  return label;
}

QWidget* MakeArtwork(QWidget& parent, const ControlTemplate& line) {
  auto* label = new QLabel(&parent);
  label->setPixmap(Artwork(line.resource, line.kind == ControlKind::Icon));
  return label;
}

QWidget* MakeControl(QWidget& parent, const ControlTemplate& line, const DialogUnits& units) {
  const QString caption = QString::fromUtf8(line.caption);
  switch (line.kind) {
    case ControlKind::PushButton:
    case ControlKind::DefPushButton: {
      auto* button = new QPushButton(caption, &parent);
      // Enter presses the button that has the focus; the dialog decides that itself.
      button->setAutoDefault(line.kind == ControlKind::DefPushButton);
      button->setDefault(line.kind == ControlKind::DefPushButton);
      return button;
    }
    case ControlKind::ComboBox:
      return MakeComboBox(parent, line, units);
    case ControlKind::GroupBox:
      return new QGroupBox(caption, &parent);
    case ControlKind::Label:
      return MakeLabel(parent, line);
    case ControlKind::Edit:
      return MakeEdit(parent, line);
    case ControlKind::CheckBox:
      return new QCheckBox(caption, &parent);
    case ControlKind::Icon:
    case ControlKind::Picture:
      return MakeArtwork(parent, line);
  }
  return nullptr;
}

}  // namespace

DialogUnits::DialogUnits(const QFont& font) {
  const QFontMetrics metrics(font);
  alphabetWidth_ = std::max(1, metrics.horizontalAdvance(QString::fromLatin1(kAlphabet)));
  height_ = std::max(1, metrics.height());
}

int DialogUnits::X(int units) const {
  constexpr int kQuartersOfLetters = 4 * (sizeof kAlphabet - 1);
  return (units * alphabetWidth_ + kQuartersOfLetters / 2) / kQuartersOfLetters;
}

int DialogUnits::Y(int units) const { return (units * height_ + 4) / 8; }

QString ControlName(int id) { return QStringLiteral("control%1").arg(id); }

void ApplyWindowStyles(QWidget& window, const DialogTemplate& dialogTemplate) {
  Qt::WindowFlags flags = Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint;
  flags |= (dialogTemplate.styles & kToolWindow) != 0 ? Qt::Tool : Qt::Window;
  if ((dialogTemplate.styles & kMinimizeBox) != 0) flags |= Qt::WindowMinimizeButtonHint;
  window.setWindowFlags(flags);
  window.setWindowTitle(QString::fromUtf8(dialogTemplate.caption));
  const DialogUnits units(window.font());
  const QSize size(units.X(dialogTemplate.width), units.Y(dialogTemplate.height));
  if ((dialogTemplate.styles & kSizingBorder) != 0) {
    window.resize(size);
  } else {
    window.setFixedSize(size);
  }
}

QWidget* BuildControls(QWidget& dialog, const DialogTemplate& dialogTemplate) {
  const DialogUnits units(dialog.font());
  std::vector<QWidget*> tabStops;
  std::vector<QWidget*> frames;
  for (const ControlTemplate& line : dialogTemplate.controls) {
    QWidget* control = MakeControl(dialog, line, units);
    if (line.id != kNoId) control->setObjectName(ControlName(line.id));
    if (line.kind != ControlKind::ComboBox) {
      control->setGeometry(units.Rect(line.x, line.y, line.width, line.height));
    }
    if (line.kind == ControlKind::Icon || line.kind == ControlKind::Picture) {
      control->resize(control->sizeHint());
    }
    if ((line.styles & kDisabled) != 0) control->setEnabled(false);
    if ((line.styles & kTabStop) != 0) {
      control->setFocusPolicy(Qt::StrongFocus);
      tabStops.push_back(control);
    } else if (control->focusPolicy() != Qt::NoFocus) {
      control->setFocusPolicy(Qt::ClickFocus);
    }
    if (line.kind == ControlKind::GroupBox) frames.push_back(control);
  }
  // Frames are drawn behind the controls they surround and never take their clicks.
  for (QWidget* frame : frames) frame->lower();
  for (std::size_t i = 1; i < tabStops.size(); ++i) QWidget::setTabOrder(tabStops[i - 1], tabStops[i]);
  return tabStops.empty() ? nullptr : tabStops.front();
}

void AddString(QComboBox& list, const QString& text) {
  if (!list.property(kSortedProperty).toBool()) {
    list.addItem(text);
    return;
  }
  int low = 0;
  int high = list.count();
  while (low < high) {
    const int middle = (low + high) / 2;
    if (QString::compare(list.itemText(middle), text, Qt::CaseInsensitive) <= 0) {
      low = middle + 1;
    } else {
      high = middle;
    }
  }
  list.insertItem(low, text);
}

}  // namespace vantor
