#include "app/ViewBackground.h"

namespace vantor {

namespace {
constexpr int kCheckerCell = 8;
}

void PaintViewBackground(QPainter& painter, const QRect& area, bool checkerboard) {
  if (!checkerboard) {
    painter.fillRect(area, QColor(32, 32, 40));
    return;
  }
  for (int y = area.top() - area.top() % kCheckerCell; y <= area.bottom(); y += kCheckerCell) {
    for (int x = area.left() - area.left() % kCheckerCell; x <= area.right(); x += kCheckerCell) {
      const bool light = ((x + y) / kCheckerCell) % 2 == 0;
      painter.fillRect(QRect(x, y, kCheckerCell, kCheckerCell) & area, light ? QColor(170, 170, 170) : QColor(110, 110, 110));
    }
  }
}

QImage RgbaImage(const unsigned char* rgba, int width, int height, bool premultiplied) {
  return QImage(rgba, width, height, static_cast<qsizetype>(width) * 4,
                premultiplied ? QImage::Format_RGBA8888_Premultiplied : QImage::Format_RGBA8888);
}

}  // namespace vantor
