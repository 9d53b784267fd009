#pragma once

#include "app/ExportRequest.h"
#include "files/export/BakeEngine.h"

#include <QDialog>

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabBar;

namespace vantor {

class CPageView;
class CSampleView;
class WindowSystem;

/// The export window: not modal, one for the main dialog. It shows the main
/// dialog's font settings as they change, lets the user choose the characters,
/// the descriptor format, a distance field, the page layout, effects and fallback
/// faces, shows the pages and a sample text set from them, builds the font
/// with an engine of its own off the UI thread (a newer change replaces a build
/// in flight; Cancel drops it), and saves the descriptor and its pages through
/// WriteBake after one question listing every file it would replace.
class CExportWnd : public QDialog {
 public:
  /// Creates the controls as children of a window owned by `mainDialog`.
  CExportWnd(WindowSystem& windowSystem, QWidget* mainDialog);
  ~CExportWnd() override;
  CExportWnd(const CExportWnd&) = delete;
  CExportWnd& operator=(const CExportWnd&) = delete;

  /// Takes the main dialog's font and texture settings; builds again when they changed.
  void SetEngine(const files::BakeEngine& settings);
  /// The bake the controls ask for, or none while the characters are refused.
  std::optional<ExportRequest> Request() const;
  /// Ctrl+S and "Save...": asks for the descriptor's name, then writes once the build is done.
  void OnSave();
  /// "Save as bake file...": asks for a name, then writes the settings as a bake file
  /// whose font goes beside it under its own name (fonts/title.toml bakes fonts/title.fnt).
  void OnSaveBakeFile();
  /// Drops the build in flight and the save waiting for it; nothing of it is written. A write under way finishes.
  void OnCancel();
  /// True while a build or a save runs.
  bool Busy() const { return busy_; }
  /// How many builds have finished and been shown.
  int FinishedBuilds() const { return finishedBuilds_; }

  QRadioButton* mainSetButton = nullptr;   ///< the main dialog's character set
  QRadioButton* unicodeButton = nullptr;   ///< the Unicode characters of the ranges field
  QLineEdit* rangesEdit = nullptr;         ///< ranges in vantor-bake --chars syntax
  QLabel* countLabel = nullptr;            ///< how many characters, how many the face lacks
  QLabel* errorLabel = nullptr;            ///< why the ranges are refused
  QPushButton* missingButton = nullptr;    ///< lists the characters the face lacks
  QComboBox* formatList = nullptr;         ///< text, XML, binary
  QLabel* enginesLabel = nullptr;          ///< which engines read the chosen format
  QCheckBox* fieldBox = nullptr;           ///< draw distance fields
  QSpinBox* spreadBox = nullptr;           ///< the field's spread, 2..32
  QComboBox* layoutList = nullptr;         ///< glyph boxes or cells
  QSpinBox* paddingBox = nullptr;          ///< pixels around each glyph box
  QSpinBox* spacingBox = nullptr;          ///< pixels between glyph boxes
  QComboBox* pageSizeList = nullptr;       ///< the largest page
  QCheckBox* cropBox = nullptr;            ///< pages cropped to their boxes, not powers of two
  QProgressBar* progress = nullptr;        ///< runs while a build or save does
  QPushButton* cancelButton = nullptr;     ///< drops the work in flight
  QPushButton* saveButton = nullptr;       ///< the save chooser
  QPushButton* bakeFileButton = nullptr;   ///< saves the settings as a bake file for vantor-bake --config
  QTabBar* pageTabs = nullptr;             ///< one tab for each page, naming its size
  QComboBox* zoomList = nullptr;           ///< fit, 1:1, 2x, 4x, 8x
  QComboBox* backgroundList = nullptr;     ///< dark or checkerboard
  QCheckBox* boxesBox = nullptr;           ///< outline the character boxes
  CPageView* pageView = nullptr;           ///< the page of the chosen tab
  QSpinBox* outlineBox = nullptr;          ///< outline width, 0 for none
  QCheckBox* shadowBox = nullptr;          ///< draw a shadow
  QSpinBox* shadowXBox = nullptr;          ///< shadow offset right
  QSpinBox* shadowYBox = nullptr;          ///< shadow offset down
  QSpinBox* shadowBlurBox = nullptr;       ///< shadow blur radius
  QPushButton* colourButtons[3] = {};      ///< glyph, outline and shadow colour choosers
  QComboBox* fallbackFaceList = nullptr;   ///< a face to add to the fallbacks (editable)
  QListWidget* fallbackList = nullptr;     ///< the fallback faces, in order
  QPushButton* addFallbackButton = nullptr;
  QPushButton* removeFallbackButton = nullptr;
  QPushButton* addFontFileButton = nullptr;  ///< reads a font file's faces without installing it
  QLabel* fontFilesLabel = nullptr;        ///< the font files read
  QPlainTextEdit* sampleEdit = nullptr;    ///< the sample text, several lines
  QComboBox* scaleList = nullptr;          ///< the sample's scale, 1x..8x
  QComboBox* sampleBackgroundList = nullptr;  ///< dark or checkerboard under the sample
  CSampleView* sampleView = nullptr;       ///< the sample text drawn from the built pages

  /// Sets colour `which` (0 glyph, 1 outline, 2 shadow) to 0xRRGGBB, as its chooser does.
  void SetColour(int which, std::uint32_t rgb);
  /// Reads `path`'s faces for this run, so they can be fallback faces; false with a message when refused.
  bool AddFontFile(const QString& path);

 private:
  void BuildControls();
  void Changed();
  void StartBuild(const ExportRequest& request);
  void BuildFinished(std::shared_ptr<BuiltFont> built);
  void ContinueSave();
  void StartWrite(const std::string& base, const files::OutputChoice& outputs);
  void SetBusy(bool busy);
  void ShowCounts();
  QWidget* BuildPagesView();
  void ShowPages();
  void ShowPage();
  void ApplyZoom();
  void OnAddBlock(const char* ranges);
  void OnAddText();
  void OnAddFile();
  void OnListMissing();
  void AddCharacters(const CharacterChoice& added);
  QWidget* BuildEffectsGroup();
  QWidget* BuildFallbackGroup();
  QWidget* BuildSampleView();
  void FillFaceList();
  void ShowSample();
  void Remember() const;
  void LoadRemembered();

  WindowSystem& windowSystem_;
  files::BakeEngine engine_;
  std::optional<ExportRequest> builtRequest_;
  std::shared_ptr<BuiltFont> built_;  // the last finished build, for the request builtRequest_
  std::optional<std::string> pendingBase_;
  std::shared_ptr<std::atomic<bool>> stop_;  // set to end the build in flight
  void StopBuild();
  unsigned generation_ = 0;  // a finished job of an older generation is dropped
  bool busy_ = false;
  bool writing_ = false;
  int finishedBuilds_ = 0;
  std::vector<std::string> fontFiles_;  // read by AddFontFile, for bake files
  std::uint32_t colours_[3] = {0xFFFFFF, 0x000000, 0x000000};  // glyph, outline, shadow
  bool loading_ = false;  // remembered settings are being put back; nothing is remembered meanwhile
};

}  // namespace vantor
