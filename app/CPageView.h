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

  /// Shows `page` (white glyphs on black, used as coverage) with the boxes `boxes` in page pixels.
  void SetPage(QImage page, std::vector<QRect> boxes);
  /// Draws each page pixel as `zoom` x `zoom` screen pixels (1..8).
  void SetZoom(int zoom);
  /// Checkerboard (true) or dark (false) behind the glyphs.
  void SetCheckerboard(bool on);
  /// Outlines every character box.
  void SetBoxesShown(bool on);
  /// The zoom that shows the whole page in `room`, at least 1.
  int FitZoom(QSize room) const;
  /// The page shown.
  const QImage& Page() const { return page_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage page_;  // glyphs as alpha over white, made once per page
  std::vector<QRect> boxes_;
  int zoom_ = 1;
  bool checkerboard_ = false;
  bool boxesShown_ = false;
};

}  // namespace vantor
