#pragma once

#include "app/CLiNks.h"

#include <QDialog>

namespace vantor {

class WindowSystem;

/// The About dialog of the "About" button: template 100 with its caption and
/// labels translated and two live links, to the web site and to the support address.
class CAbout : public QDialog {
 public:
  /// Builds and prepares the dialog over `parent`; RunModal shows it.
  CAbout(WindowSystem& windowSystem, QWidget* parent);

  CLiNks webLink;   ///< control 1032, opens the web site
  CLiNks mailLink;  ///< control 1033, writes to the support address

 private:
  void DoDataExchange();
  void OnOpen();
};

}  // namespace vantor
