// GoogleTest main for the window's tests: the program's own application object, offscreen, a
// settings folder of the test's own, and no unexpected Qt warning.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "QtWarnings.h"
#include "shell/VertebraApplication.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const QString runtime = QDir::current().absoluteFilePath("xdg-runtime");
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
    // No installation settings unless a test writes some.
    qputenv("XDG_CONFIG_DIRS", QDir::current().absoluteFilePath("no-settings").toLocal8Bit());
    InstallQtWarningTrap();
    VertebraApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
