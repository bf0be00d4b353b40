// GoogleTest main for tests that need Qt's GUI: an offscreen application and no unexpected
// Qt warning.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>

#include "QtWarnings.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        // A private runtime folder, as a desktop session would give, so that Qt need not warn.
        const QString runtime = QDir::current().absoluteFilePath("xdg-runtime");
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
    }
    InstallQtWarningTrap();
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
