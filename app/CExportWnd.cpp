#include "app/CExportWnd.h"

#include "app/CPageView.h"
#include "app/CSampleView.h"
#include "app/ExportWidgets.h"
#include "app/ViewBackground.h"
#include "app/Translation.h"
#include "app/WindowSystem.h"
#include "files/export/BakeFileText.h"
#include "files/formats/CharacterSet.h"
#include "files/formats/OutputFormat.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QSettings>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QSplitter>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

namespace vantor {

namespace {

constexpr int kPageSizes[] = {256, 512, 1024, 2048, 4096};
constexpr char kLastSaveKey[] = "export/lastPath";
constexpr char kLastBakeFileKey[] = "export/lastBakeFile";
// The missing characters listed at most; the rest are counted.
constexpr std::size_t kMissingListed = 200;

std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }
QString DisplayPath(const std::string& path) { return QFile::decodeName(path.c_str()); }

QString CodePointLine(char32_t codePoint) {
  const QString hex = QStringLiteral("U+%1").arg(static_cast<unsigned>(codePoint), 4, 16, QLatin1Char('0')).toUpper();
  return hex + QLatin1Char(' ') + QString::fromUcs4(&codePoint, 1);
}

}  // namespace

CExportWnd::CExportWnd(WindowSystem& windowSystem, QWidget* mainDialog)
    : QDialog(mainDialog, Qt::Window), windowSystem_(windowSystem) {
  setModal(false);
  setWindowTitle(Translated("Export for game engines"));
  BuildControls();
  LoadRemembered();
  auto* save = new QShortcut(QKeySequence::Save, this);
  connect(save, &QShortcut::activated, this, &CExportWnd::OnSave);
}

CExportWnd::~CExportWnd() { StopBuild(); }

