#pragma once

#include <QWidget>

namespace vantor {

/// The texture preview: a separate, sizeable tool window that paints the
/// engine's texture 1:1 at its top-left, framed in white, on black. It reads
/// the texture from the one main dialog at every paint, so it never shows a
/// stale copy. Closing it unticks "Show texture" and hides it.
class CMonitor : public QWidget {
 public:
  /// A preview without a window on screen yet; Create shows it.
  CMonitor();

  /// Builds the window from template 129 with the translated caption "Texture" and shows it.
  void Create();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void OnOpen();
};

}  // namespace vantor
