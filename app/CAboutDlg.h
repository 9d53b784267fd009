#pragma once

#include <QDialog>

namespace vantor {

/// Builds template 100 into `dialog`: its caption, icon, picture, labels and an OK button that closes it.
void BuildAboutTemplate(QDialog& dialog);

/// The About dialog of the context-menu item: template 100 as it stands,
/// untranslated, with the web and mail addresses as plain labels.
class CAboutDlg : public QDialog {
 public:
  /// Builds the dialog over `parent`; RunModal shows it.
  explicit CAboutDlg(QWidget* parent);
};

}  // namespace vantor
