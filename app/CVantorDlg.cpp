#include "app/CVantorDlg.h"

#include "app/Artwork.h"
#include "app/CExportWnd.h"
#include "app/DecimalText.h"
#include "app/DialogBuilder.h"
#include "app/FitTexts.h"
#include "app/Translation.h"
#include "app/WindowSystem.h"
#include "files/export/BakeEngine.h"
#include "platform/FontMatch.h"
#include "templates/ProgramStrings.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>

#include <span>

namespace vantor {

namespace {

CVantorDlg* theDialog = nullptr;

// The labels replaced by their translations when the dialog opens, in this order.
struct LabelKey {
  int id;
  const char* key;
};
constexpr LabelKey kLabelKeys[] = {
    {1001, "Font params"}, {1009, "Type"},          {1014, "View"},          {1013, "Charset"},
    {1011, "Quality"},     {1003, "Width"},         {1006, "Height"},        {1017, "Weight"},
    {1007, "Bold"},        {1008, "Italic"},        {1030, "Texture param"}, {1021, "Show texture"},
    {1024, "Texture width"}, {1027, "Leading"},     {1029, "Kerning"},       {1022, "Copyright"},
    {1018, "Load params"}, {1019, "Save params"},   {1020, "Save texture"},  {1025, "About"},
    {2, "Exit"},
};

constexpr const char* kTextureWidths[] = {"8", "16", "32", "64", "128", "256", "512", "1024", "2048", "4096"};

void SetControlText(QWidget* control, const QString& text) {
  if (auto* label = qobject_cast<QLabel*>(control)) {
    label->setText(text);
  } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
    button->setText(text);
  } else if (auto* frame = qobject_cast<QGroupBox*>(control)) {
    frame->setTitle(text);
  }
}

// Selects the first entry that begins with `text`, case ignored; an empty
// text or no such entry leaves the selection as it is.
void SelectFirstBeginningWith(QComboBox* list, const QString& text) {
  if (text.isEmpty()) return;
  const int index = list->findText(text, Qt::MatchStartsWith);
  if (index < 0) return;
  const QSignalBlocker quiet(list);
  list->setCurrentIndex(index);
}

// Selects the first entry of `table` whose value is `value`; none leaves the selection.
void SelectByValue(QComboBox* list, std::span<const FontOption> table, std::int32_t value) {
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (table[i].value == value) {
      const QSignalBlocker quiet(list);
      list->setCurrentIndex(static_cast<int>(i));
      return;
    }
  }
}

void SetChecked(QCheckBox* box, bool checked) {
  const QSignalBlocker quiet(box);
  box->setChecked(checked);
}

}  // namespace

CVantorDlg::CVantorDlg(WindowSystem& windowSystem)
    : windowSystem_(windowSystem), icon(ApplicationIcon()) {
  theDialog = this;
}

CVantorDlg::~CVantorDlg() {
  if (theDialog == this) theDialog = nullptr;
}

CVantorDlg* CVantorDlg::Current() { return theDialog; }

int CVantorDlg::DoModal() {
  OnOpen();
  return windowSystem_.RunMain(*this);
}

void CVantorDlg::OnOpen() {
  if (opened_) return;
  opened_ = true;
  ApplyWindowStyles(*this, MainDialogTemplate());
  QWidget* firstTabStop = BuildControls(*this, MainDialogTemplate());
  DoDataExchange();
  AddExportButton();
  setWindowIcon(icon);
  preview.setWindowIcon(icon);
  FillLists();
  UpdateControls();
  SizePreview();
  TranslateLabels();
  // Translations may be longer than the English texts the template was made for.
  FitTexts(*this);
  WidenPopups(*this);
  ConnectHandlers();
  if (firstTabStop != nullptr) firstTabStop->setFocus();
}

void CVantorDlg::DoDataExchange() {
  faceList = FindControl<QComboBox>(*this, 1000);
  charsetList = FindControl<QComboBox>(*this, 1012);
  qualityList = FindControl<QComboBox>(*this, 1010);
  widthEdit = FindControl<QLineEdit>(*this, 1004);
  heightEdit = FindControl<QLineEdit>(*this, 1005);
  weightList = FindControl<QComboBox>(*this, 1016);
  boldBox = FindControl<QCheckBox>(*this, 1007);
  italicBox = FindControl<QCheckBox>(*this, 1008);
  showTextureBox = FindControl<QCheckBox>(*this, 1021);
  textureWidthList = FindControl<QComboBox>(*this, 1023);
  leadingEdit = FindControl<QLineEdit>(*this, 1026);
  kerningEdit = FindControl<QLineEdit>(*this, 1028);
}

void CVantorDlg::FillLists() {
  // Each face once, whatever its case; the list keeps itself sorted.
  for (const std::string& face : platform::FaceList()) {
    const QString name = QString::fromUtf8(face);
    if (faceList->findText(name, Qt::MatchFixedString) < 0) AddString(*faceList, name);
  }
  for (int i = 0; i < static_cast<int>(engine.charsets.size()); ++i) {
    AddString(*charsetList, QString::fromUtf8(engine.GetCharsetName(i)));
  }
  for (int i = 0; i < static_cast<int>(engine.qualities.size()); ++i) {
    AddString(*qualityList, QString::fromUtf8(engine.GetQualityName(i)));
  }
  for (int i = 0; i < static_cast<int>(engine.weights.size()); ++i) {
    AddString(*weightList, QString::fromUtf8(engine.GetWeightName(i)));
  }
  for (const char* width : kTextureWidths) AddString(*textureWidthList, QString::fromUtf8(width));
}

