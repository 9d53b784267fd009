#pragma once

// Small controls the export window's parts make alike.

#include <QLabel>
#include <QSpinBox>

namespace vantor {

/// A label showing `text` as it is: texts come from language files, never read as markup.
inline QLabel* PlainLabel(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setTextFormat(Qt::PlainText);
  return label;
}

/// A spin box of `minimum`..`maximum` showing `value`.
inline QSpinBox* SpinBox(int minimum, int maximum, int value, QWidget* parent) {
  auto* box = new QSpinBox(parent);
  box->setRange(minimum, maximum);
  box->setValue(value);
  return box;
}

}  // namespace vantor
