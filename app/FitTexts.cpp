#include "app/FitTexts.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include <algorithm>
#include <vector>

namespace vantor {

namespace {

// Room a push button keeps around its text, on both sides together.
constexpr int kButtonPadding = 8;
// Room a frame keeps before and after its title.
constexpr int kFramePadding = 16;

QString Visible(QString text) { return text.remove(QLatin1Char('&')); }

// The width `control`'s text needs, or 0 for a control without text.
int NeededWidth(const QWidget& control) {
  const QFontMetrics metrics(control.font());
  if (const auto* box = qobject_cast<const QCheckBox*>(&control)) return box->sizeHint().width();
  if (const auto* button = qobject_cast<const QPushButton*>(&control)) {
    return metrics.horizontalAdvance(Visible(button->text())) + kButtonPadding;
  }
  if (const auto* frame = qobject_cast<const QGroupBox*>(&control)) {
    return metrics.horizontalAdvance(Visible(frame->title())) + kFramePadding;
  }
  if (const auto* label = qobject_cast<const QLabel*>(&control)) {
    return label->pixmap().isNull() ? label->sizeHint().width() : 0;
  }
  return 0;
}

bool SameRow(const QRect& a, const QRect& b) { return a.top() < b.bottom() && b.top() < a.bottom(); }

}  // namespace

void FitTexts(QWidget& dialog) {
  std::vector<QWidget*> controls;
  for (QWidget* child : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (!child->isWindow()) controls.push_back(child);
  }
  const auto rightmost = [&controls] {
    int right = 0;
    for (const QWidget* control : controls) right = std::max(right, control->geometry().right() + 1);
    return right;
  };
  // The margin right of the template's widest control stays as it was.
  const int margin = std::max(0, dialog.width() - rightmost());
  // Left to right, so a control moved by one to its left is measured where it now is.
  std::sort(controls.begin(), controls.end(), [](const QWidget* a, const QWidget* b) { return a->x() < b->x(); });
  for (QWidget* control : controls) {
    const int grow = NeededWidth(*control) - control->width();
    if (grow <= 0) continue;
    const QRect was = control->geometry();
    control->resize(control->width() + grow, control->height());
    for (QWidget* other : controls) {
      if (other == control) continue;
      const QRect rect = other->geometry();
      if (rect.left() >= was.right() && SameRow(rect, was)) {
        other->move(rect.x() + grow, rect.y());
      } else if (qobject_cast<QGroupBox*>(other) != nullptr && rect.contains(was)) {
        other->resize(rect.width() + grow, rect.height());
      }
    }
  }
  const int width = rightmost() + margin;
  if (width <= dialog.width()) return;
  if (dialog.minimumWidth() == dialog.maximumWidth()) {
    dialog.setFixedWidth(width);
  } else {
    dialog.resize(width, dialog.height());
  }
}

void WidenPopups(QWidget& dialog) {
  for (QComboBox* list : dialog.findChildren<QComboBox*>()) {
    const QFontMetrics metrics(list->view()->font());
    int widest = 0;
    for (int i = 0; i < list->count(); ++i) widest = std::max(widest, metrics.horizontalAdvance(list->itemText(i)));
    const int scrollBar = list->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int frame = 2 * list->view()->frameWidth() + 8;
    list->view()->setMinimumWidth(std::max(list->width(), widest + scrollBar + frame));
  }
}

}  // namespace vantor
