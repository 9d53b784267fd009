// The export window's effect, fallback-face and sample-text controls, and the
// settings it keeps across runs.
#include "app/CExportWnd.h"

#include "app/CSampleView.h"
#include "app/ExportWidgets.h"
#include "app/Translation.h"
#include "app/WindowSystem.h"
#include "files/export/SampleImage.h"
#include "files/export/SampleLayout.h"
#include "platform/FontFiles.h"
#include "platform/FontSystem.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSettings>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace vantor {

namespace {

// A gap for a character the font lacks: as wide as a third of a line.
constexpr int kGapShare = 3;
// Longest sample text drawn, in characters; more is kept in the field but not drawn.
constexpr int kMaxSampleCharacters = 2000;
constexpr const char* kColourNames[3] = {"Glyph colour...", "Outline colour...", "Shadow colour..."};

QColor ColourOf(std::uint32_t rgb) { return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

}  // namespace

QWidget* CExportWnd::BuildEffectsGroup() {
  auto* group = new QGroupBox(Translated("Outline and shadow"), this);
  auto* grid = new QGridLayout(group);
  outlineBox = SpinBox(0, Effects::kMaxOutline, 0, group);
  shadowBox = new QCheckBox(Translated("Shadow, offset:"), group);
  shadowXBox = SpinBox(-Effects::kMaxShadowOffset, Effects::kMaxShadowOffset, 2, group);
  shadowYBox = SpinBox(-Effects::kMaxShadowOffset, Effects::kMaxShadowOffset, 2, group);
  shadowBlurBox = SpinBox(0, Effects::kMaxShadowBlur, 0, group);
  grid->addWidget(PlainLabel(Translated("Outline width:"), group), 0, 0);
  grid->addWidget(outlineBox, 0, 1);
  grid->addWidget(shadowBox, 1, 0);
  grid->addWidget(shadowXBox, 1, 1);
  grid->addWidget(shadowYBox, 1, 2);
  grid->addWidget(PlainLabel(Translated("Shadow blur:"), group), 2, 0);
  grid->addWidget(shadowBlurBox, 2, 1);
  auto* colours = new QHBoxLayout;
  for (int which = 0; which < 3; ++which) {
    colourButtons[which] = new QPushButton(Translated(kColourNames[which]), group);
    colourButtons[which]->setAutoDefault(false);
    colours->addWidget(colourButtons[which]);
    connect(colourButtons[which], &QPushButton::clicked, this, [this, which] {
      const QColor chosen = QColorDialog::getColor(ColourOf(colours_[which]), this, Translated(kColourNames[which]));
      if (chosen.isValid()) SetColour(which, static_cast<std::uint32_t>(chosen.rgb()) & 0xFFFFFFu);
    });
  }
  grid->addLayout(colours, 3, 0, 1, 3);
  for (QSpinBox* box : {outlineBox, shadowXBox, shadowYBox, shadowBlurBox}) {
    connect(box, &QSpinBox::valueChanged, this, &CExportWnd::Changed);
  }
  connect(shadowBox, &QCheckBox::toggled, this, &CExportWnd::Changed);
  for (int which = 0; which < 3; ++which) SetColour(which, colours_[which]);
  return group;
}

void CExportWnd::SetColour(int which, std::uint32_t rgb) {
  if (which < 0 || which > 2) return;
  colours_[which] = rgb & 0xFFFFFFu;
  const QColor colour = ColourOf(colours_[which]);
  // A swatch beside the label; the text stays readable on it.
  colourButtons[which]->setStyleSheet(QStringLiteral("background: %1; color: %2")
                                          .arg(colour.name(), colour.lightness() > 128 ? QStringLiteral("black") : QStringLiteral("white")));
  Changed();
}

QWidget* CExportWnd::BuildFallbackGroup() {
  auto* group = new QGroupBox(Translated("Fallback faces"), this);
  auto* layout = new QVBoxLayout(group);
  layout->addWidget(PlainLabel(Translated("Characters the face lacks come from the first of these that has them."), group));
  auto* adding = new QHBoxLayout;
  fallbackFaceList = new QComboBox(group);
  fallbackFaceList->setEditable(true);
  addFallbackButton = new QPushButton(Translated("Add"), group);
  adding->addWidget(fallbackFaceList, 1);
  adding->addWidget(addFallbackButton);
  layout->addLayout(adding);
  fallbackList = new QListWidget(group);
  fallbackList->setMaximumHeight(90);
  layout->addWidget(fallbackList);
  auto* buttons = new QHBoxLayout;
  removeFallbackButton = new QPushButton(Translated("Remove"), group);
  addFontFileButton = new QPushButton(Translated("Add font file..."), group);
  buttons->addWidget(removeFallbackButton);
  buttons->addWidget(addFontFileButton);
  layout->addLayout(buttons);
  fontFilesLabel = PlainLabel({}, group);
  fontFilesLabel->setWordWrap(true);
  layout->addWidget(fontFilesLabel);
  for (QPushButton* button : {addFallbackButton, removeFallbackButton, addFontFileButton}) button->setAutoDefault(false);
  FillFaceList();
  connect(addFallbackButton, &QPushButton::clicked, this, [this] {
    const QString face = fallbackFaceList->currentText().trimmed();
    if (face.isEmpty() || !fallbackList->findItems(face, Qt::MatchExactly).isEmpty()) return;
    fallbackList->addItem(face);
    Changed();
  });
  connect(removeFallbackButton, &QPushButton::clicked, this, [this] {
    delete fallbackList->takeItem(fallbackList->currentRow());
    Changed();
  });
  connect(addFontFileButton, &QPushButton::clicked, this, [this] {
    const FileRequest request{Translated("Font files (*.ttf *.otf *.ttc *.otc)"), QStringLiteral("ttf"), {Translated("All files (*)")}, {}};
    if (const std::optional<FileChoice> choice = windowSystem_.ChooseOpenFile(this, request)) AddFontFile(choice->path);
  });
  return group;
}

void CExportWnd::FillFaceList() {
  const QString typed = fallbackFaceList->currentText();
  const QSignalBlocker quiet(fallbackFaceList);
  fallbackFaceList->clear();
  for (const std::string& face : platform::FaceList()) fallbackFaceList->addItem(QString::fromStdString(face));
  fallbackFaceList->setCurrentText(typed);
}

bool CExportWnd::AddFontFile(const QString& path) {
  // Builds read the face list; it changes only while none runs.
  if (busy_) {
    windowSystem_.Beep();
    return false;
  }
  const platform::AddedFontFile added = platform::AddFontFile(QFile::encodeName(path).toStdString());
  if (!added.error.empty()) {
    windowSystem_.ShowMessage(this, path + QStringLiteral(": ") + QString::fromStdString(added.error), windowTitle(), MessageIcon::Stop);
    return false;
  }
  fontFiles_.push_back(QFile::encodeName(QFileInfo(path).absoluteFilePath()).toStdString());
  FillFaceList();
  if (!added.families.empty()) fallbackFaceList->setCurrentText(QString::fromStdString(added.families.front()));
  QString files = fontFilesLabel->text();
  fontFilesLabel->setText(files.isEmpty() ? QFileInfo(path).fileName() : files + QStringLiteral(", ") + QFileInfo(path).fileName());
  return true;
}

QWidget* CExportWnd::BuildSampleView() {
  auto* group = new QGroupBox(Translated("Sample text"), this);
  auto* layout = new QVBoxLayout(group);
  sampleEdit = new QPlainTextEdit(group);
  sampleEdit->setPlainText(Translated("The quick brown fox jumps over the lazy dog."));
  sampleEdit->setMaximumHeight(70);
  sampleEdit->setTabChangesFocus(true);
  layout->addWidget(sampleEdit);
  auto* options = new QHBoxLayout;
  scaleList = new QComboBox(group);
  for (int scale = 1; scale <= files::SampleLook::kMaxScale; ++scale) scaleList->addItem(QStringLiteral("%1x").arg(scale));
  sampleBackgroundList = new QComboBox(group);
  sampleBackgroundList->addItems({Translated("Dark"), Translated("Checkerboard")});
  options->addWidget(PlainLabel(Translated("Scale:"), group));
  options->addWidget(scaleList);
  options->addWidget(sampleBackgroundList);
  options->addStretch(1);
  layout->addLayout(options);
  auto* scroller = new QScrollArea(group);
  scroller->setMinimumHeight(120);
  sampleView = new CSampleView(scroller);
  scroller->setWidget(sampleView);
  layout->addWidget(scroller, 1);
  connect(sampleEdit, &QPlainTextEdit::textChanged, this, [this] {
    ShowSample();
    Remember();
  });
  connect(scaleList, &QComboBox::currentIndexChanged, this, [this] {
    ShowSample();
    Remember();
  });
  connect(sampleBackgroundList, &QComboBox::currentIndexChanged, this, [this](int index) { sampleView->SetCheckerboard(index == 1); });
  return group;
}

void CExportWnd::ShowSample() {
  if (!built_ || !built_->refused.empty() || !builtRequest_) {
    sampleView->SetSample({});
    return;
  }
  const std::u32string text = sampleEdit->toPlainText().left(kMaxSampleCharacters).toStdU32String();
  const files::SampleLayout layout =
      files::LayOutSample(built_->description, text, std::max(1, built_->description.lineHeight / kGapShare));
  const files::SampleLook look{scaleList->currentIndex() + 1, builtRequest_->engine.distanceSpread > 0};
  sampleView->SetSample(files::DrawSample(layout, built_->pages, look));
}

void CExportWnd::Remember() const {
  if (loading_) return;
  QSettings settings;
  settings.beginGroup(QStringLiteral("export"));
  settings.setValue(QStringLiteral("unicode"), unicodeButton->isChecked());
  settings.setValue(QStringLiteral("ranges"), rangesEdit->text());
  settings.setValue(QStringLiteral("format"), formatList->currentIndex());
  settings.setValue(QStringLiteral("field"), fieldBox->isChecked());
  settings.setValue(QStringLiteral("spread"), spreadBox->value());
  settings.setValue(QStringLiteral("sampleText"), sampleEdit->toPlainText());
  settings.setValue(QStringLiteral("zoom"), zoomList->currentIndex());
  settings.setValue(QStringLiteral("scale"), scaleList->currentIndex());
}

void CExportWnd::LoadRemembered() {
  QSettings settings;
  settings.beginGroup(QStringLiteral("export"));
  loading_ = true;
  // Each value is checked as hostile: a hand-edited file cannot reach past a list.
  const auto index = [&settings](const char* key, const QComboBox* list) {
    const int value = settings.value(QLatin1String(key), list->currentIndex()).toInt();
    return value >= 0 && value < list->count() ? value : list->currentIndex();
  };
  rangesEdit->setText(settings.value(QStringLiteral("ranges")).toString().left(4096));
  (settings.value(QStringLiteral("unicode")).toBool() ? unicodeButton : mainSetButton)->setChecked(true);
  formatList->setCurrentIndex(index("format", formatList));
  spreadBox->setValue(settings.value(QStringLiteral("spread"), spreadBox->value()).toInt());
  fieldBox->setChecked(settings.value(QStringLiteral("field")).toBool());
  zoomList->setCurrentIndex(index("zoom", zoomList));
  scaleList->setCurrentIndex(index("scale", scaleList));
  if (settings.contains(QStringLiteral("sampleText"))) {
    sampleEdit->setPlainText(settings.value(QStringLiteral("sampleText")).toString().left(kMaxSampleCharacters * 4));
  }
  loading_ = false;
}

}  // namespace vantor
