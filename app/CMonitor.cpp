#include "app/CMonitor.h"

#include "app/Artwork.h"
#include "app/CVantorDlg.h"
#include "app/DialogBuilder.h"
#include "app/Translation.h"

#include <QCloseEvent>
#include <QImage>
#include <QPainter>

namespace vantor {

CMonitor::CMonitor() {
  // Every paint fills every pixel itself: no background erase, no flicker.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
}

void CMonitor::Create() {
  ApplyWindowStyles(*this, MonitorTemplate());
  setWindowIcon(ApplicationIcon());
  OnOpen();
  if ((MonitorTemplate().styles & kVisible) != 0) show();
}

void CMonitor::OnOpen() { setWindowTitle(Translated("Texture")); }

void CMonitor::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  CVantorDlg* dialog = CVantorDlg::Current();
  const platform::Bitmap* texture = dialog != nullptr ? dialog->engine.texture.get() : nullptr;
  if (texture == nullptr) return;
  const int w = texture->Width();
  const int h = texture->Height();
  // A view of the engine's pixels, no copy: 0x00RRGGBB rows are what RGB32 reads.
  QImage view(reinterpret_cast<const uchar*>(texture->Pixels()), w, h, static_cast<qsizetype>(w) * 4,
              QImage::Format_RGB32);
  // One texture pixel to one screen pixel, also on scaled screens.
  view.setDevicePixelRatio(devicePixelRatioF());
  painter.drawImage(QPointF(0, 0), view);
  const double ratio = devicePixelRatioF();
  const QRectF frame(0, 0, w / ratio, h / ratio);
  const double line = 1 / ratio;
  painter.fillRect(QRectF(frame.left(), frame.top(), frame.width(), line), Qt::white);
  painter.fillRect(QRectF(frame.left(), frame.bottom() - line, frame.width(), line), Qt::white);
  painter.fillRect(QRectF(frame.left(), frame.top(), line, frame.height()), Qt::white);
  painter.fillRect(QRectF(frame.right() - line, frame.top(), line, frame.height()), Qt::white);
}

void CMonitor::closeEvent(QCloseEvent* event) {
  if (CVantorDlg* dialog = CVantorDlg::Current()) dialog->OnPreviewClosed();
  // Hidden, never destroyed: "Show texture" shows it again.
  hide();
  event->ignore();
}

}  // namespace vantor
