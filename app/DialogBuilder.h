#pragma once

#include "templates/DialogTemplate.h"

#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>

class QComboBox;

namespace vantor {

/// Converts dialog units into pixels with the real metrics of a font: a
/// horizontal unit is a quarter of the average character width (the average
/// of the 52 Latin letters, as dialog units have always been measured), a
/// vertical unit an eighth of the character height, so layouts keep their proportions.
class DialogUnits {
 public:
  /// Takes the metrics of `font`.
  explicit DialogUnits(const QFont& font);
  /// Horizontal units in pixels, rounded to the nearest pixel.
  int X(int units) const;
  /// Vertical units in pixels, rounded to the nearest pixel.
  int Y(int units) const;
  /// A rectangle in dialog units in pixels.
  QRect Rect(int x, int y, int width, int height) const { return {X(x), Y(y), X(width), Y(height)}; }

 private:
  int alphabetWidth_;  // width of the 52 letters together
  int height_;
};

/// The object name that the builder gives the control with `id`.
QString ControlName(int id);

/// Sets the window's caption, flags and client size from the template.
void ApplyWindowStyles(QWidget& window, const DialogTemplate& dialogTemplate);

/// Creates the template's controls as children of `dialog`, in template order,
/// each named by ControlName of its ID, with the tab order of the template;
/// returns the first control with a tab stop (null when there is none).
QWidget* BuildControls(QWidget& dialog, const DialogTemplate& dialogTemplate);

/// Adds `text` to a list: in case-blind order when the list was built sorted, else at the end.
void AddString(QComboBox& list, const QString& text);

/// The control of `dialog` with `id`, or null when there is none of that type.
template <typename T = QWidget>
T* FindControl(const QWidget& dialog, int id) {
  return dialog.findChild<T*>(ControlName(id), Qt::FindDirectChildrenOnly);
}

}  // namespace vantor
