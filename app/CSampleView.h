#pragma once

#include "files/export/SampleImage.h"

#include <QImage>
#include <QWidget>

namespace vantor {

/// A sample text drawn from a font's pages (files::DrawSample) over the dark or
/// checkerboard background, with a margin; its size is the drawing's, so a
/// scroll area around it scrolls.
class CSampleView : public QWidget {
 public:
  static constexpr int kMargin = 8;

  explicit CSampleView(QWidget* parent);

  /// Shows `sample`; an empty one clears the view.
  void SetSample(files::SampleImage sample);
  /// Checkerboard (true) or dark (false) behind the text.
  void SetCheckerboard(bool on);
  /// The drawing shown.
  const files::SampleImage& Sample() const { return sample_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  files::SampleImage sample_;
  bool checkerboard_ = false;
};

}  // namespace vantor