void CExportWnd::BuildControls() {
  auto* columns = new QHBoxLayout(this);
  auto* layout = new QVBoxLayout;
  auto* more = new QVBoxLayout;
  columns->addLayout(layout);
  columns->addLayout(more);

  auto* characters = new QGroupBox(Translated("Characters"), this);
  auto* charLayout = new QVBoxLayout(characters);
  mainSetButton = new QRadioButton(Translated("The main dialog's character set"), characters);
  unicodeButton = new QRadioButton(Translated("Unicode characters:"), characters);
  mainSetButton->setChecked(true);
  rangesEdit = new QLineEdit(characters);
  rangesEdit->setPlaceholderText(QStringLiteral("0x20-0x7E, 0x401"));
  errorLabel = PlainLabel({}, characters);
  errorLabel->setStyleSheet(QStringLiteral("color: #c00000"));
  errorLabel->setWordWrap(true);
  charLayout->addWidget(mainSetButton);
  charLayout->addWidget(unicodeButton);
  charLayout->addWidget(rangesEdit);
  charLayout->addWidget(errorLabel);
  auto* blocks = new QGridLayout;
  int place = 0;
  for (const CharacterBlock& block : kCharacterBlocks) {
    auto* button = new QPushButton(Translated(block.name), characters);
    connect(button, &QPushButton::clicked, this, [this, ranges = block.ranges] { OnAddBlock(ranges); });
    blocks->addWidget(button, place / 4, place % 4);
    ++place;
  }
  charLayout->addLayout(blocks);
  auto* adders = new QHBoxLayout;
  auto* addText = new QPushButton(Translated("Add the characters of a text..."), characters);
  auto* addFile = new QPushButton(Translated("Add from file..."), characters);
  adders->addWidget(addText);
  adders->addWidget(addFile);
  charLayout->addLayout(adders);
  auto* counts = new QHBoxLayout;
  countLabel = PlainLabel({}, characters);
  missingButton = new QPushButton(Translated("List missing characters"), characters);
  counts->addWidget(countLabel, 1);
  counts->addWidget(missingButton);
  charLayout->addLayout(counts);
  layout->addWidget(characters);

  auto* format = new QGroupBox(Translated("Format"), this);
  auto* formatLayout = new QVBoxLayout(format);
  formatList = new QComboBox(format);
  for (files::OutputFormat kind : files::kDescriptorFormats) {
    formatList->addItem(Translated(files::NamesOf(kind).chooserLabel.data()));
  }
  enginesLabel = PlainLabel({}, format);
  formatLayout->addWidget(formatList);
  formatLayout->addWidget(enginesLabel);
  layout->addWidget(format);

  auto* field = new QGroupBox(Translated("Distance field"), this);
  auto* fieldLayout = new QHBoxLayout(field);
  fieldBox = new QCheckBox(Translated("Draw distance fields, spread:"), field);
  spreadBox = SpinBox(Fonter::kMinDistanceSpread, Fonter::kMaxDistanceSpread, 8, field);
  spreadBox->setEnabled(false);
  fieldLayout->addWidget(fieldBox);
  fieldLayout->addWidget(spreadBox);
  fieldLayout->addStretch(1);
  layout->addWidget(field);

  auto* pages = new QGroupBox(Translated("Layout"), this);
  auto* pageLayout = new QGridLayout(pages);
  layoutList = new QComboBox(pages);
  layoutList->addItems({Translated("Glyph boxes"), Translated("Cells")});
  const BoxRules rules;
  paddingBox = SpinBox(0, 64, rules.padding[0], pages);
  spacingBox = SpinBox(0, 64, rules.spacingX, pages);
  pageSizeList = new QComboBox(pages);
  for (int size : kPageSizes) pageSizeList->addItem(QStringLiteral("%1 x %1").arg(size));
  pageSizeList->setCurrentIndex(static_cast<int>(std::size(kPageSizes)) - 1);
  pageLayout->addWidget(layoutList, 0, 0, 1, 2);
  pageLayout->addWidget(PlainLabel(Translated("Padding:"), pages), 1, 0);
  pageLayout->addWidget(paddingBox, 1, 1);
  pageLayout->addWidget(PlainLabel(Translated("Spacing:"), pages), 2, 0);
  pageLayout->addWidget(spacingBox, 2, 1);
  pageLayout->addWidget(PlainLabel(Translated("Largest page:"), pages), 3, 0);
  pageLayout->addWidget(pageSizeList, 3, 1);
  cropBox = new QCheckBox(Translated("Crop pages to their boxes (no power of two)"), pages);
  pageLayout->addWidget(cropBox, 4, 0, 1, 2);
  layout->addWidget(pages);

  auto* bottom = new QHBoxLayout;
  progress = new QProgressBar(this);
  progress->setRange(0, 0);
  progress->setVisible(false);
  cancelButton = new QPushButton(Translated("Cancel"), this);
  cancelButton->setVisible(false);
  saveButton = new QPushButton(Translated("Save..."), this);
  bakeFileButton = new QPushButton(Translated("Save as bake file..."), this);
  auto* close = new QPushButton(Translated("Close"), this);
  // Enter in the ranges field must not save or close.
  for (QPushButton* button : {cancelButton, saveButton, bakeFileButton, close}) button->setAutoDefault(false);
  bottom->addWidget(progress, 1);
  bottom->addWidget(cancelButton);
  bottom->addWidget(saveButton);
  bottom->addWidget(bakeFileButton);
  bottom->addWidget(close);
  layout->addLayout(bottom);
  // Made in reading order, so Tab goes down each column, then to the views.
  more->addWidget(BuildEffectsGroup());
  more->addWidget(BuildFallbackGroup());
  more->addStretch(1);
  auto* views = new QSplitter(Qt::Vertical, this);
  views->addWidget(BuildPagesView());
  views->addWidget(BuildSampleView());
  columns->addWidget(views, 1);

  connect(mainSetButton, &QRadioButton::toggled, this, &CExportWnd::Changed);
  connect(rangesEdit, &QLineEdit::textChanged, this, [this] {
    if (!unicodeButton->isChecked()) unicodeButton->setChecked(true);
    Changed();
  });
  connect(addText, &QPushButton::clicked, this, &CExportWnd::OnAddText);
  connect(addFile, &QPushButton::clicked, this, &CExportWnd::OnAddFile);
  connect(missingButton, &QPushButton::clicked, this, &CExportWnd::OnListMissing);
  connect(formatList, &QComboBox::currentIndexChanged, this, &CExportWnd::Changed);
  connect(fieldBox, &QCheckBox::toggled, this, [this](bool on) {
    spreadBox->setEnabled(on);
    Changed();
  });
  for (QSpinBox* box : {spreadBox, paddingBox, spacingBox}) connect(box, &QSpinBox::valueChanged, this, &CExportWnd::Changed);
  connect(layoutList, &QComboBox::currentIndexChanged, this, &CExportWnd::Changed);
  connect(pageSizeList, &QComboBox::currentIndexChanged, this, &CExportWnd::Changed);
  connect(cropBox, &QCheckBox::toggled, this, &CExportWnd::Changed);
  connect(cancelButton, &QPushButton::clicked, this, &CExportWnd::OnCancel);
  connect(saveButton, &QPushButton::clicked, this, &CExportWnd::OnSave);
  connect(bakeFileButton, &QPushButton::clicked, this, &CExportWnd::OnSaveBakeFile);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

QWidget* CExportWnd::BuildPagesView() {
  auto* pages = new QGroupBox(Translated("Pages"), this);
  auto* layout = new QVBoxLayout(pages);
  auto* options = new QHBoxLayout;
  zoomList = new QComboBox(pages);
  zoomList->addItems({Translated("Fit"), QStringLiteral("1:1"), QStringLiteral("2x"), QStringLiteral("4x"), QStringLiteral("8x")});
  zoomList->setCurrentIndex(1);
  backgroundList = new QComboBox(pages);
  backgroundList->addItems({Translated("Dark"), Translated("Checkerboard")});
  boxesBox = new QCheckBox(Translated("Outline the character boxes"), pages);
  options->addWidget(PlainLabel(Translated("Zoom:"), pages));
  options->addWidget(zoomList);
  options->addWidget(backgroundList);
  options->addWidget(boxesBox);
  options->addStretch(1);
  layout->addLayout(options);
  pageTabs = new QTabBar(pages);
  pageTabs->setExpanding(false);
  layout->addWidget(pageTabs);
  auto* scroller = new QScrollArea(pages);
  scroller->setObjectName(QStringLiteral("pageScroller"));
  scroller->setMinimumSize(320, 320);
  pageView = new CPageView(scroller);
  scroller->setWidget(pageView);
  layout->addWidget(scroller, 1);
  connect(pageTabs, &QTabBar::currentChanged, this, &CExportWnd::ShowPage);
  connect(zoomList, &QComboBox::currentIndexChanged, this, &CExportWnd::ApplyZoom);
  connect(backgroundList, &QComboBox::currentIndexChanged, this, [this](int index) { pageView->SetCheckerboard(index == 1); });
  connect(boxesBox, &QCheckBox::toggled, this, [this](bool on) { pageView->SetBoxesShown(on); });
  return pages;
}

void CExportWnd::ShowPages() {
  const QSignalBlocker quiet(pageTabs);
  while (pageTabs->count() > 0) pageTabs->removeTab(0);
  if (built_ && built_->refused.empty()) {
    for (std::size_t i = 0; i < built_->pages.size(); ++i) {
      const ColourImage* page = built_->pages[i].get();
      const QString size = page != nullptr ? QStringLiteral("%1 x %2").arg(page->width).arg(page->height) : QStringLiteral("-");
      pageTabs->addTab(QStringLiteral("%1 (%2)").arg(i).arg(size));
    }
  }
  ShowPage();
}

void CExportWnd::ShowPage() {
  const int index = pageTabs->currentIndex();
  if (!built_ || index < 0 || static_cast<std::size_t>(index) >= built_->pages.size() || !built_->pages[index]) {
    pageView->SetPage({}, {});
    return;
  }
  const ColourImage& page = *built_->pages[static_cast<std::size_t>(index)];
  const QImage image = RgbaImage(page.rgba.data(), page.width, page.height, false);
  std::vector<QRect> boxes;
  for (const files::BitmapFontChar& c : built_->description.chars) {
    if (c.page == index && c.width > 0 && c.height > 0) boxes.emplace_back(c.x, c.y, c.width, c.height);
  }
  // The view keeps its own copy: the build's pages go with the build.
  pageView->SetPage(image.copy(), std::move(boxes));
  ApplyZoom();
}

void CExportWnd::ApplyZoom() {
  constexpr int kZooms[] = {0, 1, 2, 4, 8};
  const int zoom = kZooms[std::clamp(zoomList->currentIndex(), 0, 4)];
  auto* scroller = findChild<QScrollArea*>(QStringLiteral("pageScroller"));
  pageView->SetZoom(zoom > 0 ? zoom : pageView->FitZoom(scroller->viewport()->size()));
  Remember();
}

void CExportWnd::SetEngine(const files::BakeEngine& settings) {
  engine_ = settings;
  Changed();
}

std::optional<ExportRequest> CExportWnd::Request() const {
  ExportRequest request;
  request.engine = engine_;
  request.engine.distanceSpread = fieldBox->isChecked() ? spreadBox->value() : 0;
  if (unicodeButton->isChecked()) {
    CharacterChoice chosen = ReadCharacterRanges(rangesEdit->text().toStdString());
    if (!chosen.error.empty()) return std::nullopt;
    request.codePoints = std::move(chosen.codePoints);
  }
  request.outputs.descriptor = files::kDescriptorFormats.at(static_cast<std::size_t>(std::max(0, formatList->currentIndex())));
  request.outputs.layout.packed = layoutList->currentIndex() == 0;
  BoxRules& rules = request.outputs.layout.boxes;
  rules.padding.fill(paddingBox->value());
  rules.spacingX = rules.spacingY = spacingBox->value();
  const int pageSize = kPageSizes[std::max(0, pageSizeList->currentIndex())];
  rules.maxWidth = rules.maxHeight = pageSize;
  rules.powerOfTwo = !cropBox->isChecked();
  Effects& effects = request.outputs.effects;
  effects.outline = outlineBox->value();
  effects.shadow = shadowBox->isChecked();
  if (effects.shadow) {
    effects.shadowX = shadowXBox->value();
    effects.shadowY = shadowYBox->value();
    effects.shadowBlur = shadowBlurBox->value();
  }
  // A colour counts only with its effect, as vantor-bake takes it.
  effects.colour = colours_[0];
  if (effects.outline > 0) effects.outlineColour = colours_[1];
  if (effects.shadow) effects.shadowColour = colours_[2];
  if (unicodeButton->isChecked()) {
    for (int row = 0; row < fallbackList->count(); ++row) request.fallbacks.push_back(fallbackList->item(row)->text().toStdString());
  }
  return request;
}

void CExportWnd::Changed() {
  // Controls still being made, or remembered values being put back: the build waits for them all.
  if (fallbackList == nullptr || sampleEdit == nullptr || loading_) return;
  const files::OutputFormat format = files::kDescriptorFormats.at(static_cast<std::size_t>(std::max(0, formatList->currentIndex())));
  enginesLabel->setText(Translated(EnginesReading(format)));
  const bool packed = layoutList->currentIndex() == 0;
  for (QWidget* control : {static_cast<QWidget*>(paddingBox), static_cast<QWidget*>(spacingBox), static_cast<QWidget*>(cropBox)}) {
    control->setEnabled(packed);
  }
  for (QSpinBox* box : {shadowXBox, shadowYBox, shadowBlurBox}) box->setEnabled(shadowBox->isChecked());
  // Fallback faces draw Unicode sets only, as in vantor-bake.
  for (QWidget* control : {static_cast<QWidget*>(fallbackFaceList), static_cast<QWidget*>(fallbackList),
                           static_cast<QWidget*>(addFallbackButton), static_cast<QWidget*>(removeFallbackButton)}) {
    control->setEnabled(unicodeButton->isChecked());
  }
  Remember();
  const std::optional<ExportRequest> request = Request();
  if (unicodeButton->isChecked() && !request) {
    // The reason is shown at once, and the refused ranges never reach a build.
    errorLabel->setText(QString::fromStdString(ReadCharacterRanges(rangesEdit->text().toStdString()).error));
    rangesEdit->setStyleSheet(QStringLiteral("background: #ffd8d8"));
  } else {
    errorLabel->clear();
    rangesEdit->setStyleSheet({});
  }
  if (!request) {
    StopBuild();
    ++generation_;
    pendingBase_.reset();
    SetBusy(false);
    saveButton->setEnabled(false);
    bakeFileButton->setEnabled(false);
    countLabel->clear();
    return;
  }
  saveButton->setEnabled(true);
  bakeFileButton->setEnabled(true);
  if (request == builtRequest_ && (built_ || busy_)) return;
  StartBuild(*request);
}

void CExportWnd::StopBuild() {
  if (stop_) stop_->store(true);
  stop_.reset();
}

void CExportWnd::StartBuild(const ExportRequest& request) {
  // A newer change replaces the build in flight: it stops, so the new one gets the processor.
  StopBuild();
  stop_ = std::make_shared<std::atomic<bool>>(false);
  const unsigned generation = ++generation_;
  builtRequest_ = request;
  built_.reset();
  SetBusy(true);
  auto* watcher = new QFutureWatcher<std::shared_ptr<BuiltFont>>(this);
  connect(watcher, &QFutureWatcher<std::shared_ptr<BuiltFont>>::finished, this, [this, watcher, generation] {
    if (generation == generation_) BuildFinished(watcher->result());
    watcher->deleteLater();
  });
  // The job owns a copy of the request and an engine of its own; nothing of the window is touched there.
  watcher->setFuture(QtConcurrent::run([request, stop = stop_] { return std::make_shared<BuiltFont>(BuildExportFont(request, stop.get())); }));
}

void CExportWnd::BuildFinished(std::shared_ptr<BuiltFont> built) {
  stop_.reset();
  built_ = std::move(built);
  ++finishedBuilds_;
  SetBusy(false);
  ShowCounts();
  ShowPages();
  ShowSample();
  if (pendingBase_) ContinueSave();
}

void CExportWnd::ShowCounts() {
  if (!built_) return;
  if (!built_->refused.empty()) {
    countLabel->setText(Translated(built_->refused.c_str()));
    missingButton->setEnabled(false);
    return;
  }
  const SetLayout& layout = *built_->planned.font.layout;
  const std::size_t missing = layout.missing.size();
  countLabel->setText(Translated("%1 characters, %2 not in the face")
                          .arg(layout.glyphs.size() + missing)
                          .arg(missing));
  missingButton->setEnabled(missing > 0);
}

void CExportWnd::SetBusy(bool busy) {
  busy_ = busy;
  writing_ = false;
  progress->setVisible(busy);
  cancelButton->setVisible(busy);
  cancelButton->setEnabled(true);
}

void CExportWnd::OnCancel() {
  // A write replaces the set as one and cannot be stopped half way.
  if (writing_) return;
  StopBuild();
  ++generation_;
  pendingBase_.reset();
  builtRequest_.reset();
  built_.reset();
  SetBusy(false);
  ShowSample();
  countLabel->setText(Translated("Cancelled; change a setting to build again."));
}

void CExportWnd::OnSave() {
  // Read once: a large set of ranges takes a moment to read.
  const std::optional<ExportRequest> asked = Request();
  if (!asked) {
    windowSystem_.Beep();
    return;
  }
  const files::OutputFormat format = *asked->outputs.descriptor;
  QSettings settings;
  const FileRequest request{Translated(files::NamesOf(format).chooserLabel.data()), QStringLiteral("fnt"), {},
                            settings.value(QLatin1String(kLastSaveKey)).toString()};
  const std::optional<FileChoice> choice = windowSystem_.ChooseSaveFile(this, request);
  if (!choice) return;
  settings.setValue(QLatin1String(kLastSaveKey), choice->path);
  pendingBase_ = files::BaseOf(LocalPath(choice->path));
  // A build in flight (or none yet, after Cancel) is finished first; then the save goes on.
  if (!built_ && !busy_) StartBuild(*asked);
  if (built_) ContinueSave();
}

void CExportWnd::OnSaveBakeFile() {
  const std::optional<ExportRequest> request = Request();
  if (!request) {
    windowSystem_.Beep();
    return;
  }
  QSettings settings;
  const FileRequest chooser{Translated("Bake files (*.toml)"), QStringLiteral("toml"), {},
                            settings.value(QLatin1String(kLastBakeFileKey)).toString()};
  const std::optional<FileChoice> choice = windowSystem_.ChooseSaveFile(this, chooser);
  if (!choice) return;
  settings.setValue(QLatin1String(kLastBakeFileKey), choice->path);
  const std::string path = LocalPath(choice->path);
  if (!ExistingFiles({path}).empty()) {
    const QString text = Translated("These files exist and will be replaced or removed:") + QLatin1Char('\n') + choice->path;
    if (windowSystem_.AskOkCancel(this, text, Translated("Warning"), MessageIcon::Warning) != MessageAnswer::Ok) return;
  }
  files::BakeFileSettings bake{request->engine, request->codePoints.empty() ? std::string() : RangesText(request->codePoints),
                               request->outputs, request->fallbacks, fontFiles_, LocalPath(QFileInfo(choice->path).completeBaseName())};
  const files::FileResult result = files::WriteBakeFile(path, bake);
  if (!result.Ok()) {
    windowSystem_.ShowMessage(this, QString::fromStdString(result.message), windowTitle(), MessageIcon::Stop);
    return;
  }
  windowSystem_.ShowMessage(this, Translated("Written:") + QLatin1Char('\n') + choice->path, windowTitle(), MessageIcon::Information);
}

void CExportWnd::ContinueSave() {
  const std::string base = *pendingBase_;
  pendingBase_.reset();
  if (!built_ || !builtRequest_) return;
  if (!built_->refused.empty()) {
    windowSystem_.ShowMessage(this, Translated(built_->refused.c_str()), windowTitle(), MessageIcon::Stop);
    return;
  }
  const files::OutputChoice outputs = builtRequest_->outputs;
  const files::OutputPaths paths = files::NameOutputs(base, outputs, built_->planned.font.layout->pageHeights.size());
  // The pages an older descriptor named beyond the new ones go with the set: they are listed too.
  std::vector<std::string> replaced = ExistingFiles(paths.All());
  for (const std::string& stale : ExistingFiles(files::StalePages(base, paths))) replaced.push_back(stale);
  if (!replaced.empty()) {
    QString text = Translated("These files exist and will be replaced or removed:");
    for (const std::string& path : replaced) text += QLatin1Char('\n') + DisplayPath(path);
    if (windowSystem_.AskOkCancel(this, text, Translated("Warning"), MessageIcon::Warning) != MessageAnswer::Ok) return;
  }
  StartWrite(base, outputs);
}

void CExportWnd::StartWrite(const std::string& base, const files::OutputChoice& outputs) {
  const unsigned generation = ++generation_;
  // The engine moves to the job; the next change builds a new one.
  std::shared_ptr<BuiltFont> built = std::move(built_);
  builtRequest_.reset();
  SetBusy(true);
  writing_ = true;
  cancelButton->setEnabled(false);
  const files::OutputPaths paths = files::NameOutputs(base, outputs, built->planned.font.layout->pageHeights.size());
  auto* watcher = new QFutureWatcher<files::FileResult>(this);
  connect(watcher, &QFutureWatcher<files::FileResult>::finished, this, [this, watcher, generation, paths] {
    watcher->deleteLater();
    if (generation != generation_) return;
    SetBusy(false);
    const files::FileResult result = watcher->result();
    Changed();
    if (!result.Ok()) {
      windowSystem_.ShowMessage(this, QString::fromStdString(result.message), windowTitle(), MessageIcon::Stop);
      return;
    }
    QString text = Translated("Written:");
    for (const std::string& path : paths.All()) text += QLatin1Char('\n') + DisplayPath(path);
    text += QStringLiteral("\n\n") + Translated("Open the folder?");
    if (windowSystem_.AskOkCancel(this, text, windowTitle(), MessageIcon::Information) == MessageAnswer::Ok) {
      windowSystem_.OpenWithDefaultHandler(LocalPath(QFileInfo(DisplayPath(paths.descriptor)).absolutePath()), [](int) {});
    }
  });
  watcher->setFuture(QtConcurrent::run([built, base, outputs] {
    return files::WriteBake(*built->engine, built->planned.font, base, outputs);
  }));
}

void CExportWnd::AddCharacters(const CharacterChoice& added) {
  if (!added.error.empty()) {
    windowSystem_.ShowMessage(this, QString::fromStdString(added.error), windowTitle(), MessageIcon::Stop);
    return;
  }
  rangesEdit->setText(QString::fromStdString(RangesText(added.codePoints)));
}

void CExportWnd::OnAddBlock(const char* ranges) {
  const std::string current = rangesEdit->text().trimmed().toStdString();
  // Refused ranges stay as typed, and their reason is shown again.
  if (!current.empty() && !ReadCharacterRanges(current).error.empty()) {
    AddCharacters(ReadCharacterRanges(current));
    return;
  }
  AddCharacters(ReadCharacterRanges(current.empty() ? std::string(ranges) : current + ", " + ranges));
}

void CExportWnd::OnAddText() {
  bool ok = false;
  const QString text = QInputDialog::getMultiLineText(this, Translated("Add the characters of a text..."),
                                                      Translated("Paste the text:"), {}, &ok);
  if (!ok) return;
  AddCharacters(AddText(rangesEdit->text().toStdString(), text.toStdString()));
}

void CExportWnd::OnAddFile() {
  const FileRequest request{Translated("Text files (*.txt)"), QStringLiteral("txt"), {Translated("All files (*)")}, {}};
  const std::optional<FileChoice> choice = windowSystem_.ChooseOpenFile(this, request);
  if (!choice) return;
  files::CharacterSet set;
  const files::CharacterResult result = set.AddFile(LocalPath(choice->path));
  if (!result.Ok()) {
    AddCharacters({{}, result.message});
    return;
  }
  const std::vector<char32_t> codePoints = set.CodePoints();
  std::u32string text(codePoints.begin(), codePoints.end());
  AddCharacters(AddText(rangesEdit->text().toStdString(), QString::fromStdU32String(text).toStdString()));
}

void CExportWnd::OnListMissing() {
  if (!built_ || !built_->refused.empty()) return;
  const std::vector<char32_t>& missing = built_->planned.font.layout->missing;
  QString text = Translated("The face lacks these characters:");
  for (std::size_t i = 0; i < missing.size() && i < kMissingListed; ++i) text += QLatin1Char('\n') + CodePointLine(missing[i]);
  if (missing.size() > kMissingListed) {
    text += QLatin1Char('\n') + Translated("and %1 more").arg(missing.size() - kMissingListed);
  }
  windowSystem_.ShowMessage(this, text, windowTitle(), MessageIcon::Information);
}

}  // namespace vantor
