// What the main dialog's lists, boxes and edits do: each change builds the
// texture, then ApplyEdits takes pending edit values, then the preview repaints.
#include "app/CAbout.h"
#include "app/CAboutDlg.h"
#include "app/CVantorDlg.h"
#include "app/DecimalText.h"
#include "app/WindowSystem.h"
#include "templates/ProgramStrings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include <optional>

namespace vantor {

namespace {

constexpr int kBoldPosition = 7;    // FW_BOLD
constexpr int kNormalPosition = 4;  // FW_NORMAL

// The selected position, or nothing when the list has no valid selection.
std::optional<std::size_t> SelectedPosition(const QComboBox* list) {
  const int index = list->currentIndex();
  if (index < 0 || index >= list->count()) return std::nullopt;
  return static_cast<std::size_t>(index);
}

bool InRange(std::int32_t value, std::int32_t low, std::int32_t high) { return value >= low && value <= high; }

}  // namespace

void CVantorDlg::ApplyEdits() {
  FontSettings settings = engine.GetFontSettings();
  bool fontChanged = false;
  bool spacingChanged = false;

  const std::int32_t width = DecimalValue(widthEdit->text());
  if (InRange(width, 0, 255) && width != engine.GetWidth()) {
    settings.width = width;
    fontChanged = true;
  }
  const std::int32_t height = DecimalValue(heightEdit->text());
  if (InRange(height, 1, 511) && height != engine.GetHeight()) {
    settings.height = height;
    fontChanged = true;
  }
  const std::int32_t leading = DecimalValue(leadingEdit->text());
  if (InRange(leading, -255, 255) && leading != engine.leading) {
    engine.leading = leading;
    spacingChanged = true;
  }
  const std::int32_t kerning = DecimalValue(kerningEdit->text());
  if (InRange(kerning, -255, 255) && kerning != engine.kerning) {
    engine.kerning = kerning;
    spacingChanged = true;
  }

  if (fontChanged) {
    Rebuild(&settings);
    RedrawPreview();
  } else if (spacingChanged) {
    Rebuild(nullptr);
    RedrawPreview();
  }
  // The focus goes back to the control that had it last.
  if (QWidget* last = focusWidget()) {
    last->setFocus();
  } else {
    setFocus();
  }
}

void CVantorDlg::RebuildFont(const FontSettings& settings) {
  Rebuild(&settings);
  ApplyEdits();
  RedrawPreview();
}

void CVantorDlg::OnFace() {
  const std::optional<std::size_t> position = SelectedPosition(faceList);
  if (!position) return;
  FontSettings settings = engine.GetFontSettings();
  // At most 31 bytes are kept, cut at a character boundary.
  settings.face = faceList->itemText(static_cast<int>(*position)).toUtf8().toStdString();
  RebuildFont(settings);
}

void CVantorDlg::OnCharset() {
  const std::optional<std::size_t> position = SelectedPosition(charsetList);
  if (!position || *position >= engine.charsets.size()) return;
  FontSettings settings = engine.GetFontSettings();
  settings.charset = static_cast<std::uint8_t>(engine.charsets[*position].value);
  RebuildFont(settings);
}

void CVantorDlg::OnQuality() {
  const std::optional<std::size_t> position = SelectedPosition(qualityList);
  if (!position || *position >= engine.qualities.size()) return;
  FontSettings settings = engine.GetFontSettings();
  settings.quality = static_cast<std::uint8_t>(engine.qualities[*position].value);
  RebuildFont(settings);
}

void CVantorDlg::OnWeight() {
  const std::optional<std::size_t> position = SelectedPosition(weightList);
  if (!position || *position >= engine.weights.size()) return;
  FontSettings settings = engine.GetFontSettings();
  settings.weight = engine.weights[*position].value;
  RebuildFont(settings);
}

void CVantorDlg::OnBold() {
  {
    // The selection is applied by the OnWeight call below, not by the list's notice.
    const QSignalBlocker quiet(weightList);
    weightList->setCurrentIndex(boldBox->isChecked() ? kBoldPosition : kNormalPosition);
  }
  OnWeight();
}

void CVantorDlg::OnItalic() {
  FontSettings settings = engine.GetFontSettings();
  settings.italic = italicBox->isChecked();
  RebuildFont(settings);
}

void CVantorDlg::OnShowTexture() {
  const bool show = showTextureBox->isChecked();
  preview.setVisible(show);
  engine.showTexture = show;
  ApplyEdits();
  RedrawPreview();
}

void CVantorDlg::OnTextureWidth() {
  const std::optional<std::size_t> position = SelectedPosition(textureWidthList);
  if (!position) return;
  engine.textureWidth = DecimalValue(textureWidthList->itemText(static_cast<int>(*position)));
  Rebuild(nullptr);
  ApplyEdits();
  RedrawPreview();
}

void CVantorDlg::OnAbout() {
  CAbout about(windowSystem_, this);
  windowSystem_.RunModal(about);
}

void CVantorDlg::OnSystemCommand(int command) {
  // The window-menu convention: the low four bits of a command are the system's own.
  if ((command & ~0xF) == kAboutMenuCommand) {
    CAboutDlg about(this);
    windowSystem_.RunModal(about);
  }
}

}  // namespace vantor
