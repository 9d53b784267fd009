#pragma once

#include <QObject>

#include <memory>

namespace vantor {

/// The factories of the program's QtTest classes, one for each test file.
std::unique_ptr<QObject> MakeDialogBuilderTest();
std::unique_ptr<QObject> MakeMainDialogTest();
std::unique_ptr<QObject> MakeMonitorTest();
std::unique_ptr<QObject> MakeCommandsTest();
std::unique_ptr<QObject> MakeLinksTest();
std::unique_ptr<QObject> MakeHelpersTest();
std::unique_ptr<QObject> MakeFileCommandsTest();
std::unique_ptr<QObject> MakeExportWindowTest();

}  // namespace vantor
