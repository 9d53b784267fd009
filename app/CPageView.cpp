#include "app/CPageView.h"

#include "app/ViewBackground.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace vantor {

CPageView::CPageView(QWidget* parent) : QWidget(parent) {}

void CPageView::SetPage(QImage page, std::vector<QRect> boxes) {
  page_ = page.isNull() ? QImage() : page.convertToFormat(QImage::Format_RGBA8888_Premultiplied);
  boxes_ = std::move(boxes);
  SetZoom(zoom_);
}

void CPageView::SetZoom(double zoom) {
  zoom_ = std::clamp(zoom, 1.0 / 64, 8.0);
  setFixedSize(Shown());
  update();
}

QSize CPageView::Shown() const {
  return QSize(std::max(1, static_cast<int>(page_.width() * zoom_)), std::max(1, static_cast<int>(page_.height() * zoom_)));
}

void CPageView::SetCheckerboard(bool on) {
  checkerboard_ = on;
  update();
}

void CPageView::SetBoxesShown(bool on) {
  boxesShown_ = on;
  update();
}

double CPageView::FitZoom(QSize room) const {
  if (page_.isNull() || room.isEmpty()) return 1;
  const double fit = std::min(static_cast<double>(room.width()) / page_.width(), static_cast<double>(room.height()) / page_.height());
  // Whole steps when the page is smaller than the room, so pixels stay square and sharp.
  return fit >= 1 ? std::clamp(std::floor(fit), 1.0, 8.0) : std::max(fit, 1.0 / 64);
}

void CPageView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintViewBackground(painter, rect(), checkerboard_);
  if (page_.isNull()) return;
  // Magnified pixels stay square; a page shrunk to fit is smoothed.
  painter.setRenderHint(QPainter::SmoothPixmapTransform, zoom_ < 1);
  painter.drawImage(QRect(QPoint(0, 0), Shown()), page_);
  if (!boxesShown_) return;
  painter.setPen(QColor(255, 160, 0));
  for (const QRect& box : boxes_) {
    painter.drawRect(QRectF(box.x() * zoom_, box.y() * zoom_, box.width() * zoom_ - 1, box.height() * zoom_ - 1));
  }
}

}  // namespace vantor
