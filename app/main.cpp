#include "app/CVantorApp.h"
#include "app/QtWindowSystem.h"
#include "files/disk/Temporaries.h"

#include <QApplication>

#include <csignal>

int main(int argc, char* argv[]) {
  // A write beyond the file-size limit then fails with EFBIG, which the file
  // writer reports, instead of ending the process.
  std::signal(SIGXFSZ, SIG_IGN);
  // A save ended by TERM, INT or HUP leaves no temporary file behind.
  vantor::files::RemoveTemporariesOnSignals();
  QApplication application(argc, argv);
  // Settings the program keeps go to ~/.config/vantor/vantor.conf.
  QCoreApplication::setOrganizationName(QStringLiteral("vantor"));
  vantor::QtWindowSystem windowSystem;
  vantor::CVantorApp theApp;
  return theApp.StartUp(windowSystem);
}
