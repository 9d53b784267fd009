#include "app/CVantorApp.h"
#include "app/QtWindowSystem.h"

#include <QApplication>

#include <csignal>

int main(int argc, char* argv[]) {
  // A write beyond the file-size limit then fails with EFBIG, which the file
  // writer reports, instead of ending the process.
  std::signal(SIGXFSZ, SIG_IGN);
  QApplication application(argc, argv);
  vantor::QtWindowSystem windowSystem;
  vantor::CVantorApp theApp;
  return theApp.StartUp(windowSystem);
}