void CVantorDlg::UpdateControls() {
  SelectFirstBeginningWith(faceList, QString::fromUtf8(engine.GetFullFaceName()));
  SelectByValue(charsetList, engine.charsets, engine.GetCharset());
  SelectByValue(qualityList, engine.qualities, engine.GetQuality());
  SelectByValue(weightList, engine.weights, engine.GetWeight());
  widthEdit->setText(DecimalText(engine.GetWidth()));
  heightEdit->setText(DecimalText(engine.GetHeight()));
  SetChecked(boldBox, engine.IsBold());
  SetChecked(italicBox, engine.IsItalic());
  leadingEdit->setText(DecimalText(engine.leading));
  kerningEdit->setText(DecimalText(engine.kerning));
  SetChecked(showTextureBox, engine.showTexture);
  SelectFirstBeginningWith(textureWidthList, DecimalText(engine.textureWidth));
}

void CVantorDlg::SizePreview() {
  // The client area holds the whole first texture; later sizes are the user's.
  const TextureSize size = engine.GetTextureSize();
  const QScreen* screen = QGuiApplication::primaryScreen();
  preview.move(screen != nullptr ? screen->geometry().topLeft() : QPoint(0, 0));
  preview.resize(std::max(1, size.width), std::max(1, size.height));
  preview.update();
}

void CVantorDlg::TranslateLabels() {
  for (const LabelKey& label : kLabelKeys) SetControlText(FindControl(*this, label.id), Translated(label.key));
}

void CVantorDlg::ConnectHandlers() {
  connect(faceList, &QComboBox::currentIndexChanged, this, &CVantorDlg::OnFace);
  connect(charsetList, &QComboBox::currentIndexChanged, this, &CVantorDlg::OnCharset);
  connect(qualityList, &QComboBox::currentIndexChanged, this, &CVantorDlg::OnQuality);
  connect(weightList, &QComboBox::currentIndexChanged, this, &CVantorDlg::OnWeight);
  connect(boldBox, &QCheckBox::clicked, this, &CVantorDlg::OnBold);
  connect(italicBox, &QCheckBox::clicked, this, &CVantorDlg::OnItalic);
  connect(showTextureBox, &QCheckBox::clicked, this, &CVantorDlg::OnShowTexture);
  connect(textureWidthList, &QComboBox::currentIndexChanged, this, &CVantorDlg::OnTextureWidth);
  connect(FindControl<QPushButton>(*this, 1025), &QPushButton::clicked, this, &CVantorDlg::OnAbout);
  connect(FindControl<QPushButton>(*this, 1018), &QPushButton::clicked, this, &CVantorDlg::OnLoadParams);
  connect(FindControl<QPushButton>(*this, 1019), &QPushButton::clicked, this, &CVantorDlg::OnSaveParams);
  connect(FindControl<QPushButton>(*this, 1020), &QPushButton::clicked, this, &CVantorDlg::OnSaveTexture);
  connect(FindControl<QPushButton>(*this, 2), &QPushButton::clicked, this, &QDialog::reject);
}

void CVantorDlg::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    // Enter presses the button that has the focus; anywhere else it is the
    // OK command, which applies the edits and never closes the dialog.
    if (auto* button = qobject_cast<QPushButton*>(focusWidget())) {
      button->click();
    } else {
      ApplyEdits();
    }
    return;
  }
  QDialog::keyPressEvent(event);
}

void CVantorDlg::contextMenuEvent(QContextMenuEvent* event) {
  // The window menu belongs to the window manager here, so its extra item
  // lives in the context menu of the dialog's background.
  const QStringList items{QString::fromUtf8(kAboutMenuText), Translated("Export for game engines...")};
  const std::optional<int> chosen = windowSystem_.PopUpMenu(this, event->globalPos(), items);
  if (chosen == 0) OnSystemCommand(kAboutMenuCommand);
  if (chosen == 1) OnExportWindow();
}

void CVantorDlg::AddExportButton() {
  // Below the template's controls: the dialog grows by one row, nothing of it moves.
  const DialogUnits units(font());
  auto* button = new QPushButton(Translated("Export for game engines..."), this);
  button->setObjectName(QStringLiteral("exportButton"));
  button->setAutoDefault(false);
  const int top = MainDialogTemplate().height;
  button->setGeometry(units.Rect(5, top, 140, 12));
  setFixedSize(width(), height() + units.Y(16));
  setTabOrder(kerningEdit, button);
  connect(button, &QPushButton::clicked, this, &CVantorDlg::OnExportWindow);
  auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_E), this);
  connect(shortcut, &QShortcut::activated, this, &CVantorDlg::OnExportWindow);
}

void CVantorDlg::OnExportWindow() {
  if (exportWnd_ == nullptr) {
    exportWnd_ = new CExportWnd(windowSystem_, this);
    exportWnd_->setWindowIcon(icon);
    TellExportWindow();
  }
  exportWnd_->show();
  exportWnd_->raise();
  exportWnd_->activateWindow();
}

void CVantorDlg::TellExportWindow() {
  if (exportWnd_ != nullptr) exportWnd_->SetEngine(files::BakeEngineOf(engine));
}

void CVantorDlg::OnPreviewClosed() {
  SetChecked(showTextureBox, false);
  engine.showTexture = false;
}

void CVantorDlg::Rebuild(const FontSettings* settings) {
  if (settings != nullptr) {
    engine.Build(*settings);
  } else {
    engine.Build();
  }
  ++buildCount_;
  TellExportWindow();
}

void CVantorDlg::RedrawPreview() {
  // Every change of the engine ends here, a loaded params file too.
  TellExportWindow();
  preview.update();
}

}  // namespace vantor
