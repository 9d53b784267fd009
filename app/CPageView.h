#pragma once

#include <QImage>
#include <QWidget>

#include <vector>

namespace vantor {

/// One page of a font drawn at a zoom over a dark or checkerboard background,
/// the character boxes outlined on request; its size is the zoomed page's, so
/// a scroll area around it scrolls.
class CPageView : public QWidget {
 public:
  /// An empty view.
  explicit CPageView(QWidget* parent);

  /// Shows `page` (its pixels as the page file holds them, alpha not premultiplied) with the boxes `boxes` in page pixels.
  void SetPage(QImage page, std::vector<QRect> boxes);
  /// Draws each page pixel as `zoom` x `zoom` screen pixels (1/64..8; below 1 the page is shrunk).
  void SetZoom(double zoom);
  /// Checkerboard (true) or dark (false) behind the glyphs.
  void SetCheckerboard(bool on);
  /// Outlines every character box.
  void SetBoxesShown(bool on);
  /// The zoom that shows the whole page in `room`: a whole step up to 8 when the page is
  /// smaller, else the fraction that shrinks it into the room.
  double FitZoom(QSize room) const;
  /// The page shown.
  const QImage& Page() const { return page_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QSize Shown() const;

  QImage page_;  // premultiplied, made once per page
  std::vector<QRect> boxes_;
  double zoom_ = 1;
  bool checkerboard_ = false;
  bool boxesShown_ = false;
};

}  // namespace vantor
