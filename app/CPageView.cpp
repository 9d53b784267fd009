#include "app/CPageView.h"

#include <QPainter>

#include <algorithm>

namespace vantor {

namespace {

constexpr int kCheckerCell = 8;

// White glyphs whose coverage (the page's grey level) becomes their opacity,
// so any background shows through as an engine blends them.
QImage AsCoverage(const QImage& page) {
  QImage glyphs(page.size(), QImage::Format_ARGB32);
  for (int y = 0; y < page.height(); ++y) {
    const auto* in = reinterpret_cast<const QRgb*>(page.constScanLine(y));
    auto* out = reinterpret_cast<QRgb*>(glyphs.scanLine(y));
    for (int x = 0; x < page.width(); ++x) out[x] = qRgba(255, 255, 255, qGray(in[x]));
  }
  return glyphs;
}

}  // namespace

CPageView::CPageView(QWidget* parent) : QWidget(parent) {}

void CPageView::SetPage(QImage page, std::vector<QRect> boxes) {
  page_ = page.isNull() ? QImage() : AsCoverage(page.convertToFormat(QImage::Format_RGB32));
  boxes_ = std::move(boxes);
  SetZoom(zoom_);
}

void CPageView::SetZoom(int zoom) {
  zoom_ = std::clamp(zoom, 1, 8);
  setFixedSize(page_.size() * zoom_);
  update();
}

void CPageView::SetCheckerboard(bool on) {
  checkerboard_ = on;
  update();
}

void CPageView::SetBoxesShown(bool on) {
  boxesShown_ = on;
  update();
}

int CPageView::FitZoom(QSize room) const {
  if (page_.isNull()) return 1;
  return std::clamp(std::min(room.width() / page_.width(), room.height() / page_.height()), 1, 8);
}

void CPageView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (checkerboard_) {
    for (int y = 0; y < height(); y += kCheckerCell) {
      for (int x = 0; x < width(); x += kCheckerCell) {
        const bool light = ((x + y) / kCheckerCell) % 2 == 0;
        painter.fillRect(x, y, kCheckerCell, kCheckerCell, light ? QColor(170, 170, 170) : QColor(110, 110, 110));
      }
    }
  } else {
    painter.fillRect(rect(), QColor(32, 32, 40));
  }
  if (page_.isNull()) return;
  painter.drawImage(QRect(QPoint(0, 0), page_.size() * zoom_), page_);
  if (!boxesShown_) return;
  painter.setPen(QColor(255, 160, 0));
  for (const QRect& box : boxes_) {
    painter.drawRect(box.x() * zoom_, box.y() * zoom_, box.width() * zoom_ - 1, box.height() * zoom_ - 1);
  }
}

}  // namespace vantor
