// Runs every test class of the program, or only the one named as the first argument.
#include "tests/app/TestRegistry.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTest>

#include <cstring>

namespace {

struct TestClass {
  const char* name;
  std::unique_ptr<QObject> (*make)();
};

constexpr TestClass kClasses[] = {
    {"DialogBuilder", vantor::MakeDialogBuilderTest},
    {"MainDialog", vantor::MakeMainDialogTest},
    {"Monitor", vantor::MakeMonitorTest},
    {"Commands", vantor::MakeCommandsTest},
    {"Links", vantor::MakeLinksTest},
    {"Helpers", vantor::MakeHelpersTest},
    {"FileCommands", vantor::MakeFileCommandsTest},
    {"ExportWindow", vantor::MakeExportWindowTest},
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  // Settings the program keeps go to a folder of the tests' own, never the user's.
  QStandardPaths::setTestModeEnabled(true);
  const char* only = argc > 1 ? argv[1] : nullptr;
  int failures = 0;
  int ran = 0;
  for (const TestClass& test : kClasses) {
    if (only != nullptr && std::strcmp(only, test.name) != 0) continue;
    ++ran;
    std::unique_ptr<QObject> object = test.make();
    char* arguments[] = {argv[0]};
    failures += QTest::qExec(object.get(), 1, arguments);
  }
  return ran == 0 ? 2 : (failures == 0 ? 0 : 1);
}
