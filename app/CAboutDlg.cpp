#include "app/CAboutDlg.h"

#include "app/Artwork.h"
#include "app/DialogBuilder.h"

#include <QPushButton>

namespace vantor {

void BuildAboutTemplate(QDialog& dialog) {
  ApplyWindowStyles(dialog, AboutTemplate());
  dialog.setWindowIcon(ApplicationIcon());
  QWidget* firstTabStop = BuildControls(dialog, AboutTemplate());
  if (auto* ok = FindControl<QPushButton>(dialog, 1)) QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
  if (firstTabStop != nullptr) firstTabStop->setFocus();
}

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) { BuildAboutTemplate(*this); }

}  // namespace vantor
