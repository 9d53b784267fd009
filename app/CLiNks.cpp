#include "app/CLiNks.h"

#include "app/OpenLink.h"
#include "app/WindowSystem.h"

#include <QPointer>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPalette>

namespace vantor {

CLiNks::CLiNks(WindowSystem& windowSystem)
    : hoverColour(QApplication::palette().color(QPalette::Active, QPalette::Highlight)),
      windowSystem_(windowSystem) {}

void CLiNks::OnAttach(QLabel* control) {
  control_ = control;
  if (target.empty()) target = control->text().toStdString();
  if (control->text().isEmpty()) control->setText(QString::fromStdString(target));
  font = control->font();
  font.setUnderline(underline);
  control->setFont(font);
  if (!cursor) cursor = QCursor(Qt::PointingHandCursor);
  control->setCursor(*cursor);
  control->setToolTip(QString::fromStdString(target));
  control->setMouseTracking(true);
  control->installEventFilter(this);
  Recolour();
}

void CLiNks::SetTarget(const std::string& newTarget) {
  target = newTarget;
  if (control_ != nullptr) control_->setToolTip(QString::fromStdString(target));
}

QString CLiNks::ToolTipText() const { return control_ != nullptr ? control_->toolTip() : QString(); }

QColor CLiNks::TextColour() const {
  if (hover) return hoverColour;
  return visited ? visitedColour : linkColour;
}

void CLiNks::OnClicked() {
  // The openers answer later; by then the link (and its dialog) may be gone.
  const QPointer<CLiNks> self(this);
  OpenLink(target, windowSystem_, [self](int result) {
    if (self) self->OnOpened(result);
  });
}

void CLiNks::OnOpened(int result) {
  visited = result > 32;
  Recolour();
  if (!visited) {
    windowSystem_.Beep();
    windowSystem_.ShowMessage(control_ != nullptr ? control_->window() : nullptr,
                              QString::fromUtf8(LinkFailureReport(result)), QStringLiteral("Vantor"),
                              MessageIcon::Warning);
  }
}

bool CLiNks::eventFilter(QObject* watched, QEvent* event) {
  if (watched != control_) return false;
  switch (event->type()) {
    case QEvent::Enter:
      SetHover(true);
      break;
    case QEvent::Leave:
      SetHover(false);
      break;
    case QEvent::MouseMove:
      OnMouseMove(static_cast<QMouseEvent*>(event)->position().toPoint());
      break;
    case QEvent::MouseButtonRelease: {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() == Qt::LeftButton && control_->rect().contains(mouse->position().toPoint())) {
        OnClicked();
        return true;
      }
      break;
    }
    default:
      break;
  }
  return false;
}

void CLiNks::OnMouseMove(const QPoint& position) { SetHover(control_->rect().contains(position)); }

void CLiNks::SetHover(bool over) {
  if (hover == over) return;
  hover = over;
  Recolour();
  control_->repaint();
}

void CLiNks::Recolour() {
  if (control_ == nullptr) return;
  QPalette palette = control_->palette();
  palette.setColor(QPalette::WindowText, TextColour());
  control_->setPalette(palette);
}

}  // namespace vantor
