#include "app/CSampleView.h"

#include "app/ViewBackground.h"

#include <QPainter>

namespace vantor {

CSampleView::CSampleView(QWidget* parent) : QWidget(parent) { setFixedSize(2 * kMargin, 2 * kMargin); }

void CSampleView::SetSample(files::SampleImage sample) {
  sample_ = std::move(sample);
  setFixedSize(sample_.width + 2 * kMargin, sample_.height + 2 * kMargin);
  update();
}

void CSampleView::SetCheckerboard(bool on) {
  checkerboard_ = on;
  update();
}

void CSampleView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintViewBackground(painter, rect(), checkerboard_);
  if (sample_.width <= 0 || sample_.height <= 0) return;
  painter.drawImage(QPoint(kMargin, kMargin), RgbaImage(sample_.rgba.data(), sample_.width, sample_.height, true));
}

}  // namespace vantor
