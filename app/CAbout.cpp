#include "app/CAbout.h"

#include "app/CAboutDlg.h"
#include "app/DialogBuilder.h"
#include "app/Translation.h"
#include "templates/ProgramStrings.h"

#include <QLabel>
#include <QPushButton>

namespace vantor {

CAbout::CAbout(WindowSystem& windowSystem, QWidget* parent)
    : QDialog(parent), webLink(windowSystem), mailLink(windowSystem) {
  BuildAboutTemplate(*this);
  DoDataExchange();
  OnOpen();
}

void CAbout::DoDataExchange() {
  webLink.OnAttach(FindControl<QLabel>(*this, 1032));
  mailLink.OnAttach(FindControl<QLabel>(*this, 1033));
}

void CAbout::OnOpen() {
  setWindowTitle(Translated("About Vantor"));
  FindControl<QLabel>(*this, 1031)->setText(Translated("Version"));
  FindControl<QLabel>(*this, 1022)->setText(Translated("Copyright"));
  FindControl<QPushButton>(*this, 1)->setText(Translated("OK"));
  webLink.SetTarget(kWebAddress);
  mailLink.SetTarget(std::string("mailto:") + kSupportMail);
}

}  // namespace vantor
