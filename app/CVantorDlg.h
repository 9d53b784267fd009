#pragma once

#include "app/CMonitor.h"
#include "engine/Fonter.h"

#include <QDialog>
#include <QIcon>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace vantor {

class CExportWnd;
class WindowSystem;
struct FileChoice;
namespace files {
struct FileResult;
}

/// The main dialog on template 102: owns the engine and the preview window,
/// shows the engine's state in its controls and turns every control's use
/// into a change of the engine, a rebuild of the texture and a repaint of the preview.
class CVantorDlg : public QDialog {
 public:
  /// Builds the engine's first texture and becomes the process's one main dialog.
  explicit CVantorDlg(WindowSystem& windowSystem);
  /// Destroys the preview, then the engine, then the controls; no longer the main dialog.
  ~CVantorDlg() override;
  CVantorDlg(const CVantorDlg&) = delete;
  CVantorDlg& operator=(const CVantorDlg&) = delete;

  /// The one main dialog while it exists, else null.
  static CVantorDlg* Current();

  /// Opens the dialog (OnOpen) and runs it modally until Exit, Esc or the close box; returns its result.
  int DoModal();
  /// Creates the controls, fills the lists, shows the engine's state, sizes the preview and translates the labels.
  void OnOpen();
  /// Shows the engine's state in every control, firing no handler.
  void UpdateControls();
  /// Applies the four edits' in-range new values with one or two builds; the dialog's OK command.
  void ApplyEdits();

  /// Face list 1000: builds with the chosen face.
  void OnFace();
  /// Character-set list 1012: builds with the chosen character set.
  void OnCharset();
  /// Quality list 1010: builds with the chosen quality.
  void OnQuality();
  /// Weight list 1016: builds with the chosen weight.
  void OnWeight();
  /// "Bold" 1007: selects FW_BOLD or FW_NORMAL in the weight list, then OnWeight.
  void OnBold();
  /// "Italic" 1008: builds with the italic flag of the box.
  void OnItalic();
  /// "Show texture" 1021: shows or hides the preview; builds nothing itself.
  void OnShowTexture();
  /// Texture-width list 1023: builds at the chosen width.
  void OnTextureWidth();
  /// "About" 1025: runs the translated About dialog.
  void OnAbout();
  /// "Load Font params" 1018: reads a params file into the engine and shows it.
  void OnLoadParams();
  /// "Save font params" 1019: writes the params file of the engine's state.
  void OnSaveParams();
  /// "Save texture" 1020: writes the texture as a TGA file.
  void OnSaveTexture();
  /// Asks for a descriptor name and variant, then writes the BMFont descriptor and its PNG page.
  void OnExport();
  /// "Export for game engines...", its menu item and Ctrl+E: shows the one export window, made on first use.
  void OnExportWindow();
  /// The export window once it was opened, else null; owned by the dialog.
  CExportWnd* ExportWindow() const { return exportWnd_; }
  /// The window-menu commands; 16 runs the untranslated About dialog.
  void OnSystemCommand(int command);
  /// The preview was closed by the user: untick "Show texture" and clear showTexture.
  void OnPreviewClosed();

  /// How many texture builds the dialog's commands have run.
  int BuildCount() const { return buildCount_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void DoDataExchange();
  void ConnectHandlers();
  void FillLists();
  void SizePreview();
  void TranslateLabels();
  bool ConfirmReplace(const FileChoice& choice);
  void ReportFileResult(const files::FileResult& result);
  void Rebuild(const FontSettings* settings);
  // Builds the font of `settings`, takes pending edit values, then repaints the preview.
  void RebuildFont(const FontSettings& settings);
  void RedrawPreview();
  void AddExportButton();
  void TellExportWindow();

  WindowSystem& windowSystem_;
  CExportWnd* exportWnd_ = nullptr;
  int buildCount_ = 0;
  bool opened_ = false;

 public:
  QIcon icon;                          ///< icon 128, on the dialog and the preview
  QComboBox* faceList = nullptr;       ///< 1000
  QComboBox* charsetList = nullptr;    ///< 1012
  QComboBox* qualityList = nullptr;    ///< 1010
  QLineEdit* widthEdit = nullptr;      ///< 1004
  QLineEdit* heightEdit = nullptr;     ///< 1005
  QComboBox* weightList = nullptr;     ///< 1016
  QCheckBox* boldBox = nullptr;        ///< 1007
  QCheckBox* italicBox = nullptr;      ///< 1008
  QCheckBox* showTextureBox = nullptr; ///< 1021
  QComboBox* textureWidthList = nullptr;  ///< 1023
  QLineEdit* leadingEdit = nullptr;    ///< 1026
  QLineEdit* kerningEdit = nullptr;    ///< 1028
  Fonter engine;                       ///< the texture engine, built before the dialog shows
  CMonitor preview;                    ///< the preview window, destroyed before the engine
};

}  // namespace vantor
